// Function curves on an offscreen world through the graph loop's transform:
// the samples a curve takes, bars, painting, refused steps and the limit of
// ten curves. Rectangles and polygons are counted at the drawing bottlenecks.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/vok/graph/graph_fixture.h"

namespace {
std::vector<double> sampled;
std::vector<Rect> frames;
int rectFills = 0, polyFills = 0;

double square(double x) { return sampled.push_back(x), x * x; }
double zigzag(double x) { return long(x * 1000 + 0.5) % 2 ? 0.8 : 0.2; }
void recordRect(GrafVerb verb, const Rect* r) {
  if (verb == kQDGrafVerbFrame) frames.push_back(*r);
  rectFills += verb == kQDGrafVerbFill, s_CustomRect(verb, r);
}
void recordPoly(GrafVerb verb, PolyHandle poly) { polyFills += verb == kQDGrafVerbFill, s_CustomPoly(verb, poly); }

class FunctionCurves : public graphtest::GraphTest {
 protected:
  plottest::Restore<GraphKindState> savedG1{&s_g1};
  void SetUp() override {
    GraphTest::SetUp();
    window();
    textRecorder.rectProc = recordRect, textRecorder.polyProc = recordPoly;
    SetPortGrafProcs(world, &textRecorder);
    sampled.clear(), frames.clear(), rectFills = polyFills = 0;
    s_g.graphDimension = 1;
    SetGraphFrameRange(0, 1, 0, 1);
    SetGraphFunction(square);
    s_GraphSetTransform();
  }
  std::string pass() { return vtest::stdoutOf(GraphPlotFunction); }
};
}  // namespace

TEST_F(FunctionCurves, BarsAreCentredOnTheSamplesAndFilledInsteadOfPainted) {
  SetGraphFunction(std::exp);  // every bar has a height
  s_fg.barGraph = 1, s_fg.step = 0.1, s_fg.paint[0] = 1;
  s_GraphSetTransform();  // widened by half a bar
  EXPECT_EQ(pass(), "");
  ASSERT_EQ(frames.size(), 11u);
  EXPECT_TRUE(rectFills == 11 && polyFills == 0) << "the paint flag fills each bar, and paints no area";
  for (size_t k = 0; k < frames.size(); ++k)  // centred on the samples, one step wide
    EXPECT_TRUE(std::abs(frames[k].left - Plot2DTransX(0.1 * k - 0.05)) <= 1 &&
                std::abs(frames[k].right - Plot2DTransX(0.1 * k + 0.05)) <= 1) << k;
}

TEST_F(FunctionCurves, SquareTakes101SamplesAndIsPaintedUnderItsLine) {
  EXPECT_NEAR(GraphPlotFuctionOneSeries(1), 1.01, 1e-9);
  ASSERT_EQ(sampled.size(), 102u) << "the starting point, then 0, 0.01, ..., 1";
  s_fg.paint[0] = 1;  // pattern 8: every fourth row
  EXPECT_EQ(pass(), "");
  for (double x : {0.3, 0.5, 0.7}) {  // the hatching did not break the curve: it is the topmost ink
    int h = Plot2DTransX(x), v = 0;
    while (v < 450 && !drawtest::inked(world, h, v)) ++v;
    EXPECT_NEAR(v, Plot2DTransY(x * x), 1) << x;
  }
  // A path longer than one polygon holds is painted to its end.
  SetGraphFunction(zigzag);
  s_fg.paintPattern[0] = 1, s_fg.maxDrawX = 10, s_fg.step = 0.001, s_g.maxFrameX = 10;
  s_GraphSetTransform();
  EXPECT_EQ(pass(), "");
  int h = Plot2DTransX(9.5), v = Plot2DTransY(0.1);
  EXPECT_EQ(inkIn(h - 4, v - 4, h + 4, v + 4), 64);
}

// Each bad step is refused with a message and the previous one put back; an
// eleventh curve is refused.
TEST_F(FunctionCurves, RefusedStepsAndCurves) {
  s_fg.step = 0.1;
  EXPECT_EQ(pass(), "");
  for (double bad : {0.0, -0.1, double(NAN), 1e-9}) {
    s_fg.step = bad;
    std::string out = pass();
    EXPECT_TRUE(out.rfind("Error in GraphPlotFunction:\n", 0) == 0 && out.find("keeping 0.1\n") != out.npos) << out;
    EXPECT_EQ(s_fg.step, 0.1) << bad;
  }
  for (int i = 0; i < 9; ++i) AddGraphFunction(square);
  EXPECT_EQ(vtest::stdoutOf([] { AddGraphFunction(std::sqrt); }), "Error in AddGraphFunction:\nToo many functions\n");
  EXPECT_EQ(s_fg.functionCount, 10) << "the first ten stay";
  SetGraphFunction(std::exp);
  EXPECT_TRUE(s_fg.functionCount == 1 && s_fg.function[0] == static_cast<GraphFunction>(std::exp));
}

