// sheetgraph end to end: the real program, run headless in a scratch folder
// and driven by scripts as a user would drive it; its EPS output is read by
// Ghostscript. Hostile runs: scripts that would lose input or are no scripts
// stop with status 2 and say why; an EPS save under a missing TMPDIR or a
// file-size limit says why, keeps the old file and leaves no temporary; a
// save that failed ends the run with status 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/headless.h"
#include "tests/support/vok_expect.h"
#include "tests/support/vok_ink.h"
#include "tests/support/vok_scripts.h"

namespace {
using vtest::epsPass;
using vtest::kExitGraph;
const std::string kDamped = "'" + vtest::sourceDir() + "/examples/damped.tsv'";

// Runs sheetgraph in the folder `dir` (kept between runs of one test) with
// the script and the documents `args`; HOME is the folder too.
vtest::RunResult runIn(const std::string& dir, const std::string& script, const std::string& args = kDamped,
                       const std::string& env = "", const std::string& setup = "") {
  return vtest::runHeadlessIn(dir, vtest::programPath("sheetgraph"), script, {env, args, setup});
}

// The corner numbers are drawn as text, so the EPS carries them as strings.
::testing::AssertionResult shows(const std::string& eps, std::initializer_list<std::string> numbers) {
  std::string text = vtest::readFile(eps);
  for (const std::string& n : numbers)
    if (!vtest::has(text, "(" + n + ")")) return ::testing::AssertionFailure() << eps << " lacks " << n;
  return ::testing::AssertionSuccess();
}

// A parameter file without its command lines, whose values are procedure
// addresses of the run that wrote them.
std::string settings(const std::string& file) {
  std::string out;
  for (size_t at = 0, end; at < file.size(); at = end + 1) {
    end = std::min(file.find('\n', at), file.size());
    if (file.find("\tdoType\t", at) >= end) out += file.substr(at, end - at) + "\n";
  }
  return out;
}
}  // namespace

// Frame and series settings edited, saved as EPS and as a parameter file,
// and read back into a fresh run.
TEST(SheetGraph, EditsFrameSavesEPSAndParametersThenLoadsThemInANewRun) {
  std::string dir = vtest::scratchDir("sheetgraph-edit");
  vtest::RunResult r = runIn(dir,
                             "field \"Min Frame X\" 2\nfield \"Max Frame X\" 7.5\n"
                             "field \"Min Frame Y\" -2\nfield \"Max Frame Y\" 3\n"
                             "field \"X Label\" \"time t_0\"\nfield \"Pen 1 Width\" 4\n"
                             "field \"Data 1 Color\" 3\nfield \"Data Mark 2\" 2\ncheck \"No Line 2\" on\n" +
                                 epsPass("graph.eps") + "press \"Save Params\"\nsaveas \"graph.param\"\n" + kExitGraph);
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  vtest::expectGoodEPS(dir + "/graph.eps");
  EXPECT_TRUE(shows(dir + "/graph.eps", {"2.0", "7.5", "-2.0"}));
  std::string params = vtest::readFile(dir + "/graph.param");
  EXPECT_TRUE(vtest::hasAll(params, {"\"Max Frame X\"\tdoubleType\t7.5", "\"X Label\"\tstringType\ttime t_0\n",
                                     "\"Pen 1 Width\"\tdoubleType\t4.000000\n", "\"Data 1 Color\"\tintType\t3\n",
                                     "\"Data Mark 2\"\tintType\t2\n", "\"No Line 2\"\tflagType\t1\n"}));

  // A new run starts from the data's own range; loading the file restores ours.
  r = runIn(dir, epsPass("fresh.eps") + "press \"Load Params\"\nchoose \"graph.param\"\n" + epsPass("loaded.eps") +
                     "press \"Save Params\"\nsaveas \"again.param\"\n" + kExitGraph);
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_FALSE(shows(dir + "/fresh.eps", {"7.5"}));
  EXPECT_TRUE(shows(dir + "/loaded.eps", {"7.5", "-2.0"}));
  EXPECT_EQ(settings(vtest::readFile(dir + "/again.param")), settings(params)) << "every setting restored";
}

// "Load New Data" switches file and frame range; without data (a cancelled
// open dialog) the graph has frame and labels only.
TEST(SheetGraph, LoadNewDataAndNoData) {
  std::string dir = vtest::scratchDir("sheetgraph-newdata");
  std::string grid = "press \"Load New Data\"\nchoose \"" + vtest::sourceDir() + "/examples/grid.tsv\"\n";
  ASSERT_EQ(runIn(dir, grid + epsPass("grid.eps") + kExitGraph).status, 0);
  vtest::expectGoodEPS(dir + "/grid.eps");
  EXPECT_TRUE(shows(dir + "/grid.eps", {"-2.0"})) << "x range of grid.tsv starts at -2";
  ASSERT_EQ(runIn(dir, "cancel\n" + epsPass("empty.eps") + kExitGraph, "").status, 0);
  vtest::expectGoodEPS(dir + "/empty.eps");
  EXPECT_TRUE(shows(dir + "/empty.eps", {"0.0", "1.0"}));
}

TEST(SheetGraph, ExitOrQuitInTheFirstDialogWritesNothing) {
  std::string dir = vtest::scratchDir("sheetgraph-quit");
  for (std::string end : {kExitGraph, "press \"Quit\"\n"}) {
    vtest::RunResult r = runIn(dir, "check \"EPS Save Graph\" on\n" + end);
    EXPECT_EQ(r.status, 0) << r.err;
  }
  EXPECT_EQ(vtest::run("ls -A '" + dir + "'").out, "script\n");
}

// The EPS file of a whole graph, rendered by Ghostscript, shows what the
// screen shows: the same ink within a pixel or two (strokes are centred on
// their path in the file, glyphs come from another rasterizer).
TEST(SheetGraph, EPSOfTheGraphLooksLikeTheScreen) {
  VTEST_REQUIRE(vtest::haveGhostscript(), "gs");
  VTEST_REQUIRE(vtest::haveTool("pngtopnm"), "pngtopnm (netpbm)");
  std::string dir = vtest::scratchDir("sheetgraph-eps-screen");
  vtest::RunResult r = runIn(dir, "field \"Title\" \"Damped x_1\"\ncheck \"Title above\" on\n" +
                                      epsPass("graph.eps", "screen.png") + kExitGraph);
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  vtest::Image screen, eps;
  vtest::Box box;
  ASSERT_TRUE(vtest::readPNG(dir + "/screen.png", &screen));
  ASSERT_TRUE(vtest::gsRender(dir + "/graph.eps", &eps) && vtest::epsDeclaredBox(dir + "/graph.eps", &box));
  ASSERT_GT(eps.width, 100);
  // The drawing window's content starts below the menu bar, at global (0, 22);
  // the file's y axis runs up from the content's bottom edge.
  vtest::InkMatch m = vtest::compareInk(eps, screen, int(box.llx), 768 - int(box.ury));
  EXPECT_GT(m.inked, 2000);
  EXPECT_LT(double(m.differing) / double(m.inked), 0.6) << m.differing;  // one-pixel edges everywhere
  EXPECT_LE(m.farthestA, 2);
  EXPECT_LE(m.farthestB, 2);
}

TEST(SheetGraph, HostileRunsEndWithTheirReason) {
  const std::string text(300, 'w'), save = "check \"EPS Save Graph\" on\npress \"OK\"\nsaveas \"graph.eps\"\n";
  const std::string end = "click 600 400\n" + std::string(kExitGraph);
  struct Case {
    std::string script, env, setup, says;
    int status;
  } cases[] = {
      {"key \"" + text + "\"\n", "", "", "more input than the event queue holds", 2},
      {std::string("press \"OK\"\0 x\n", 14), "", "", "a NUL byte at column 11", 2},
      {"", "VOK_SCRIPT=.", "", "cannot read the script: it is a directory", 2},
      {save + end, "TMPDIR=/nonexistent", "", "cannot create the recording file in /nonexistent", 0},
      {save + "press \"OK\"\n" + end, "TMPDIR=$PWD/t", "mkdir t && printf old >graph.eps && ulimit -f 4",
       "graph.eps: the recording could not be written: File too large", 1},
  };
  for (const Case& c : cases) {
    std::string dir = vtest::scratchDir("hostile");
    vtest::RunResult run = runIn(dir, c.script, kDamped, c.env, c.setup);
    EXPECT_EQ(run.status, c.status) << c.says << "\n" << run.err;
    EXPECT_TRUE(vtest::hasAll(run.out + run.err, {c.says}));
    std::string left = c.setup.empty() ? "old" : vtest::run("cd '" + dir + "' && ls -A t; cat graph.eps").out;
    EXPECT_EQ(left, "old");
  }
}
