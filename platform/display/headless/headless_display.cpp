// The headless display: no window; the virtual screen is composited only for
// snapshots, and input comes from the script in VOK_SCRIPT (a file, or - for
// standard input), played whenever the program waits for input. Without a
// script, the first wait for input ends the run as an exhausted script does.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/base/program.h"
#include "platform/display/display.h"
#include "platform/display/headless/headless_internal.h"

namespace {
bool openHeadless(int, int, char*, size_t) {
  VokRegisterCoreScriptCommands();
  const char* path = std::getenv("VOK_SCRIPT");
  if (!path || !*path) {
    VokLoadScript("(none)", "");
    return true;
  }
  if (std::strcmp(path, "-") == 0) {
    VokLoadScript("-", "");
    return true;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::string msg = std::string(VokProgramName()) + ": VOK_SCRIPT=" + path + ": cannot read the script: " + std::strerror(errno);
    VokExitWithError(2, msg.c_str());
  }
  std::ostringstream text;
  text << in.rdbuf();
  VokLoadScript(path, text.str());
  return true;
}

void pumpHeadless(bool waitingForInput) {
  if (waitingForInput) VokPlayScript();
}
}  // namespace

extern const VokDisplay kVokHeadlessDisplay = {
    "headless", "no window; input from the script in VOK_SCRIPT", openHeadless, nullptr, pumpHeadless, nullptr,
    false, false,
};
