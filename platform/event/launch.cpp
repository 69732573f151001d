// Launching and ending a program: the program name, the display, the launch
// Apple event built from the command line, SIGINT/SIGTERM as quit, and the
// two ways out (ExitToShell, VokExitWithError).
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/display/display.h"
#include "platform/event/event_internal.h"
#include "platform/wm/window.h"

namespace {
std::string g_programName = "vok";
bool g_launched = false;
// Written by the signal handler only: the signal seen, and whether a quit
// sent for an earlier signal is still waiting to be dispatched.
volatile sig_atomic_t g_signal = 0;
volatile sig_atomic_t g_signalQuitPosted = 0;

void onSignal(int sig) {
  if (g_signal || g_signalQuitPosted) {
    // The program did not get round to the first request: let a second one end it.
    std::signal(sig, SIG_DFL);
    std::raise(sig);
    return;
  }
  g_signal = sig;
}

std::vector<std::string> processArguments() {
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> args;
  size_t start = 0;
  for (size_t i = 0; i < all.size(); ++i) {
    if (all[i] == '\0') {
      args.push_back(all.substr(start, i - start));
      start = i + 1;
    }
  }
  return args;
}

std::string baseName(const std::string& path) {
  size_t slash = path.find_last_of('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return name.empty() ? "vok" : name;
}
}  // namespace

void VokInstallSignalHandlers() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  struct sigaction sa = {};
  sa.sa_handler = onSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
}

void VokHandleSignals() {
  if (g_signalQuitPosted && !VokPeepEvent(VokQueueOp::peek, highLevelEventMask, 0, nullptr, VokIsQuitEvent))
    g_signalQuitPosted = 0;  // dispatched (and the program chose to go on)
  if (!g_signal) return;
  g_signalQuitPosted = 1;
  g_signal = 0;
  PostAppleEvent(kAEQuitApplication, nullptr, 0);
}

void VokLaunch(int argc, char** argv) {
  if (g_launched) return;
  g_launched = true;
  std::vector<std::string> args;
  if (argc > 0 && argv) {
    for (int i = 0; i < argc; ++i) args.push_back(argv[i] ? argv[i] : "");
  } else {
    args = processArguments();
  }
  if (!args.empty()) g_programName = baseName(args[0]);
  VokSetMenuBarTitle(g_programName.c_str());
  VokInstallSignalHandlers();
  VokOpenDisplay();
  std::vector<const char*> docs;
  for (size_t i = 1; i < args.size(); ++i) docs.push_back(args[i].c_str());
  if (docs.empty()) PostAppleEvent(kAEOpenApplication, nullptr, 0);
  else PostAppleEvent(kAEOpenDocuments, docs.data(), int(docs.size()));
}

const char* VokProgramName() { return g_programName.c_str(); }

void ExitToShell() {
  std::fflush(stdout);
  std::exit(0);
}

void VokExitWithError(int status, const char* message) {
  std::fflush(stdout);
  if (message && *message) std::fprintf(stderr, "%s\n", message);
  std::exit(status ? status : 1);
}
