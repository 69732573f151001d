// The example programs a user copies, run headless as a user runs them: one
// drawing saved as EPS, then "Exit Graph", without a console message; and
// Ghostscript reads each file.
#include <gtest/gtest.h>

#include "tests/support/ghostscript.h"
#include "tests/support/paths.h"

TEST(ExamplePrograms, EachDrawsItsGraphIntoAnEPSFile) {
  VTEST_REQUIRE(vtest::haveGhostscript(), "gs");
  for (const char* program : {"curves", "bars", "lissajous"}) {
    std::string dir = vtest::scratchDir(program);
    vtest::writeFile(dir + "/script", "check \"EPS Save Graph\" on\npress \"OK\"\nsaveas \"graph.eps\"\nclick 600 400\n"
                                      "check \"Exit Graph\" on\npress \"OK\"\n");
    vtest::RunResult r = vtest::run("cd '" + dir + "' && HOME='" + dir + "' VOK_DISPLAY=headless VOK_SCRIPT=script '" +
                                    vtest::binaryDir() + "/examples/" + program + "'");
    ASSERT_TRUE(r.status == 0 && r.out.empty()) << program << r.out << r.err;  // no console messages
    std::string log;
    EXPECT_TRUE(vtest::gsParses(dir + "/graph.eps", &log)) << log;
  }
}
