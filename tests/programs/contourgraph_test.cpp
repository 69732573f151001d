// contourgraph end to end: the real program on grid files, driven by
// scripts; its EPS read and rendered by Ghostscript and compared with the
// screen; hostile grid files; and a calculation program with its own
// contour functions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "tests/support/ghostscript.h"
#include "tests/support/paths.h"
#include "tests/support/programs.h"

namespace {
std::string program() { return vtest::programPath("contourgraph"); }
std::string examples() { return vtest::sourceDir() + "/examples"; }
bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const char* kExit = "check \"Exit Graph\" on\npress \"OK\"\n";
// Frame 600 x 600 with its lower left corner 80 from the left and 50 above
// the bottom of the 1024 x 746 drawing area below the menu bar.
const char* kFrame = "field \"Width\" 600\nfield \"Height\" 600\n";
const int kMenuBar = 22, kAreaHeight = 746;

// A pass saved as EPS to `eps`, with a snapshot of the screen.
std::string savedPass(const std::string& eps, const std::string& png = "") {
  return "check \"EPS Save Graph\" on\npress \"OK\"\nsaveas \"" + eps + "\"\n" +
         (png.empty() ? "" : "snapshot \"" + png + "\"\n") + "click 900 400\ncheck \"EPS Save Graph\" off\n";
}

int countOf(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

bool ink(uint32_t rgb) { return (rgb & 0xFF) < 128; }
}  // namespace

// The demo's grid with shading, level numbers and a height label: the EPS
// renders as the screen shows it, and the label is in the file.
TEST(ContourGraph, EPSRendersAsTheScreenShowsItWithAHeightLabel) {
  std::string dir = vtest::scratchDir("contourgraph-render");
  vtest::RunResult r = vtest::runProgramIn(program(), dir,
                                           std::string(kFrame) + "check \"Paint Negative Region\" on\n" +
                                               savedPass("before.eps") +
                                               "press \"New Label\"\nclick 380 418\nclick 900 400\n" +
                                               savedPass("after.eps", "screen.png") + kExit,
                                           "'" + examples() + "/grid.tsv'");
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  vtest::expectGoodEPS(dir + "/after.eps");
  // The label at (0, 0), where the grid's value is 1: one more "(1.00)".
  std::string before = vtest::readFile(dir + "/before.eps"), after = vtest::readFile(dir + "/after.eps");
  EXPECT_EQ(countOf(after, "(1.00)"), countOf(before, "(1.00)") + 1);

  VTEST_REQUIRE(vtest::haveGhostscript() && vtest::haveTool("pngtopnm"), "gs and pngtopnm");
  vtest::Image gs, screen;
  std::string log;
  ASSERT_TRUE(vtest::gsRender(dir + "/after.eps", &gs, &log)) << log;
  ASSERT_EQ(std::system(("pngtopnm '" + dir + "/screen.png' > '" + dir + "/screen.ppm'").c_str()), 0);
  ASSERT_TRUE(vtest::readPPM(dir + "/screen.ppm", &screen));
  vtest::Box box;
  ASSERT_TRUE(vtest::epsDeclaredBox(dir + "/after.eps", &box));
  int left = int(box.llx), top = kMenuBar + kAreaHeight - int(box.ury);
  ASSERT_LE(left + gs.width, screen.width);
  ASSERT_LE(top + gs.height, screen.height);
  long differing = 0, inked = 0;
  for (int y = 0; y < gs.height; ++y)
    for (int x = 0; x < gs.width; ++x) {
      bool a = ink(gs.at(x, y)), b = ink(screen.at(left + x, top + y));
      differing += a != b;
      inked += a;
    }
  double share = double(differing) / double(gs.width * gs.height);
  std::printf("contourgraph EPS vs screen: %ld of %d pixels differ (%.2f%%), %ld inked\n", differing,
              gs.width * gs.height, 100 * share, inked);
  EXPECT_GT(inked, gs.width * gs.height / 10) << "shading and lines are drawn";
  EXPECT_LT(share, 0.04);  // one-pixel edges and glyph rasters
}

// "Load New Data" with the same columns draws the new file's grid in its
// own frame, not the old grid.
TEST(ContourGraph, LoadNewDataRebuildsTheGrid) {
  std::string dir = vtest::scratchDir("contourgraph-reload");
  std::string rows = "x\ty\tf\n";
  for (int i = 0; i <= 10; ++i)
    for (int j = 0; j <= 10; ++j) rows += std::to_string(10 + i) + "\t" + std::to_string(j) + "\t" +
                                          std::to_string(0.1 * (i - 15)) + "\n";
  vtest::writeFile(dir + "/second.tsv", rows);
  vtest::RunResult r = vtest::runProgramIn(program(), dir,
                                           savedPass("first.eps") + "press \"Load New Data\"\nchoose \"second.tsv\"\n" +
                                               savedPass("second.eps") + kExit,
                                           "'" + examples() + "/grid.tsv'");
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  vtest::expectGoodEPS(dir + "/second.eps");
  std::string second = vtest::readFile(dir + "/second.eps");
  EXPECT_TRUE(has(second, "(10.0)")) << "the new frame starts at x = 10";
  EXPECT_TRUE(has(second, "(20.0)"));
  EXPECT_TRUE(has(second, "(-1.00)")) << "a level only the new values reach is numbered";
}

// Files that cannot make a grid: a message naming the file and what is
// wrong, no crash, no hang, and a frame still drawn.
TEST(ContourGraph, HostileGridFiles) {
  std::string dir = vtest::scratchDir("contourgraph-hostile");
  std::string onePoint = "x\ty\tf\n";
  for (int i = 0; i < 1000000; ++i) onePoint += "1\t2\t3\n";
  struct Case {
    const char* name;
    std::string text, message;
  } cases[] = {
      {"noheader.tsv", "\t\n1\t2\t3\n", "has no header line"},
      {"onecolumn.tsv", "x\n1\n2\n", "column 2 does not exist"},
      {"flat.tsv", "x\ty\tf\n1\t0\t5\n1\t1\t6\n", "the x column (column 1)"},
      {"onepoint.tsv", onePoint, "has a single value"},
      {"huge.tsv", "x\ty\tf\n-1e308\t0\t1\n1e308\t1\t2\n", "spans too wide a range"},
      {"sparse.tsv", "x\ty\tf\n0\t0\t1\n1e-6\t0\t1\n1e3\t1e-6\t1\n0\t1e3\t1\n", "the rows do not form a grid"},
  };
  for (const Case& c : cases) {
    vtest::writeFile(dir + "/" + c.name, c.text);
    // The alert first, then a pass.
    vtest::RunResult r = vtest::runProgramIn(program(), dir, "cancel\n" + savedPass("bad.eps") + kExit, c.name);
    EXPECT_EQ(r.status, 0) << c.name << r.out << r.err;
    EXPECT_TRUE(has(r.err, c.name)) << c.name << ": " << r.err;
    EXPECT_TRUE(has(r.err, c.message)) << c.name << ": " << r.err;
    vtest::expectGoodEPS(dir + "/bad.eps");
    std::remove((dir + "/bad.eps").c_str());
  }

  // NaN cells are skipped: the rest of the grid is drawn.
  vtest::writeFile(dir + "/nan.tsv", "x\ty\tf\n0\t0\tnan\n1\t0\t1\n0\t1\t-1\n1\t1\t2\n");
  vtest::RunResult r = vtest::runProgramIn(program(), dir, savedPass("nan.eps") + kExit, "nan.tsv");
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_FALSE(has(r.err, "alert")) << r.err;
  vtest::expectGoodEPS(dir + "/nan.eps");
}

// A calculation program installs two functions of its own; both are drawn,
// with level numbers, and it leaves when the user does.
TEST(ContourGraph, CalculationProgramWithItsOwnFunctions) {
  std::string dir = vtest::scratchDir("contour-functions");
  std::string exe = vtest::programPath("contour_functions", true);
  vtest::RunResult r = vtest::runProgramIn(exe, dir, savedPass("both.eps") + "check \"Plot f2\" off\n" +
                                                         savedPass("saddle.eps") + kExit);
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  vtest::expectGoodEPS(dir + "/both.eps");
  std::string both = vtest::readFile(dir + "/both.eps"), saddle = vtest::readFile(dir + "/saddle.eps");
  EXPECT_TRUE(has(saddle, "(-0.25)") || has(saddle, "(0.25)")) << "level numbers";
  EXPECT_GT(both.size(), saddle.size() + saddle.size() / 4) << "the ripple adds its lines";
}
