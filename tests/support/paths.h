// Paths and small process helpers shared by the tests.
#pragma once
#include <string>

namespace vtest {
// Root of the source tree and of the build tree.
std::string sourceDir();
std::string binaryDir();
// A fresh empty folder under the build tree, private to this test process;
// removed and recreated on each call.
std::string scratchDir(const std::string& name);
// A test program built from tests/**/NAME_prog.cpp.
std::string progPath(const std::string& name);

struct RunResult {
  int status = -1;       // exit status, or 128+signal
  std::string out, err;  // captured standard output and error
};
// Runs `command` through /bin/sh with extra environment assignments ("K=V K2=V2" prefix).
RunResult run(const std::string& command);
#ifdef VOK_HAVE_SDL
constexpr bool kHaveSDLDisplay = true;
#else
constexpr bool kHaveSDLDisplay = false;
#endif
// True when running under CI: missing validators are then failures, not skips.
bool inCI();
// True when `tool` is on PATH.
bool haveTool(const std::string& tool);
// The picture decoder built by scripts/build-picttoppm (or one on PATH); "" when absent.
std::string picttoppmPath();
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& text);
// Regular files directly in `dir`: what a failed save may have left behind.
int regularFiles(const std::string& dir);

}  // namespace vtest

// In a test body: skips the test when `present` is false, and fails it under
// CI, where every validator must be installed (scripts/deps).
#define VTEST_REQUIRE(present, what)                                  \
  do {                                                                \
    if (!(present)) {                                                 \
      if (::vtest::inCI()) FAIL() << (what) << " is missing";         \
      GTEST_SKIP() << (what) << " is missing";                        \
    }                                                                 \
  } while (0)
