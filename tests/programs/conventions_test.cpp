// Every viewer as a Linux program: --help and --version, and a clear failure
// without a display. (A failed file read ends a run with status 1: the
// sheetgraph and contourgraph tests.)
#include <gtest/gtest.h>

#include <string>

#include "tests/support/headless.h"
#include "tests/support/vok_expect.h"

TEST(ProgramConventions, OptionsAndNoDisplay) {
  for (const char* name : {"sheetgraph", "contourgraph", "surfacegraph"}) {
    std::string run = "env -u DISPLAY -u WAYLAND_DISPLAY -u VOK_DISPLAY '" + vtest::programPath(name) + "'";
    vtest::RunResult help = vtest::run(run + " --help"), version = vtest::run(run + " --version");
    EXPECT_EQ(help.status, 0) << name << help.err;
    EXPECT_TRUE(vtest::hasAll(
        help.out, {"Usage: ", "VOK_DISPLAY", "VOK_SCRIPT", "VOK_SCREEN", "TMPDIR", "HOME", "-pageSetting.txt"}))
        << name;
    EXPECT_TRUE(version.status == 0 && version.out.rfind(std::string(name) + " 0.", 0) == 0) << version.out;
    vtest::RunResult none = vtest::run(run);
    EXPECT_EQ(none.status, 1) << name;
    EXPECT_TRUE(vtest::hasAll(none.err, {std::string(name) + ": no display", "VOK_DISPLAY=headless VOK_SCRIPT="}));
  }
}
