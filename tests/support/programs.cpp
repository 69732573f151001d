#include "tests/support/programs.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/support/ghostscript.h"

namespace vtest {
std::string programPath(const std::string& name, bool example) {
  return binaryDir() + (example ? "/examples/" : "/programs/") + name;
}

RunResult runProgramIn(const std::string& program, const std::string& dir, const std::string& script,
                       const std::string& args) {
  writeFile(dir + "/script", script);
  return run("cd '" + dir + "' && HOME='" + dir + "' VOK_DISPLAY=headless VOK_SCRIPT=script '" + program + "' " + args);
}

bool fileExists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

void expectGoodEPS(const std::string& eps) {
  ASSERT_TRUE(fileExists(eps)) << eps;
  if (!haveGhostscript()) {
    if (inCI()) FAIL() << "gs missing";
    return;
  }
  std::string log;
  EXPECT_TRUE(gsParses(eps, &log)) << log;
  Box declared, measured;
  ASSERT_TRUE(epsDeclaredBox(eps, &declared));
  ASSERT_TRUE(gsMeasuredBox(eps, &measured));
  EXPECT_FALSE(measured.empty());
  EXPECT_GE(measured.llx, declared.llx);
  EXPECT_LE(measured.urx, declared.urx);
}
}  // namespace vtest
