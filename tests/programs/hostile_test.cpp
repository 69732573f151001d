// Hostile runs of sheetgraph: scripts that would lose input or are no
// scripts stop with status 2 and say why; an EPS save under a missing TMPDIR
// or a file-size limit says why, keeps the old file and leaves no temporary;
// a save that failed ends the run with status 1.
#include <gtest/gtest.h>

#include "tests/support/headless.h"
#include "tests/support/vok_expect.h"

namespace {
const std::string kSave = "check \"EPS Save Graph\" on\npress \"OK\"\nsaveas \"graph.eps\"\n";
const std::string kEnd = "click 600 400\ncheck \"Exit Graph\" on\npress \"OK\"\n";
vtest::ProgRun sheetgraph(const std::string& script, const std::string& env, const std::string& setup = "") {
  std::string data = "'" + vtest::sourceDir() + "/examples/damped.tsv'";
  return vtest::runHeadless("hostile", vtest::programPath("sheetgraph"), script, {env, data, setup});
}
}  // namespace

TEST(Hostile, RunsEndWithTheirReason) {
  const std::string text(300, 'w');
  struct Case {
    std::string script, env, setup, says;
    int status;
  } cases[] = {
      {"key \"" + text + "\"\n", "", "", "more input than the event queue holds", 2},
      {std::string("press \"OK\"\0 x\n", 14), "", "", "a NUL byte at column 11", 2},
      {"", "VOK_SCRIPT=.", "", "cannot read the script: it is a directory", 2},
      {kSave + kEnd, "TMPDIR=/nonexistent", "", "cannot create the recording file in /nonexistent", 0},
      {kSave + "press \"OK\"\n" + kEnd, "TMPDIR=$PWD/t", "mkdir t && printf old >graph.eps && ulimit -f 4",
       "graph.eps: the recording could not be written: File too large", 1},
  };
  for (const Case& c : cases) {
    vtest::ProgRun run = sheetgraph(c.script, c.env, c.setup);
    EXPECT_EQ(run.result.status, c.status) << c.says << "\n" << run.err();
    EXPECT_TRUE(vtest::hasAll(run.out() + run.err(), {c.says}));
    std::string left = c.setup.empty() ? "old" : vtest::run("cd '" + run.dir + "' && ls -A t; cat graph.eps").out;
    EXPECT_EQ(left, "old");
  }
}
