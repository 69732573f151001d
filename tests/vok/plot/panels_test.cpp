// Chart-recorder traces: where a step draws, when a page turns and what the
// turn does (outputs in order, erase, the user's frame), and values that are
// not numbers.
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

TEST_F(Panels, AStepDrawsFromThePreviousValueToTheNew) {
  Plot1(0.5);  // defaults: 100 pixels per unit, base on the bottom edge
  EXPECT_EQ(s_n, 1);
  EXPECT_TRUE(drawtest::sameRect(drawtest::inkBox(world), 150, 0, 200, 2));
  EXPECT_TRUE(drawtest::inked(world, 1, 150));
  EraseDrawing();
  SetPlot4O(0, 1, 1, 1, 1);
  SetPlot4B(0, 20, 60, 100, 140);
  SetPlot4I(1, 1, 1, 1);
  Plot4(1, 1, 1, 1);  // step 1: four flat segments, one per band
  for (int base : {20, 60, 100, 140}) EXPECT_TRUE(drawtest::inked(world, 1, 200 - base)) << base;
  EXPECT_EQ(inkCount(), 8);
}

TEST_F(Panels, ThePageTurnsBeforeAStepWouldPassTheRightEdge) {
  SetPlot4W(2, 100, 100, 100, 100);
  SetPlot4B(10, 0, 0, 0, 0);
  s_p.printing = s_p.saving = 1;
  SetPlotNewPageFunc([] { g_log += "frame"; });
  for (int i = 1; i < 245; ++i) Plot1(0.5);
  EXPECT_EQ(s_n, 244);
  EXPECT_EQ(g_log, "");
  Plot1(0.5);  // 2 x 246 + 10 = 502 > 500
  EXPECT_EQ(s_n, 0);
  EXPECT_EQ(g_log, "end-print save begin-print frame");
  EXPECT_EQ(inkCount(), 0);
  Plot1(0.5);  // goes on from the left margin at the last value
  EXPECT_TRUE(drawtest::sameRect(drawtest::inkBox(world), 150, 10, 151, 13));
}

TEST_F(Panels, ValuesThatAreNotNumbersLeaveAGap) {
  Plot1(NAN);
  Plot1(0.5);
  EXPECT_EQ(inkCount(), 0);
  Plot1(INFINITY);
  EXPECT_EQ(inkCount(), 0);
  Plot1(0.5);
  Plot1(0.5);
  EXPECT_TRUE(drawtest::sameRect(drawtest::inkBox(world), 150, 4, 151, 6));
  EXPECT_EQ(s_n, 5);
}
