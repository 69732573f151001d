// Launching a program: the program name, the display, and the launch Apple
// event built from the command line.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/display/display.h"
#include "platform/event/event_internal.h"
#include "platform/wm/window.h"

#ifndef VOK_VERSION
#define VOK_VERSION "unknown"
#endif

namespace {
bool g_launched = false;
std::string g_about = "a graphing program";
std::string g_documents = "data files to open; without one, the program asks with the open dialog";

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

void printHelp(const char* name) {
  std::printf(
      "Usage: %s [FILE]...\n"
      "%s %s: %s.\n"
      "\n"
      "  FILE       %s\n"
      "  --help     print this help and exit (only as the first argument)\n"
      "  --version  print the name and version and exit (only as the first argument)\n"
      "Every other argument is a file to open, even when it starts with '-'.\n"
      "\n"
      "Environment:\n"
      "  VOK_DISPLAY  the display: sdl (a window on X11 or Wayland) or headless (no window);\n"
      "               unset, a window if DISPLAY or WAYLAND_DISPLAY is set\n"
      "  VOK_SCRIPT   the script a headless run plays: a file, or - for standard input\n"
      "  VOK_SCREEN   the screen size as WIDTHxHEIGHT (default 1024x768)\n"
      "  TMPDIR       where EPS files are recorded before they are saved (default /tmp)\n"
      "  HOME         settings are kept in $HOME/Library/Preferences/\n"
      "\n"
      "Settings: window places in $HOME/Library/Preferences/%s-windowBounds.txt,\n"
      "the page setup in $HOME/Library/Preferences/%s-pageSetting.txt.\n"
      "Headless run: VOK_DISPLAY=headless VOK_SCRIPT=script %s [FILE]...\n",
      name, name, VOK_VERSION, g_about.c_str(), g_documents.c_str(), name, name, name);
}

// --help and --version, only as the exact first argument: any other
// argument is a document, whatever its spelling.
void answerOptions(const std::vector<std::string>& args) {
  if (args.size() < 2) return;
  const char* name = VokProgramName();
  if (args[1] == "--help") {
    printHelp(name);
  } else if (args[1] == "--version") {
    std::printf("%s %s\n", name, VOK_VERSION);
  } else {
    return;
  }
  std::fflush(stdout);
  std::exit(std::ferror(stdout) ? 1 : 0);
}
}  // namespace

void VokSetProgramHelp(const char* about, const char* documents) {
  if (about && *about) g_about = about;
  if (documents && *documents) g_documents = documents;
}

const char* VokVersion() { return VOK_VERSION; }

void VokLaunch(int argc, char** argv) {
  if (g_launched) return;
  g_launched = true;
  VokInstallFailureStatus();
  std::vector<std::string> args;
  if (argc > 0 && argv) {
    for (int i = 0; i < argc; ++i) args.push_back(argv[i] ? argv[i] : "");
  } else {
    args = processArguments();
  }
  if (!args.empty()) VokSetProgramName(baseName(args[0]).c_str());
  answerOptions(args);
  VokSetMenuBarTitle(VokProgramName());
  VokInstallSignalHandlers();
  VokOpenDisplay();
  std::vector<const char*> docs;
  for (size_t i = 1; i < args.size(); ++i) docs.push_back(args[i].c_str());
  if (docs.empty()) PostAppleEvent(kAEOpenApplication, nullptr, 0);
  else PostAppleEvent(kAEOpenDocuments, docs.data(), int(docs.size()));
}
