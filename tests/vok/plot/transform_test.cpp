// The world-to-pixel transform and the guarded moves and lines, judged by the
// pixels they leave in the drawing port.
#include <cmath>
#include <vector>

#include "tests/vok/plot/plot_fixture.h"

using drawtest::inkBox;
using drawtest::inked;
using plottest::PlotTest;

class TransformTest : public PlotTest {};

// The default transform (100 pixels per unit from the lower left corner); its
// y mapping is measured from the bottom edge as it is now, not as it was.
TEST_F(TransformTest, RowsFollowTheBottomEdgeOfTheCurrentDrawingArea) {
  usePlain(200, 300);
  EXPECT_EQ(Plot2DTransY(1), 200);
  DisposeGWorld(world);
  world = newWorld(200, 250);
  s_UsePlainDrawingPort(world);
  EXPECT_EQ(Plot2DTransY(1), 150);
  Plot2D2P(1, 1);
  EXPECT_EQ(inkBox(world), (Rect{150, 100, 151, 101}));
}

// 10.9 pixels is column 10 and -10.9 is -10: truncation, never rounding or flooring.
TEST_F(TransformTest, PixelValuesTruncateTowardZero) {
  usePlain(100, 100);
  transform(100, 100, 0, 0);
  Plot2D2P(0.109, 1 - 0.109);  // (10.9, 10.9)
  EXPECT_EQ(inkBox(world), (Rect{10, 10, 11, 11}));
  Plot2DMoveTo(-0.109, 1.109);  // (-10.9, -10.9)
  EXPECT_EQ((std::vector<int>{world->pnLoc.h, world->pnLoc.v, Plot2DTransX(-0.109), Plot2DTransY(1.109)}),
            (std::vector<int>{-10, -10, -10, -10}));
  s_p_scale = 0.5;  // applied after the transform, before the truncation
  EXPECT_EQ(Plot2DTransX(0.219), 10);
}

TEST_F(TransformTest, NegativeScalesReverseTheAxes) {
  usePlain(300, 300);
  transform(-100, -100, 250, 250);  // x grows to the left, y downward
  Plot2DMoveTo(0, 0);
  Plot2DLineTo(1, 0);
  Plot2DLineTo(1, 1);
  EXPECT_EQ(inkBox(world), (Rect{50, 150, 151, 251}));
  EXPECT_TRUE(inked(world, 250, 50) && inked(world, 150, 150) && !inked(world, 250, 150));
  // Pixel back to world, up to the pixel the truncation cut.
  for (double x : {0.123, -1.777, 2.5}) {
    EXPECT_NEAR(Plot2DReverseX(Plot2DTransX(x)), x, 1.0 / 100) << x;
    EXPECT_NEAR(Plot2DReverseY(Plot2DTransY(x)), x, 1.0 / 100) << x;
  }
}

TEST_F(TransformTest, RegionBoundaryIsInsideAndJustBeyondIsOutside) {
  usePlain(100, 100);
  transform(1, 1, 0, 0, 0, 0);  // one pixel per unit: px = x, py = 100 - y
  Plot2DMoveTo(-1000, 50);      // on the left edge of the region
  EXPECT_EQ(s_p.lastPointInside, 1);
  Plot2DLineTo(20, 50);
  EXPECT_TRUE(inked(world, 0, 50) && inked(world, 20, 50));  // the line came in from column -1000
  // Compared before truncation.
  EXPECT_EQ((std::vector<int>{PlotPointInRegion(3000, 3000), PlotPointInRegion(3000.001, 50),
                              PlotPointInRegion(50, -1000.001), s_p.lastPointInside}),
            (std::vector<int>{1, 0, 0, 0}));
}

// A far-out vertex is dropped: the pen stays and the next accepted line starts
// at the last accepted vertex.
TEST_F(TransformTest, FarOutPointIsSkippedAndThePenStays) {
  usePlain(100, 100);
  transform(1, 1, 0, 0);
  Plot2DMoveTo(10, 90);    // (10, 10)
  Plot2DLineTo(5000, 90);  // column 5000: nothing
  EXPECT_TRUE(s_p.lastPointInside == 0 && inkCount() == 0);
  Plot2DLineTo(10, 50);  // from (10, 10) down to (10, 50)
  EXPECT_EQ(inkBox(world), (Rect{10, 10, 51, 11}));
  // Points whose pixels would overflow 16 bits, or are not numbers, never draw.
  for (double far : {70000.0 + 100, 1e300, -1e300, double(INFINITY), double(NAN)}) {
    Plot2DLineTo(far, 50);
    Plot2DLineTo(10, far);
  }
  Plot2DMoveTo(NAN, NAN);
  EXPECT_EQ(inkBox(world), (Rect{10, 10, 51, 11}));
}

// The unguarded move clamps instead of wrapping: 65636 would wrap to column 100.
TEST_F(TransformTest, UnguardedMoveToAFarPointDoesNotWrapAround) {
  usePlain(400, 100);
  transform(1, 1, 0, 0);
  SetPlot2D2I(65636, 50);
  EXPECT_EQ(world->pnLoc.h, 32767);
  Plot2DLineTo(300, 50);
  EXPECT_TRUE(inked(world, 399, 50) && inked(world, 300, 50) && !inked(world, 299, 50));
}

TEST_F(TransformTest, DotIsThePenSizeAndOnlyInsideTheRegion) {
  usePlain(100, 100);
  transform(1, 1, 0, 0);
  s_PenSize(3, 3);
  Plot2D2P(40, 60);
  EXPECT_EQ(inkBox(world), (Rect{40, 40, 43, 43}));
  s_p.region = {0, 0, 50, 50};
  Plot2D2P(60, 60);  // column 60 is outside the narrowed region
  EXPECT_EQ(inkBox(world), (Rect{40, 40, 43, 43}));
  EXPECT_EQ(world->pnLoc.h, 40);
}
