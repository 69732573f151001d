// Hostile runs of a real program: scripts that would lose input or are not
// scripts at all stop with status 2 and say why; an EPS save whose
// recording cannot go to TMPDIR says so and still saves.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/ghostscript.h"
#include "tests/support/headless.h"

namespace {
using vtest::has;
std::string data() { return "'" + vtest::sourceDir() + "/examples/damped.tsv'"; }
}  // namespace

TEST(Hostile, ScriptsThatCannotBePlayedStopTheRun) {
  const std::string longText(300, 'w');
  struct Case {
    std::string script, env, says;
  } cases[] = {
      {"field \"X Label\" \"" + longText + "\"\ncheck \"Exit Graph\" on\npress \"OK\"\n", "",
       "more input than the event queue holds"},
      {"key \"" + longText + "\"\n", "", "more input than the event queue holds"},
      {std::string("press \"OK\"\0 junk\n", 16), "", "a NUL byte at column 11"},
      {"", "VOK_SCRIPT=.", "cannot read the script: it is a directory"},
  };
  for (const Case& c : cases) {
    vtest::ProgRun run = vtest::runHeadless("hostile-script", vtest::programPath("sheetgraph"), c.script,
                                            {c.env, data()});
    EXPECT_EQ(run.result.status, 2) << c.says << "\n" << run.err();
    EXPECT_TRUE(has(run.err(), c.says)) << run.err();
  }
}

TEST(Hostile, EPSRecordingFallsBackFromAMissingTMPDIR) {
  vtest::ProgRun run = vtest::runHeadless(
      "hostile-tmpdir", vtest::programPath("sheetgraph"),
      "check \"EPS Save Graph\" on\npress \"OK\"\nsaveas \"graph.eps\"\nclick 600 400\ncheck \"Exit Graph\" on\n"
      "press \"OK\"\n",
      {"TMPDIR=/nonexistent/tmp", data()});
  ASSERT_EQ(run.result.status, 0) << run.out() << run.err();
  EXPECT_TRUE(has(run.out() + run.err(), "cannot create the recording file in /nonexistent/tmp")) << run.out();
  vtest::expectGoodEPS(run.dir + "/graph.eps");
}
