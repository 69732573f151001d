// Every viewer as a Linux program: --help and --version, and a clear failure
// without a display. (A failed file read ends a run with status 1: the
// sheetgraph and contourgraph tests.) The example programs a user copies,
// run headless as a user runs them: one drawing saved as EPS, then "Exit
// Graph", without a console message; and Ghostscript reads each file.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/ghostscript.h"
#include "tests/support/headless.h"
#include "tests/support/vok_expect.h"
#include "tests/support/vok_scripts.h"

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

TEST(ExamplePrograms, EachDrawsItsGraphIntoAnEPSFile) {
  VTEST_REQUIRE(vtest::haveGhostscript(), "gs");
  for (const char* program : {"curves", "bars", "lissajous"}) {
    vtest::ProgRun r =
        vtest::runHeadless(program, vtest::programPath(program, true), vtest::epsPass("graph.eps") + vtest::kExitGraph);
    ASSERT_TRUE(r.result.status == 0 && r.out().empty()) << program << r.out() << r.err();  // no console messages
    std::string log;
    EXPECT_TRUE(vtest::gsParses(r.dir + "/graph.eps", &log)) << log;
  }
}
