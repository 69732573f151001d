// Painter's order against a depth buffer: a ridge in front of a peak is
// drawn by the surface pass and by depth_reference.py, an independent numpy
// rasteriser keeping the nearest cell per pixel from the true node values,
// from all four quadrants of angleXY (every visiting order, and with it every
// row of the corner table). The two may differ only along cell edges.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "tests/support/ghostscript.h"
#include "tests/support/test_drawing.h"
#include "tests/vok/plot/plot_fixture.h"

namespace {
const short kSize = 600;

double ridgeAndPeak(double x, double y) {
  return 1.6 * std::exp(-((x - 0.6) * (x - 0.6) + (y - 0.65) * (y - 0.65)) / 0.03) +
         0.9 * std::exp(-(y - 0.3) * (y - 0.3) / 0.01) + 0.5 * std::exp(-(x - 0.3) * (x - 0.3) / 0.01);
}

class Surface : public plottest::PlotTest, public ::testing::WithParamInterface<double> {
 protected:
  SG3DView view = {};
  std::string dir = vtest::scratchDir("surface");
  void SetUp() override {
    PlotTest::SetUp();
    s_g3d = s_g3dDefaults;
    G3DSettings& g = s_g3d;
    // 1/16 is exact: both anchorings of the cells give the same cells.
    g.function = ridgeAndPeak, g.useResolution = 0, g.gridLines = 0, g.xIncrement = 0.0625;
    g.xWidth = g.yWidth = 320, g.funcScale = 150, g.angleXY = GetParam(), g.angleZ = 35;
    usePlain(kSize, kSize);
  }
  void TearDown() override { FreeArrayDouble1(view.row), PlotTest::TearDown(); }
  void draw(bool rowsFrontToBack = false) {
    EraseDrawing();
    s_ForeColor(blackColor);  // as every pass of the loop leaves it
    SG3DSetting(&view);
    SG3DMakeArray(&view);
    if (rowsFrontToBack) {  // what the comparison must catch: y mirrored on [0, 1]
      view.yStart = 1 - s_g3d.yIncrement - view.yStart, view.yEnd = 1 - s_g3d.yIncrement - view.yEnd;
      view.yStep = -view.yStep, view.yDir = -view.yDir;
    }
    SG3DDrawCells(&view);
  }
  // Pixels of ours with no reference pixel within two that `fits`: edges
  // move by a pixel or two between the two rasterisers, a cell painted out
  // of order shows over its whole inside.
  template <typename Fits>
  int unexplained(const char* mode, Fits fits) {
    const G3DSettings& g = s_g3d;
    std::ofstream(dir + "/params") << "width 600\nheight 600\nangles " << g.angleXY << " " << g.angleZ << "\nscales "
                                   << g.xScale << " " << g.yScale << " " << g.funcScale << "\nposition 300 350\n"
                                   << "cells 0.0625 0.0625\nlight " << g.lightVector[0] << " " << g.lightVector[1]
                                   << " " << g.lightVector[2] << "\nlightRGB 100 100 100\nshadowRGB 0 0 0\n";
    std::ofstream nodes(dir + "/nodes");
    for (int i = 0; i <= 16; ++i, nodes << "\n")
      for (int j = 0; j <= 16; ++j) nodes << ridgeAndPeak(i / 16.0, j / 16.0) << " ";
    nodes.close();
    vtest::Image ref;
    EXPECT_EQ(vtest::run("/usr/bin/python3 " + vtest::sourceDir() + "/tests/vok/surface/depth_reference.py " + dir +
                         "/params " + dir + "/nodes " + mode + " " + dir + "/ref.ppm").status, 0);
    if (!vtest::readPPM(dir + "/ref.ppm", &ref) || !vtest::writeDrawingPPM(dir + "/ours.ppm")) return -1;
    int count = 0;
    auto near = [](int at, int d) { return std::clamp(at + d % 5 - 2, 0, kSize - 1); };  // across the 5 x 5 around
    for (int p = 0, ok = 0; p < kSize * kSize; ++p, count += !ok, ok = 0)
      for (int d = 0; d < 25 && !ok; ++d)
        ok = fits(drawtest::pixel(world, p % kSize, p / kSize), ref.at(near(p % kSize, d), near(p / kSize, d / 5)));
    return count;
  }
};

bool sameShade(uint32_t ours, uint32_t ref) {
  return std::abs(int(ours & 255) - int(ref & 255)) <= 2 && (ours & 255) * 0x010101 == ours;  // greys
}
bool blackOnVisibleEdge(uint32_t ours, uint32_t edges) { return (ours & 0xFFFFFF) != 0 || (edges & 0xFFFFFF) == 0; }
}  // namespace

// Shaded, then black and white (erased cells outlined: a hidden-line drawing).
TEST_P(Surface, HidingMatchesADepthBufferedRendering) {
  VTEST_REQUIRE(vtest::run("/usr/bin/python3 -c 'import numpy'").status == 0, "python3-numpy");
  draw();
  // Cells seen edge-on can be thinner than a pixel: the polygon filler paints
  // a few of their pixels where the depth buffer's centre samples miss them.
  EXPECT_LE(unexplained("shade", sameShade), 20) << "files in " << dir;
  draw(true);
  EXPECT_GT(unexplained("shade", sameShade), 500);
  s_g3d.color = 0;
  draw();
  EXPECT_EQ(unexplained("edges", blackOnVisibleEdge), 0) << "files in " << dir;
  draw(true);
  EXPECT_GT(unexplained("edges", blackOnVisibleEdge), 100);
}

INSTANTIATE_TEST_SUITE_P(AllVisitingOrders, Surface, ::testing::Values(30.0, 120.0, 210.0, 300.0));
