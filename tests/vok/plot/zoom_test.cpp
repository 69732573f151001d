// "Magnify" by a scripted mouse drag in a started program (plain and buffered
// drawing window) must show exactly the world rectangle under the drag;
// "Shrink Half" halves the scales. Both erase the drawing, a bare click and
// an unusable factor leave transform and drawing alone.
#include <cmath>

#include "tests/support/headless.h"
#include "tests/vok/plot/plot_fixture.h"

using drawtest::inked;
using plottest::PlotTest;

// World (0, 0) sits at pixel (50, 250) of the 400 x 300 window at global
// (100, 100), 100 pixels per unit: the drag from local (50, 50) to (150, 200)
// covers x 0 ... 1 and y 0.5 ... 2.
TEST(Magnify, DragShowsTheWorldRectangleUnderIt) {
  const struct {
    const char *name, *script, *steps, *report;
  } cases[] = {
      // A second, bare click selects nothing: same transform, picture kept.
      {"magnify-plain", "drag 150 150 250 300\nclick 300 300\n", "plain enlarge enlarge",
       "enlarge x 0.0000 1.0000 y 0.5000 2.0000 w 400.0000 200.0000 erased 1\n"
       "enlarge x 0.0000 1.0000 y 0.5000 2.0000 w 400.0000 200.0000 erased 0\n"},
      // In buffered mode the window is the drawing scaled by 2 at global (200, 200):
      // the same drag in window pixels selects the same world rectangle. With Shift
      // the rectangle keeps the window's proportions (height = width x 300 / 400).
      {"magnify-buffered", "drag 300 300 500 600\ndrag 300 300 500 350 shift\n", "buffered enlarge enlarge",
       "enlarge x 0.0000 1.0000 y 0.5000 2.0000 w 400.0000 200.0000 erased 1\n"
       "enlarge x 0.1250 0.3750 y 1.3750 1.7500 w 1600.0000 800.0000 erased 1\n"},
      // A drag from right to left over a reversed axis keeps the axis reversed:
      // the window then runs from x 3 on the left to x 2 on the right; shrink halves.
      {"magnify-reversed", "drag 250 150 150 300\n", "plain reverse enlarge shrink",
       "enlarge x 3.0000 2.0000 y 0.5000 2.0000 w -400.0000 200.0000 erased 1\n"
       "shrink x 3.5000 1.5000 y -0.2500 2.7500 w -200.0000 100.0000 erased 1\n"},
  };
  for (const auto& c : cases) {  // frame_prog reports on standard error
    auto r = vtest::runHeadless(c.name, "frame_prog", c.script, {"VOK_SCREEN=1200x1000 VOK_TEST_MODE=zoom", c.steps}).result;
    EXPECT_EQ(r.status, 0) << c.name << r.err << r.out;
    EXPECT_EQ(r.err, c.report) << c.name;
  }
}

class ShrinkTest : public PlotTest {};

// Factors that would make a scale zero, infinite or not a number are refused.
TEST_F(ShrinkTest, UnusableFactorsChangeNothing) {
  usePlain(100, 100);
  transform(80, 60, 0, 0);
  s_MoveTo(10, 10);
  s_LineTo(20, 10);
  for (double f : {0.0, -0.0, -2.0, double(NAN), double(INFINITY), 1e-320}) ShrinkPlot2D(f);
  EXPECT_TRUE(s_wx == 80 && s_wy == 60 && inked(world, 15, 10));
}
