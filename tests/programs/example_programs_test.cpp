// The example programs a user copies, run headless as a user runs them: one
// drawing saved as EPS, then "Exit Graph", without a console message; and
// Ghostscript reads each file.
#include <gtest/gtest.h>

#include "tests/support/ghostscript.h"
#include "tests/support/headless.h"
#include "tests/support/vok_scripts.h"

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
