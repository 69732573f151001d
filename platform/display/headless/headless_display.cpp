// The headless display: no window; the virtual screen is composited only for
// snapshots, and input comes from the script in VOK_SCRIPT (a file, or - for
// standard input), played whenever the program waits for input. Without a
// script, the first wait for input ends the run as an exhausted script does.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <string>

#include <sys/stat.h>

#include "platform/base/program.h"
#include "platform/display/display.h"
#include "platform/display/headless/headless_internal.h"

namespace {
// Scripts are small: a device or an endless pipe named by mistake must not
// be read into all memory.
constexpr size_t kMaxScript = size_t(16) << 20;

// The whole script, or why it cannot be had.
std::string readScript(const char* path, std::string* text) {
  FILE* f = std::fopen(path, "rb");
  if (!f) return std::strerror(errno);
  struct stat st;
  if (fstat(fileno(f), &st) == 0 && S_ISDIR(st.st_mode)) {
    std::fclose(f);
    return "it is a directory";
  }
  char block[65536];
  size_t n;
  while ((n = std::fread(block, 1, sizeof block, f)) > 0 && text->size() <= kMaxScript) text->append(block, n);
  bool failed = std::ferror(f) != 0;
  int error = errno;
  std::fclose(f);
  if (failed) return std::strerror(error);
  if (text->size() > kMaxScript) return "it is larger than 16 MiB";
  return "";
}

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
  std::string text, why = readScript(path, &text);
  if (!why.empty()) {
    std::string msg = std::string(VokProgramName()) + ": VOK_SCRIPT=" + path + ": cannot read the script: " + why;
    VokExitWithError(2, msg.c_str());
  }
  VokLoadScript(path, text);
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
