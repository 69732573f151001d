// contourgraph end to end, driven by scripts: a height label in its EPS,
// hostile grid files; and a calculation program with contour functions of
// its own.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/headless.h"
#include "tests/support/vok_expect.h"
#include "tests/support/ghostscript.h"
#include "tests/support/vok_scripts.h"

namespace {
using vtest::has;
using vtest::kExitGraph;
std::string program() { return vtest::programPath("contourgraph"); }
std::string savedPass(const std::string& eps) { return vtest::epsPass(eps, "", "900 400"); }
}  // namespace

// A 600 x 600 frame 80 from the left and 50 above the bottom of the 746
// pixels below the menu bar: the grid's (0, 0), where f is 1, is at (380, 418).
// (The file's shaded polygons against the screen: EPSGhostscriptTest, and
// whole graphs in SheetGraph and SurfaceGraph.)
TEST(ContourGraph, EPSHasTheHeightLabelAtTheClick) {
  std::string dir = vtest::scratchDir("contourgraph-render");
  std::string script = "field \"Width\" 600\nfield \"Height\" 600\ncheck \"Paint Negative Region\" on\n" +
                       savedPass("before.eps") + "press \"New Label\"\nclick 380 418\nclick 900 400\n" +
                       savedPass("after.eps") + kExitGraph;
  vtest::RunResult r =
      vtest::runHeadlessIn(dir, program(), script, {"", "'" + vtest::sourceDir() + "/examples/grid.tsv'"});
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  vtest::expectGoodEPS(dir + "/after.eps");
  const char* label = "372 400 moveto\n1 -1 scale\n(1.00) show";  // 8 left of and 4 below the click
  EXPECT_TRUE(has(vtest::readFile(dir + "/after.eps"), label) && !has(vtest::readFile(dir + "/before.eps"), label));
}

// A message naming the file and what is wrong (after the alert, a pass).
TEST(ContourGraph, HostileGridFiles) {
  std::string dir = vtest::scratchDir("contourgraph-hostile"), onePoint = "x\ty\tf\n";
  for (int i = 0; i < 1000000; ++i) onePoint += "1\t2\t3\n";
  struct Case {
    const char* name;
    std::string text, message;
  } cases[] = {
      {"onecolumn.tsv", "x\n1\n2\n", "column 2 does not exist"},
      {"flat.tsv", "x\ty\tf\n1\t0\t5\n1\t1\t6\n", "the x column (column 1)"},
      {"onepoint.tsv", onePoint, "has a single value"},
      {"huge.tsv", "x\ty\tf\n-1e308\t0\t1\n1e308\t1\t2\n", "spans too wide a range"},
      {"sparse.tsv", "x\ty\tf\n0\t0\t1\n1e-6\t0\t1\n1e3\t1e-6\t1\n0\t1e3\t1\n", "the rows do not form a grid"},
  };
  for (const Case& c : cases) {
    vtest::writeFile(dir + "/" + c.name, c.text);
    std::string eps = c.name + std::string(".eps");
    vtest::RunResult r = vtest::runHeadlessIn(dir, program(), "cancel\n" + savedPass(eps) + kExitGraph, {"", c.name});
    EXPECT_EQ(r.status, 1) << c.name << r.out;  // the run goes on, and fails
    EXPECT_TRUE(vtest::hasAll(r.err, {c.name, c.message}));
    vtest::expectGoodEPS(dir + "/" + eps);
  }
}

// Two functions installed by the program; unticking "Plot f2" drops the ripple.
TEST(ContourGraph, CalculationProgramWithItsOwnFunctions) {
  std::string dir = vtest::scratchDir("contour-functions"), script = savedPass("both.eps") + "check \"Plot f2\" off\n";
  vtest::RunResult r = vtest::runHeadlessIn(dir, vtest::programPath("contour_functions", true),
                                            script + savedPass("one.eps") + kExitGraph);
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  std::string both = vtest::readFile(dir + "/both.eps"), one = vtest::readFile(dir + "/one.eps");
  EXPECT_TRUE(has(one, "(0.25)") && both.size() > one.size() + one.size() / 4);
}
