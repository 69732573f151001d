// What a page turn calls, in order (the page layout itself is checked by the
// recorder example's test), and values that are not numbers leaving a gap
// instead of a line to the window's corner.
#include "vok/plot/panels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/vok/plot/plot_fixture.h"

namespace {
std::string g_log;
using Panels = plottest::PlotTest;
}  // namespace

TEST_F(Panels, PageTurnsAndGaps) {
  usePlain(500, 200);
  PlotPageOutputs saved = s_plotPageOutputs;
  s_plotPageOutputs = {[] { g_log += "end-print "; }, nullptr, [] { g_log += "save "; },
                       [] { g_log += "begin-print "; }};
  s_p.printing = s_p.saving = 1;
  SetPlotNewPageFunc([] { g_log += "frame"; });
  s_n = 499;
  Plot1(0.5);  // 501 > 500: the next step would end beyond the window
  s_plotPageOutputs = saved;
  EXPECT_EQ(g_log, "end-print save begin-print frame");
  EXPECT_EQ(inkCount(), 0);
  for (double v : {0.5, double(NAN), 0.5, double(INFINITY), 0.5, 0.5}) Plot1(v);
  EXPECT_EQ(inkCount(), 2 + 2) << "only the first and the last step: none touching NaN or infinity";
  EXPECT_EQ(drawtest::inkBox(world), (Rect{150, 0, 151, 7}));
}
