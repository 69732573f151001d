// Scripted headless runs and EPS checks shared by the end-to-end tests.
#include "tests/support/headless.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/ghostscript.h"

namespace vtest {
RunResult runScripted(const std::string& dir, const std::string& program, const std::string& script,
                      const std::string& args) {
  writeFile(dir + "/script", script);
  return run("cd '" + dir + "' && HOME='" + dir + "' VOK_DISPLAY=headless VOK_SCRIPT=script '" + program + "' " +
             args);
}

void expectGoodEPS(const std::string& eps) {
  struct stat st;
  ASSERT_EQ(stat(eps.c_str(), &st), 0) << eps << " was not written";
  VTEST_REQUIRE(haveGhostscript(), "gs");
  std::string log;
  EXPECT_TRUE(gsParses(eps, &log)) << log;
  Box declared, measured;
  ASSERT_TRUE(epsDeclaredBox(eps, &declared));
  ASSERT_TRUE(gsMeasuredBox(eps, &measured));
  EXPECT_FALSE(measured.empty());
  EXPECT_GE(measured.llx, declared.llx);
  EXPECT_GE(measured.lly, declared.lly);
  EXPECT_LE(measured.urx, declared.urx);
  EXPECT_LE(measured.ury, declared.ury);
}
}  // namespace vtest
