// Paths and small process helpers shared by the tests.
#pragma once
#include <string>

namespace vtest {
// Root of the source tree, of the build tree, and the shared/ folder beside the repository.
std::string sourceDir();
std::string binaryDir();
std::string sharedDir();
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
// True when running under CI: missing validators are then failures, not skips.
bool inCI();
// True when `tool` is on PATH.
bool haveTool(const std::string& tool);
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& text);
}  // namespace vtest
