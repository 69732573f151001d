// Series of a data file drawn on an offscreen world: runs broken by rows
// outside the x range, lines across missing cells, error bars alone, pen
// widths and series colours — judged by the pixels drawn.
#include "vok/graph/series.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/vok/graph/graph_fixture.h"

namespace {
class SeriesTest : public plottest::PlotTest {
 protected:
  void SetUp() override {
    PlotTest::SetUp();
    usePlain(200, 200);
    transform(10, 10, 0, 0);  // 10 pixels per unit, world (0, 0) at the lower left
    s_g.colorFlag = 0;
    s_sg.showData = 0;
  }
  // Reads `text` as the data file; the frame and series 1 then span x 0 ... 19.
  void read(const std::string& text) {
    graphtest::readSheet(text);
    s_g.minFrameX = s_sg.seriesMin[0] = 0;
    s_g.maxFrameX = s_sg.seriesMax[0] = 19;
  }
  // Window pixel of world (x, y).
  bool inkAt(double x, double y) const { return drawtest::inked(world, Plot2DTransX(x), Plot2DTransY(y)); }
};
}  // namespace

TEST_F(SeriesTest, RowsOutsideTheRangeBreakTheLineAndGapsDoNot) {
  // Row 2 has no y: rows 1-3 form one run across it. Row 4 lies beyond the
  // x range and splits rows 5-6 off: no segment from row 3 to row 5.
  read("x\ty\n1\t5\n3\t\n5\t5\n25\t5\n7\t5\n9\t5\n");
  PlotSpreadSheetOneSeries(0, 1, -1, 1, 0, 0, 19, 0, 0);
  // A line from row 1 across the missing cell to row 3, rows 3 and 5 not
  // joined, rows 5 and 6 joined, nothing towards the row outside the range.
  EXPECT_EQ((std::vector<bool>{inkAt(3, 5), inkAt(6, 5), inkAt(8, 5), inkAt(15, 5)}),
            (std::vector<bool>{true, false, true, false}));

  EraseRect(&world->portRect);
  PlotSpreadSheetOneSeries(0, 1, -1, 1, 0, 0, 6, 0, 0);  // the series' own range cuts as well
  EXPECT_TRUE(inkAt(3, 5) && !inkAt(8, 5));
}

TEST_F(SeriesTest, NoLineAndNoMarkerLeavesOnlyTheErrorBars) {
  read("x\ty\tsd\n5\t5\t2\n10\t5\t2\n");
  PlotSpreadSheetOneSeries(0, 1, 2, 1, 0, 0, 19, 1, 0);
  EXPECT_FALSE(inkAt(7.5, 5)) << "no line between the points";
  EXPECT_TRUE(inkAt(5, 6.5) && inkAt(5, 3.5)) << "the bar runs from y - s to y + s";
  // The caps are 10 pixels wide, centred on the bar's ends.
  int top = Plot2DTransY(7), h = Plot2DTransX(5);
  EXPECT_TRUE(drawtest::inked(world, h - 5, top) && drawtest::inked(world, h + 4, top));
  EXPECT_FALSE(drawtest::inked(world, h - 7, top));
}

TEST_F(SeriesTest, PenWidthRoundsAndMarkersDraw) {
  read("x\ty\n2\t2\n18\t2\n");
  for (double width : {1.5, 1.4}) {  // pen width 1.5 gives a 2-pixel pen
    EraseRect(&world->portRect);
    PlotSpreadSheetOneSeries(0, 1, -1, width, 0, 0, 19, 0, 0);
    Rect box = drawtest::inkBox(world);
    EXPECT_EQ(box.bottom - box.top, width == 1.5 ? 2 : 1) << width;
  }
  EraseRect(&world->portRect);
  PlotSpreadSheetOneSeries(0, 1, -1, 1, 4, 0, 19, 1, 1);  // filled circles, no line
  EXPECT_TRUE(inkAt(2, 2.2) && !inkAt(10, 2)) << "a marker, no line";
}

TEST_F(SeriesTest, ColoursFollowDataColorModuloSix) {
  read("x\ty\n2\t10\n18\t10\n");
  s_g.colorFlag = 1;
  s_sg.dataColor[0] = 12;  // 12 mod 6 = 0: the sixth colour, yellow
  GraphPlotSpreadSheet();
  // Which of red, green and blue a pixel has.
  auto channels = [&] {
    uint32_t p = drawtest::pixel(world, Plot2DTransX(10), Plot2DTransY(10));
    return std::string(p & 0xFF0000 ? "r" : "") + (p & 0x00FF00 ? "g" : "") + (p & 0x0000FF ? "b" : "");
  };
  EXPECT_EQ(channels(), "rg");
  s_sg.dataColor[0] = 1;  // green
  GraphPlotSpreadSheet();
  EXPECT_EQ(channels().substr(0, 1), "g");
}

TEST_F(SeriesTest, SeriesNamingColumnsBeyondTheFileAreLeftOut) {
  read("x\ty\n2\t10\n18\t10\n");
  s_sg.seriesY[0] = 9;  // the file has two columns
  GraphPlotSpreadSheet();
  EXPECT_EQ(inkCount(), 0);
  s_sg.seriesY[0] = 2;
  s_sg.dataCount = 1 << 30;  // "Data Number" edited past the tables
  GraphPlotSpreadSheet();
  EXPECT_TRUE(inkAt(10, 10));
}
