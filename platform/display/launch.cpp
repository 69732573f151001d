// Launching a program: the program name, the display, and the launch Apple
// event built from the command line.
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
