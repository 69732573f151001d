// contourgraph end to end, driven by scripts: its EPS rendered by
// Ghostscript against the screen, a height label, hostile grid files; and a calculation program with contour functions
// of its own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/ghostscript.h"
#include "tests/support/headless.h"

namespace {
std::string program() { return vtest::programPath("contourgraph"); }
std::string grid() { return "'" + vtest::sourceDir() + "/examples/grid.tsv'"; }
bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
const std::string kExit = "check \"Exit Graph\" on\npress \"OK\"\n";

std::string savedPass(const std::string& eps, const std::string& png = "") {
  return "check \"EPS Save Graph\" on\npress \"OK\"\nsaveas \"" + eps + "\"\n" +
         (png.empty() ? "" : "snapshot \"" + png + "\"\n") + "click 900 400\ncheck \"EPS Save Graph\" off\n";
}
}  // namespace

// A 600 x 600 frame 80 from the left and 50 above the bottom of the 746
// pixels below the menu bar: the grid's (0, 0), where f is 1, is at (380, 418).
TEST(ContourGraph, EPSRendersAsTheScreenShowsItWithAHeightLabel) {
  std::string dir = vtest::scratchDir("contourgraph-render");
  std::string script = "field \"Width\" 600\nfield \"Height\" 600\ncheck \"Paint Negative Region\" on\n" +
                       savedPass("before.eps") + "press \"New Label\"\nclick 380 418\nclick 900 400\n" +
                       savedPass("after.eps", "screen.png") + kExit;
  vtest::RunResult r = vtest::runHeadlessIn(dir, program(), script, {"", grid()});
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  vtest::expectGoodEPS(dir + "/after.eps");
  const char* label = "372 400 moveto\n1 -1 scale\n(1.00) show";  // 8 left of and 4 below the click
  EXPECT_TRUE(has(vtest::readFile(dir + "/after.eps"), label) && !has(vtest::readFile(dir + "/before.eps"), label));

  VTEST_REQUIRE(vtest::haveGhostscript() && vtest::haveTool("pngtopnm"), "gs and pngtopnm");
  vtest::Image gs, screen;
  vtest::Box box;
  ASSERT_TRUE(vtest::gsRender(dir + "/after.eps", &gs));
  ASSERT_EQ(std::system(("pngtopnm '" + dir + "/screen.png' > '" + dir + "/screen.ppm'").c_str()), 0);
  ASSERT_TRUE(vtest::readPPM(dir + "/screen.ppm", &screen) && vtest::epsDeclaredBox(dir + "/after.eps", &box));
  int left = int(box.llx), top = 22 + 746 - int(box.ury);
  ASSERT_TRUE(left + gs.width <= screen.width && top + gs.height <= screen.height);
  long differing = 0, inked = 0, all = long(gs.width) * gs.height;
  for (int y = 0; y < gs.height; ++y)
    for (int x = 0; x < gs.width; ++x) {
      bool a = (gs.at(x, y) & 0xFF) < 128, b = (screen.at(left + x, top + y) & 0xFF) < 128;
      differing += a != b, inked += a;
    }
  EXPECT_GT(inked, all / 10) << "shading and lines are drawn";
  EXPECT_LT(double(differing) / double(all), 0.04) << differing;  // one-pixel edges and glyph rasters
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
    vtest::RunResult r =
        vtest::runHeadlessIn(dir, program(), "cancel\n" + savedPass(c.name + std::string(".eps")) + kExit, {"", c.name});
    EXPECT_EQ(r.status, 1) << c.name << r.out << r.err;  // the run goes on, and fails
    EXPECT_TRUE(has(r.err, c.name) && has(r.err, c.message)) << c.name << ": " << r.err;
    vtest::expectGoodEPS(dir + "/" + c.name + ".eps");
  }
}

// Two functions installed by the program; unticking "Plot f2" drops the ripple.
TEST(ContourGraph, CalculationProgramWithItsOwnFunctions) {
  std::string dir = vtest::scratchDir("contour-functions"), script = savedPass("both.eps") + "check \"Plot f2\" off\n";
  vtest::RunResult r =
      vtest::runHeadlessIn(dir, vtest::programPath("contour_functions", true), script + savedPass("one.eps") + kExit);
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  std::string both = vtest::readFile(dir + "/both.eps"), one = vtest::readFile(dir + "/one.eps");
  EXPECT_TRUE(has(one, "(0.25)") && both.size() > one.size() + one.size() / 4);
}
