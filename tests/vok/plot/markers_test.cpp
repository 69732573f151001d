// Data markers around the pen: their pixel boxes, the region test they obey,
// where they leave the pen, and the pen reset of the two colour modes.
#include "tests/vok/plot/plot_fixture.h"
#include "vok/plot/markers.h"

using drawtest::inked;
using drawtest::inkBox;
using drawtest::sameRect;
using plottest::PlotTest;

class MarkerTest : public PlotTest {
 protected:
  void SetUp() override {
    PlotTest::SetUp();
    usePlain(200, 200);
    transform(1, 1, 0, 0);  // world (x, y) is pixel (x, 200 - y)
    Plot2DMoveTo(100, 100);
  }
  void expectPenAt(short h, short v) {
    EXPECT_EQ(world->pnLoc.h, h);
    EXPECT_EQ(world->pnLoc.v, v);
  }
};

TEST_F(MarkerTest, SquaresAndCirclesFillTheirBoxAndKeepThePen) {
  PlotRect(3);
  EXPECT_TRUE(sameRect(inkBox(world), 97, 97, 103, 103));
  EXPECT_FALSE(inked(world, 100, 100));
  PlotPaintRect(3);
  EXPECT_EQ(inkCount(), 36);
  expectPenAt(100, 100);
  EraseDrawing();
  PlotCircle(5.4);  // 94.6 and 105.4 round to 95 and 105
  EXPECT_TRUE(sameRect(inkBox(world), 95, 95, 105, 105));
  PlotPaintCircle(5.4);
  EXPECT_TRUE(inked(world, 100, 100));
  EXPECT_FALSE(inked(world, 95, 95));  // corners of the box stay clear
  expectPenAt(100, 100);
}

TEST_F(MarkerTest, CrossAndTrianglesPutThePenBack) {
  PlotCross(4);
  EXPECT_TRUE(sameRect(inkBox(world), 96, 96, 105, 105));
  EXPECT_TRUE(inked(world, 96, 100) && inked(world, 100, 96) && !inked(world, 97, 97));
  expectPenAt(100, 100);
  EraseDrawing();
  PlotTriangle(4);  // apex (100, 96), base from (96, 104) to (104, 104)
  EXPECT_TRUE(sameRect(inkBox(world), 96, 96, 105, 105));
  EXPECT_FALSE(inked(world, 100, 101));
  expectPenAt(100, 100);
  EraseDrawing();
  PlotPaintTriangle(4);
  EXPECT_TRUE(inked(world, 100, 101));
  EXPECT_TRUE(inked(world, 100, 97));
  EXPECT_FALSE(inked(world, 97, 97));
  expectPenAt(100, 100);
}

TEST_F(MarkerTest, NothingAfterAPointOutsideTheRegion) {
  Plot2DMoveTo(5000, 100);
  for (auto marker : {PlotPaintCircle, PlotCircle, PlotPaintRect, PlotRect, PlotCross, PlotPaintTriangle,
                      PlotTriangle})
    marker(3);
  EXPECT_EQ(inkCount(), 0);
  Plot2DLineTo(100, 100);  // an accepted point makes markers draw again (and draws no line: same point)
  PlotRect(3);
  EXPECT_TRUE(sameRect(inkBox(world), 97, 97, 103, 103));
}

TEST_F(MarkerTest, ZeroRadiusLeavesOnlyTheCrossPoint) {
  PlotRect(0);
  PlotPaintCircle(0);
  PlotPaintRect(0);
  EXPECT_EQ(inkCount(), 0);
  PlotCross(0);
  EXPECT_TRUE(sameRect(inkBox(world), 100, 100, 101, 101));
}

TEST_F(MarkerTest, ResetPenChangesOnlyWhatTheModeUses) {
  s_PenSize(7, 7);
  SetColorPlotOn();
  s_ForeColor(blackColor);
  ResetPen();
  EXPECT_EQ(world->pnSize.h, 7);
  RGBColor c;
  GetForeColor(&c);
  EXPECT_EQ(c.red, 0);
  EXPECT_EQ(c.green, 65535);  // green, the first panel colour
  SetColorPlotOff();
  s_ForeColor(blackColor);
  ResetPen();
  EXPECT_EQ(world->pnSize.h, 1);
  GetForeColor(&c);
  EXPECT_EQ(c.green, 0);
  SetColorPlotOn();
}

// In a buffered window the pen returns to the drawing's own point in both ports.
TEST_F(PlotTest, MarkersInABufferedWindowReturnToTheUnscaledPoint) {
  useBuffered(Rect{0, 0, 100, 100}, 2.0);
  s_MoveTo(50, 50);
  s_p.lastPointInside = 1;
  PlotCross(4);
  EXPECT_EQ(world->pnLoc.h, 50);
  EXPECT_EQ(world->pnLoc.v, 50);
  EXPECT_EQ(screen->pnLoc.h, 100);
  EXPECT_EQ(screen->pnLoc.v, 100);
  EXPECT_TRUE(inked(world, 48, 50));  // radius 4 in window pixels is 2 in the drawing
  EXPECT_FALSE(inked(world, 47, 50));
}
