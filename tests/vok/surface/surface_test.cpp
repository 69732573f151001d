// The surface pass in process: which cells are visited in which order, the
// corner values each cell receives, the light's incidence, colour
// procedures, and the box with its numbers and titles.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "tests/vok/surface/surface_fixture.h"

namespace {
// Node (i, j) of a grid of 1/8 steps has the value 9 i + j: corner values
// name their node.
double nodeId(double x, double y) { return 9 * (8 * x) + 8 * y; }
double flat(double, double) { return 0; }

struct Cell {
  double z00, z01, z11, z10;
};
std::vector<Cell>& cells() {
  static std::vector<Cell> c;
  return c;
}
int& calls() {
  static int n = 0;
  return n;
}
double countedNodeId(double x, double y) {
  ++calls();
  return nodeId(x, y);
}
int32_t recordCell(double z00, double z01, double z11, double z10) {
  cells().push_back({z00, z01, z11, z10});
  SetRGBColor(100, 0, 0);
  return 1;
}
int32_t shadeItself(double, double, double, double) { return 0; }

class Surface : public surfacetest::SurfaceTest {
 protected:
  void SetUp() override {
    SurfaceTest::SetUp();
    cells().clear();
    calls() = 0;
  }
  // Cells of 1/8 on [0, 1] squared.
  static void eighths() {
    s_g3d.useResolution = 0;
    s_g3d.xIncrement = s_g3d.yIncrement = 0.125;
  }
};
}  // namespace

// All four visiting orders: every cell once, farthest first, each corner
// from the right node although three of the four are carried over.
TEST_F(Surface, EveryViewVisitsEachCellOnceWithItsOwnCorners) {
  struct Case {
    double angleXY;
    int xDir, yDir;
  };
  for (Case c : {Case{30, -1, -1}, Case{0, 1, -1}, Case{120, -1, 1}, Case{210, 1, 1}, Case{300, 1, -1}}) {
    s_g3d = s_g3dDefaults;
    cells().clear();
    calls() = 0;
    eighths();
    s_g3d.angleXY = c.angleXY;
    s_g3d.function = countedNodeId;
    s_g3d.colorFunction = recordCell;
    drawSurface(600, 600);
    EXPECT_EQ(view.xDir, c.xDir) << c.angleXY;
    EXPECT_EQ(view.yDir, c.yDir) << c.angleXY;
    ASSERT_EQ(cells().size(), 64u) << c.angleXY;
    std::set<double> seen;
    for (const Cell& cell : cells()) {
      seen.insert(cell.z00);
      EXPECT_EQ(cell.z01, cell.z00 + 1) << c.angleXY;
      EXPECT_EQ(cell.z10, cell.z00 + 9) << c.angleXY;
      EXPECT_EQ(cell.z11, cell.z00 + 10) << c.angleXY;
    }
    EXPECT_EQ(seen.size(), 64u) << c.angleXY;
    // Painter's order: the first cell is the far corner, the second its neighbour along x.
    double farX = c.xDir < 0 ? 7 : 0, farY = c.yDir < 0 ? 7 : 0;
    EXPECT_EQ(cells()[0].z00, 9 * farX + farY) << c.angleXY;
    EXPECT_EQ(cells()[1].z00, 9 * (farX + c.xDir) + farY) << c.angleXY;
    EXPECT_LE(calls(), 81 + 2 * 8) << "about one evaluation per node";
  }
}

TEST_F(Surface, DefaultsDrawSixtyBySixtyCellsOfFivePixels) {
  s_g3d.function = nodeId;
  s_g3d.colorFunction = recordCell;
  drawSurface(600, 600);
  EXPECT_DOUBLE_EQ(s_g3d.xIncrement, 5.0 / 300);
  EXPECT_DOUBLE_EQ(s_g3d.yIncrement, 5.0 / 300);
  EXPECT_EQ(cells().size(), 3600u);
}

TEST_F(Surface, IncidenceOfTheLight) {
  s_g3d.useResolution = 0;
  SG3DSetting(&view);
  EXPECT_NEAR(SG3DIncidence(0, 0, 1, 1, 1, 1), std::cos(10 * M_PI / 180), 1e-12) << "flat cell, default light";
  // A cell rising towards +x (its upward normal leans to -x), lit from -x and from +x.
  s_g3d.lightXYAngle = 180, s_g3d.lightZAngle = 45;
  SG3DSetting(&view);
  double fromMinusX = SG3DIncidence(0, 0, 0, 0, 0.01, 0.01);
  s_g3d.lightXYAngle = 0;
  SG3DSetting(&view);
  double fromPlusX = SG3DIncidence(0, 0, 0, 0, 0.01, 0.01);
  EXPECT_GT(fromMinusX, fromPlusX + 0.3);
  s_g3d.lightZAngle = 180;  // from below
  SG3DSetting(&view);
  EXPECT_EQ(SG3DIncidence(0, 0, 1, 1, 1, 1), 0.0);
}

// A procedure that sets the colour keeps it; one that declines gets the shade.
TEST_F(Surface, ColourProcedureOrShading) {
  eighths();
  s_g3d.gridLines = 0;
  s_g3d.function = flat;
  s_g3d.colorFunction = recordCell;
  drawSurface(600, 600);
  std::set<uint32_t> colours;
  for (int v = 0; v < 600; ++v)
    for (int h = 0; h < 600; ++h) colours.insert(drawtest::pixel(world, h, v));
  EXPECT_EQ(colours, (std::set<uint32_t>{0xFF0000, 0xFFFFFF}));

  s_g3d.colorFunction = shadeItself;
  drawSurface(600, 600);
  uint32_t centre = drawtest::pixel(world, 300, 350);
  uint32_t grey = uint32_t(std::trunc(std::cos(10 * M_PI / 180) * 65535)) >> 8;
  EXPECT_EQ(centre, grey * 0x010101u) << "a flat cell in the default light";
}

// Numbers at the axis start (minimum) and end (maximum) offset by the
// number offsets, the title by the label offsets, all at the label size.
TEST_F(Surface, BoxNumbersAndTitlesSitAtTheAxisEnds) {
  window(600, 600);
  SG3DSetting(&view);
  TextSize(9);
  s_ForeColor(blackColor);
  SG3DFrame(&view);
  auto at = [&](double x, double y, double z, int dx, int dy) {
    return std::make_pair(int(SG3DX(x, y, &view)) + dx, int(SG3DY(x, y, z, &view)) + dy);
  };
  const graphtest::TextCall* xMin = find("0.0");
  const graphtest::TextCall* xMax = find("1.0");
  const graphtest::TextCall* xTitle = find("x");
  ASSERT_TRUE(xMin && xMax && xTitle);
  EXPECT_EQ(std::make_pair(int(xMin->h), int(xMin->v)), at(0, 0, 0, 10, 6));
  EXPECT_EQ(std::make_pair(int(xMax->h), int(xMax->v)), at(1, 0, 0, 10, 6));
  EXPECT_EQ(std::make_pair(int(xTitle->h), int(xTitle->v)), at(1, 0, 0, 5, 15));
  EXPECT_EQ(xMin->size, 12);
  const graphtest::TextCall* fMax = find("3.0");
  ASSERT_TRUE(fMax);
  EXPECT_EQ(std::make_pair(int(fMax->h), int(fMax->v)), at(0, 0, 3, -25, -6));
  EXPECT_EQ(GetPortTextSize(world), 12) << "the box leaves size 12";

  // "Show X Min" off takes only that number away; "Show Axis" off draws nothing.
  s_g3d.showXMin = 0;
  graphtest::texts().clear();
  SG3DFrame(&view);
  EXPECT_EQ(allTexts(), (std::vector<std::string>{"1.0", "x", "0.0", "1.0", "y", "0.0", "3.0", "f"}));
}

TEST_F(Surface, ArrowHeadsAtTheFarEnds) {
  s_g3d.showXLabel = s_g3d.showXMax = 0;
  window(600, 600);
  SG3DSetting(&view);
  SG3DFrame(&view);
  int h = int(SG3DX(1, 0, &view)), v = int(SG3DY(1, 0, 0, &view));
  int plain = inkIn(h - 8, v - 8, h + 8, v + 8);
  s_g3d.arrow = 1;
  SG3DFrame(&view);
  EXPECT_GT(inkIn(h - 8, v - 8, h + 8, v + 8), plain + 10);
}
