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

// A file-size limit makes writes fail with EFBIG instead of killing the
// program: at any limit the old file stays, nothing temporary is left, and
// the message names the file and the reason.
TEST(Hostile, FileSizeLimitKeepsTheOldEPS) {
  for (int blocks : {1, 8}) {  // of 512 bytes
    vtest::ProgRun run = vtest::runHeadless(
        "hostile-fsize", vtest::programPath("sheetgraph"),
        "check \"EPS Save Graph\" on\npress \"OK\"\nsaveas \"graph.eps\"\npress \"OK\"\nclick 600 400\n"
        "check \"Exit Graph\" on\npress \"OK\"\n",
        {"TMPDIR=$PWD/tmp", data(), "mkdir tmp && printf old > graph.eps && ulimit -f " + std::to_string(blocks)});
    ASSERT_EQ(run.result.status, 0) << blocks << run.out() << run.err();
    EXPECT_EQ(run.file("graph.eps"), "old") << blocks;
    EXPECT_TRUE(has(run.out() + run.err(), "graph.eps: ") && has(run.out() + run.err(), "File too large"))
        << blocks << run.out() << run.err();
    vtest::RunResult left = vtest::run("cd '" + run.dir + "' && ls -A tmp && ls -A | grep -v -x -e tmp -e graph.eps -e script");
    EXPECT_EQ(left.out, "") << blocks;
  }
}
