// Data markers around the pen: their pixel boxes, the region test they obey,
// where they leave the pen, and the pen reset of the two colour modes.
#include "vok/plot/markers.h"

#include <vector>

#include "tests/vok/plot/plot_fixture.h"

using drawtest::inkBox;
using drawtest::inked;
using plottest::PlotTest;

class MarkerTest : public PlotTest {
 protected:
  void SetUp() override {
    PlotTest::SetUp();
    usePlain(200, 200);
    transform(1, 1, 0, 0);  // world (x, y) is pixel (x, 200 - y)
    Plot2DMoveTo(100, 100);
  }
};

// Each marker alone at (100, 100): its ink box, pixels that must be inked and
// pixels that must stay clear; the pen is back at the point every time.
TEST_F(MarkerTest, EachMarkerFillsItsBoxAndPutsThePenBack) {
  struct P {
    short h, v;
  };
  const struct {
    void (*marker)(double);
    double radius;
    Rect box;  // an empty box: nothing drawn
    std::vector<P> inked, clear;
  } cases[] = {
      {PlotRect, 3, {97, 97, 103, 103}, {{97, 100}}, {{100, 100}}},
      {PlotPaintRect, 3, {97, 97, 103, 103}, {{100, 100}, {97, 97}}, {}},
      {PlotCircle, 5.4, {95, 95, 105, 105}, {}, {{100, 100}}},               // 94.6 and 105.4 round to 95 and 105
      {PlotPaintCircle, 5.4, {95, 95, 105, 105}, {{100, 100}}, {{95, 95}}},  // the box's corners stay clear
      {PlotCross, 4, {96, 96, 105, 105}, {{96, 100}, {100, 96}}, {{97, 97}}},
      {PlotTriangle, 4, {96, 96, 105, 105}, {}, {{100, 101}}},  // apex (100, 96), base at row 104
      {PlotPaintTriangle, 4, {97, 97, 104, 104}, {{100, 101}, {100, 97}}, {{97, 97}}},  // inside the outline
      {PlotRect, 0, {0, 0, 0, 0}, {}, {}},
      {PlotPaintCircle, 0, {0, 0, 0, 0}, {}, {}},
      {PlotPaintRect, 0, {0, 0, 0, 0}, {}, {}},
      {PlotCross, 0, {100, 100, 101, 101}, {}, {}},  // only the point itself
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    EraseDrawing();
    c.marker(c.radius);
    EXPECT_EQ(inkBox(world), c.box);
    for (P p : c.inked) EXPECT_TRUE(inked(world, p.h, p.v)) << p.h << "," << p.v;
    for (P p : c.clear) EXPECT_FALSE(inked(world, p.h, p.v)) << p.h << "," << p.v;
    EXPECT_TRUE(world->pnLoc.h == 100 && world->pnLoc.v == 100);
  }
}

TEST_F(MarkerTest, NothingAfterAPointOutsideTheRegion) {
  Plot2DMoveTo(5000, 100);
  for (auto marker : {PlotPaintCircle, PlotCircle, PlotPaintRect, PlotRect, PlotCross, PlotPaintTriangle, PlotTriangle})
    marker(3);
  EXPECT_EQ(inkCount(), 0);
  Plot2DLineTo(100, 100);  // an accepted point makes markers draw again (and draws no line: same point)
  PlotRect(3);
  EXPECT_EQ(inkBox(world), (Rect{97, 97, 103, 103}));
}

TEST_F(MarkerTest, ResetPenChangesOnlyWhatTheModeUses) {
  s_PenSize(7, 7);
  SetColorPlotOn();
  s_ForeColor(blackColor);
  ResetPen();
  RGBColor c;
  GetForeColor(&c);
  EXPECT_TRUE(world->pnSize.h == 7 && c.red == 0 && c.green == 65535);  // green, the first panel colour
  SetColorPlotOff();
  s_ForeColor(blackColor);
  ResetPen();
  GetForeColor(&c);
  EXPECT_TRUE(world->pnSize.h == 1 && c.green == 0);
  SetColorPlotOn();
}

// In a buffered window the pen returns to the drawing's own point in both ports.
TEST_F(PlotTest, MarkersInABufferedWindowReturnToTheUnscaledPoint) {
  useBuffered(Rect{0, 0, 100, 100}, 2.0);
  s_MoveTo(50, 50);
  s_p.lastPointInside = 1;
  PlotCross(4);
  EXPECT_TRUE(world->pnLoc.h == 50 && world->pnLoc.v == 50 && screen->pnLoc.h == 100 && screen->pnLoc.v == 100);
  EXPECT_TRUE(inked(world, 48, 50) && !inked(world, 47, 50));  // radius 4 in window pixels is 2 in the drawing
}
