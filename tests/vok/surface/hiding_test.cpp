// Painter's order against a depth buffer: a ridge in front of a peak, seen
// from all four quadrants of angleXY (so every visiting order runs), drawn by
// the surface loop and by an independent numpy rasteriser that keeps the
// nearest cell per pixel. The two may differ only along cell edges.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>

#include "tests/support/ghostscript.h"
#include "tests/support/paths.h"
#include "tests/support/test_drawing.h"
#include "tests/vok/surface/surface_fixture.h"

namespace {
const short kWidth = 640, kHeight = 560;
const int kCells = 16;  // per axis; 1/16 is exact, so both anchorings agree

double ridgeAndPeak(double x, double y) {
  double peak = 1.6 * std::exp(-((x - 0.6) * (x - 0.6) + (y - 0.65) * (y - 0.65)) / 0.03);
  double ridge = 0.9 * std::exp(-(y - 0.3) * (y - 0.3) / 0.01) + 0.5 * std::exp(-(x - 0.3) * (x - 0.3) / 0.01);
  return peak + ridge;
}

bool haveNumpy() { return vtest::run("/usr/bin/python3 -c 'import numpy'").status == 0; }

int channelGap(uint32_t a, uint32_t b) {
  int gap = 0;
  for (int s = 0; s < 24; s += 8) gap = std::max(gap, std::abs(int((a >> s) & 255) - int((b >> s) & 255)));
  return gap;
}

class Hiding : public surfacetest::SurfaceTest, public ::testing::WithParamInterface<double> {
 protected:
  std::string dir;

  void SetUp() override {
    SurfaceTest::SetUp();
    G3DSettings& g = s_g3d;
    g.function = ridgeAndPeak;
    g.useResolution = 0;
    g.xIncrement = g.yIncrement = 1.0 / kCells;
    g.xWidth = g.yWidth = 320;
    g.funcScale = 150;
    g.angleXY = GetParam();
    g.angleZ = 35;
    g.horizontalPos = kWidth / 2, g.verticalPos = kHeight / 2 + 60;
    g.gridLines = 0;
    dir = vtest::scratchDir("surface-hiding");
  }

  void writeInputs() {
    const G3DSettings& g = s_g3d;
    std::ofstream p(dir + "/params");
    p.precision(17);
    p << "width " << kWidth << "\nheight " << kHeight << "\nhpos " << g.horizontalPos << "\nvpos " << g.verticalPos
      << "\nxScale " << g.xScale << "\nyScale " << g.yScale << "\nfuncScale " << g.funcScale << "\nangleXY "
      << g.angleXY << "\nangleZ " << g.angleZ << "\nxMin " << g.xMin << "\nxMax " << g.xMax << "\nyMin " << g.yMin
      << "\nyMax " << g.yMax << "\nx0 " << g.xMin << "\ndx " << g.xIncrement << "\ny0 " << g.yMin << "\ndy "
      << g.yIncrement << "\nlight " << g.lightVector[0] << " " << g.lightVector[1] << " " << g.lightVector[2]
      << "\nlightRGB " << g.lightRed << " " << g.lightGreen << " " << g.lightBlue << "\nshadowRGB " << g.shadowRed
      << " " << g.shadowGreen << " " << g.shadowBlue << "\n";
    std::ofstream n(dir + "/nodes");
    n.precision(17);
    for (int i = 0; i <= kCells; ++i) {
      for (int j = 0; j <= kCells; ++j) n << ridgeAndPeak(g.xMin + i * g.xIncrement, g.yMin + j * g.yIncrement) << " ";
      n << "\n";
    }
  }

  bool reference(const char* mode, vtest::Image* out) {
    writeInputs();
    vtest::RunResult r = vtest::run("/usr/bin/python3 '" + vtest::sourceDir() +
                                    "/tests/vok/surface/depth_reference.py' '" + dir + "/params' '" + dir +
                                    "/nodes' " + mode + " '" + dir + "/ref.ppm'");
    EXPECT_EQ(r.status, 0) << r.err;
    return r.status == 0 && vtest::readPPM(dir + "/ref.ppm", out);
  }

  // Pixels of ours for which `explained` finds no reference pixel within two
  // pixels: cell edges move by a pixel or two between the two rasterisers,
  // a cell painted in the wrong order shows over its whole inside (hundreds
  // to thousands of pixels here).
  template <typename Explained>
  int unexplained(const vtest::Image& ref, Explained explained, const char* name = "ours") const {
    vtest::writeDrawingPPM(dir + "/" + name + ".ppm");  // the evidence beside ref.ppm
    int count = 0;
    for (int v = 0; v < kHeight; ++v)
      for (int h = 0; h < kWidth; ++h) {
        bool ok = false;
        for (int dv = -2; dv <= 2 && !ok; ++dv)
          for (int dh = -2; dh <= 2 && !ok; ++dh) {
            int rh = h + dh, rv = v + dv;
            if (rh >= 0 && rv >= 0 && rh < kWidth && rv < kHeight)
              ok = explained(drawtest::pixel(world, h, v), ref.at(rh, rv));
          }
        count += !ok;
      }
    return count;
  }

  // The same pass with the rows visited front to back: what the comparison
  // must catch.
  void drawRowsReversed() {
    EraseDrawing();
    view.yStart = view.yDir > 0 ? s_g3d.yMax - s_g3d.yIncrement : s_g3d.yMin;
    view.yEnd = view.yDir > 0 ? s_g3d.yMin - 0.5 * s_g3d.yIncrement : s_g3d.yMax - 0.5 * s_g3d.yIncrement;
    view.yStep = -view.yStep;
    view.yDir = -view.yDir;
    SG3DDrawCells(&view);
  }
};

bool sameShade(uint32_t ours, uint32_t ref) { return channelGap(ours, ref) <= 2; }
// A black pixel of ours lies on a visible edge (black in the reference).
bool onVisibleEdge(uint32_t ours, uint32_t edge) { return (ours & 0xFFFFFF) != 0 || (edge & 0xFFFFFF) == 0; }
}  // namespace

TEST_P(Hiding, ShadedCellsMatchADepthBufferedRendering) {
  VTEST_REQUIRE(haveNumpy(), "python3-numpy");
  drawSurface(kWidth, kHeight);
  vtest::Image ref;
  ASSERT_TRUE(reference("shade", &ref));
  ASSERT_EQ(ref.width, kWidth);
  int painted = inkCount();
  EXPECT_GT(painted, 40000) << "the surface covers much of the world";
  // Cells seen edge-on can be thinner than a pixel: the polygon filler still
  // paints a few of their pixels where the depth buffer's centre samples miss them.
  EXPECT_LE(unexplained(ref, sameShade), 20) << "angleXY " << GetParam() << ", files in " << dir;

  drawRowsReversed();
  EXPECT_GT(unexplained(ref, sameShade, "reversed"), 500) << "front-to-back rows show hidden cells";
}

TEST_P(Hiding, BlackAndWhiteModeHidesLinesBehindFolds) {
  VTEST_REQUIRE(haveNumpy(), "python3-numpy");
  s_g3d.color = 0;
  drawSurface(kWidth, kHeight);
  vtest::Image edges;
  ASSERT_TRUE(reference("edges", &edges));
  EXPECT_EQ(unexplained(edges, onVisibleEdge), 0) << "angleXY " << GetParam() << ", files in " << dir;

  drawRowsReversed();
  EXPECT_GT(unexplained(edges, onVisibleEdge, "reversed"), 100) << "front-to-back rows show hidden lines";
}

INSTANTIATE_TEST_SUITE_P(AllVisitingOrders, Hiding, ::testing::Values(30.0, 120.0, 210.0, 300.0));
