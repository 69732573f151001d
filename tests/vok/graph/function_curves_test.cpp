// Function curves on an offscreen world through the graph loop's transform:
// the samples a curve takes, bars, painting, refused steps and the limit of
// ten curves. Shapes are counted as they pass the drawing bottlenecks.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/vok/graph/graph_fixture.h"

namespace {
std::vector<double> sampled;
std::vector<std::pair<GrafVerb, Rect>> rects;
int polyFills = 0;

double square(double x) {
  sampled.push_back(x);
  return x * x;
}
double zigzag(double x) { return long(x * 1000 + 0.5) % 2 ? 0.8 : 0.2; }
void recordRect(GrafVerb verb, const Rect* r) {
  rects.push_back({verb, *r});
  s_CustomRect(verb, r);
}
void recordPoly(GrafVerb verb, PolyHandle poly) {
  polyFills += verb == kQDGrafVerbFill;
  s_CustomPoly(verb, poly);
}
int rectsOf(GrafVerb verb) {
  int n = 0;
  for (auto& r : rects) n += r.first == verb;
  return n;
}

class FunctionCurves : public graphtest::GraphTest {
 protected:
  GraphKindState savedG1 = s_g1;
  void SetUp() override {
    GraphTest::SetUp();
    window();
    recorder.rectProc = recordRect;
    recorder.polyProc = recordPoly;
    SetPortGrafProcs(world, &recorder);
    sampled.clear(), rects.clear(), polyFills = 0;
    s_g.graphDimension = 1;
    SetGraphFrameRange(0, 1, 0, 1);
    SetGraphFunction(square);
    loopTransform();
  }
  void TearDown() override {
    s_g1 = savedG1;
    GraphTest::TearDown();
  }
  std::string pass() {
    testing::internal::CaptureStdout();
    GraphPlotFunction();
    return testing::internal::GetCapturedStdout();
  }
};
}  // namespace

TEST_F(FunctionCurves, SquareTakes101SamplesAndEndsAStepBeyondOne) {
  double end = GraphPlotFuctionOneSeries(1);
  ASSERT_EQ(sampled.size(), 102u) << "the starting point, then 0, 0.01, ..., 1";
  EXPECT_NEAR(sampled.back(), 1.0, 1e-9);
  EXPECT_NEAR(end, 1.01, 1e-9);
  Rect ink = drawtest::inkBox(world);  // within a pixel: the last sample is 1 within rounding
  EXPECT_NEAR(ink.left, Plot2DTransX(0), 1);
  EXPECT_NEAR(ink.right, Plot2DTransX(1) + 1, 1);
  EXPECT_NEAR(ink.top, Plot2DTransY(1), 1);
  EXPECT_NEAR(ink.bottom, Plot2DTransY(0) + 1, 1);

  sampled.clear();
  s_fg.maxDrawX = -1;  // reversed: only the starting move
  GraphPlotFuctionOneSeries(1);
  EXPECT_EQ(sampled.size(), 1u);
}

TEST_F(FunctionCurves, BarsAreCentredOnTheSamplesAndFilledInsteadOfPainted) {
  SetGraphFunction(std::exp);  // no bar without height
  s_fg.barGraph = 1, s_fg.step = 0.1, s_fg.paint[0] = 1;
  loopTransform();  // widened by half a bar
  EXPECT_EQ(pass(), "");
  ASSERT_EQ(rectsOf(kQDGrafVerbFrame), 11);
  EXPECT_EQ(rectsOf(kQDGrafVerbFill), 11) << "the paint flag fills each bar";
  EXPECT_EQ(polyFills, 0) << "no area painted under bars";
  int k = 0;
  for (auto& [verb, r] : rects) {
    if (verb != kQDGrafVerbFrame) continue;
    EXPECT_NEAR((r.left + r.right) / 2.0, Plot2DTransX(0.1 * k), 1.0) << "bar " << k;
    EXPECT_NEAR(r.right - r.left, 0.1 * s_wx, 1.0) << "bar " << k;
    EXPECT_EQ(r.bottom, Plot2DTransY(0)) << "bar " << k;
    ++k;
  }
}

TEST_F(FunctionCurves, PaintingFillsUnderTheCurveAndKeepsItsLine) {
  auto blockInk = [&](double x, double y) {
    int h = Plot2DTransX(x), v = Plot2DTransY(y);
    return inkIn(h - 4, v - 4, h + 4, v + 4);
  };
  s_fg.paint[0] = 1;  // pattern 8: every fourth row
  EXPECT_EQ(pass(), "");
  for (double x : {0.3, 0.5, 0.7}) {  // the hatching did not break the curve
    int h = Plot2DTransX(x), v = 0;
    while (v < 450 && !drawtest::inked(world, h, v)) ++v;
    EXPECT_NEAR(v, Plot2DTransY(x * x), 1) << x;
  }
  EXPECT_GT(blockInk(0.9, 0.2), 8) << "hatched under the curve";
  EXPECT_EQ(blockInk(0.2, 0.8), 0) << "nothing above it";

  // A path longer than one polygon holds is painted to its end.
  SetGraphFunction(zigzag);
  s_fg.paintPattern[0] = 1, s_fg.maxDrawX = 10, s_fg.step = 0.001;
  SetGraphFrameRange(0, 10, 0, 1);
  loopTransform();
  EraseRect(&world->portRect);
  EXPECT_EQ(pass(), "");
  EXPECT_EQ(blockInk(9.5, 0.1), 64);
}

// Each bad step is refused with a message, the previous one put back, and
// the pass still ends; a range too wide for the step draws nothing.
TEST_F(FunctionCurves, StepsThatCannotEndAreRefused) {
  s_fg.step = 0.1;
  EXPECT_EQ(pass(), "");
  for (double bad : {0.0, -0.1, double(NAN), 1e-9}) {
    s_fg.step = bad;
    std::string out = pass();
    EXPECT_EQ(out.rfind("Error in GraphPlotFunction:\n", 0), 0u) << bad;
    EXPECT_NE(out.find("keeping 0.1\n"), std::string::npos) << out;
    EXPECT_EQ(s_fg.step, 0.1) << bad;
  }
  sampled.clear();
  s_fg.maxDrawX = 1e12;
  EXPECT_EQ(pass(), "Error in GraphPlotFunction:\nToo many samples at dx = 0.1 (more than 4000000 a pass); curves not drawn\n");
  EXPECT_TRUE(sampled.empty());
}

TEST_F(FunctionCurves, TenCurvesAtMostAndSetStartsOver) {
  for (int i = 0; i < 9; ++i) AddGraphFunction(square);
  testing::internal::CaptureStdout();
  AddGraphFunction(std::sqrt);
  AddGraphXYFunction(square, square);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Error in AddGraphFunction:\nToo many functions\n"
            "Error in AddGraphFunction:\nToo many functions\n");
  EXPECT_EQ(s_fg.functionCount, 10);
  SetGraphFunction(std::exp);
  EXPECT_EQ(s_fg.functionCount, 1);
  EXPECT_EQ(s_fg.function[0], static_cast<GraphFunction>(std::exp));
  EXPECT_EQ(s_g1.graphKind, kGraphFunction);
}
