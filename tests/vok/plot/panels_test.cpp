// Chart-recorder traces: when a page turns and what the turn does (outputs
// in order, erase, the user's frame, the traces going on at the margin), and
// values that are not numbers leaving a gap instead of a line to the corner.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/vok/plot/plot_fixture.h"
#include "vok/plot/panels.h"

namespace {
std::string g_log;

class Panels : public plottest::PlotTest {
 protected:
  PlotPageOutputs savedOutputs = s_plotPageOutputs;
  void SetUp() override {
    PlotTest::SetUp();
    usePlain(500, 200);
    EraseDrawing();
    s_n = 0;
    SetPlot6I(0, 0, 0, 0, 0, 0);
    g_log.clear();
    s_plotPageOutputs = {[] { g_log += "end-print "; }, [] { g_log += "end-bitmap-print "; },
                         [] { g_log += "save "; }, [] { g_log += "begin-print "; }};
  }
  void TearDown() override {
    s_plotPageOutputs = savedOutputs;
    PlotTest::TearDown();
  }
};
}  // namespace

TEST_F(Panels, ThePageTurnsBeforeAStepWouldPassTheRightEdge) {
  SetPlot4W(2, 100, 100, 100, 100);
  SetPlot4B(10, 0, 0, 0, 0);
  s_p.printing = s_p.saving = 1;
  SetPlotNewPageFunc([] { g_log += "frame"; });
  for (int i = 1; i < 245; ++i) Plot1(0.5);
  EXPECT_EQ(g_log, "");
  Plot1(0.5);  // 2 x 246 + 10 = 502 > 500
  EXPECT_EQ(s_n, 0);
  EXPECT_EQ(g_log, "end-print save begin-print frame");
  EXPECT_EQ(inkCount(), 0);
  Plot1(0.5);  // on from the left margin at the last value
  EXPECT_TRUE(drawtest::sameRect(drawtest::inkBox(world), 150, 10, 151, 13));
}

TEST_F(Panels, ValuesThatAreNotNumbersLeaveAGap) {
  for (double v : {double(NAN), 0.5, double(INFINITY), 0.5, 0.5}) Plot1(v);
  EXPECT_TRUE(drawtest::sameRect(drawtest::inkBox(world), 150, 4, 151, 6));
  EXPECT_EQ(s_n, 5);
}
