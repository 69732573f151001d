// GraphFrameAndLabel judged by what reaches the window: the frame square
// and its corner numbers, axes with arrowheads and end numbers, labels in
// styled text, grey grid lines with their numbers, the title, log axes, the
// bar graph's widened frame, and the inputs that used to hang or draw
// garbage (grid intervals, empty ranges, an infinite scale).
#include <cmath>
#include <cstring>

#include "tests/vok/graph/graph_fixture.h"

using drawtest::inked;
using graphtest::GraphTest;
using graphtest::TextCall;
using graphtest::texts;

namespace {
// The defaults map world (0, 0) to pixel (80, 400) and (1, 1) to (380, 100)
// in the 500 x 450 window.
const int kL = 80, kR = 380, kT = 100, kB = 400;

::testing::AssertionResult at(const TextCall* t, int h, int v) {
  if (!t) return ::testing::AssertionFailure() << "text not drawn";
  if (t->h == h && t->v == v) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\"" << t->text << "\" at (" << t->h << ", " << t->v << "), expected (" << h
                                       << ", " << v << ")";
}
}  // namespace

class GraphFrame : public GraphTest {
 protected:
  void SetUp() override {
    GraphTest::SetUp();
    window();
  }
  // Ink of one pixel column strictly inside the frame.
  int columnInk(int h) const { return inkIn(h, kT + 1, h + 1, kB); }
  // A grey grid line inside the frame: the pattern, not a solid line.
  static bool grey(int ink) { return ink > 299 * 3 / 10 && ink < 299 * 7 / 10; }
};

TEST_F(GraphFrame, AxesWithoutFrameGetArrowsAndEndNumbers) {
  s_g.drawFrame = 0;
  s_g.drawXAxis = s_g.drawYAxis = 1;
  SetGraphFrameRange(-1, 1, -1, 1);  // world (0, 0) at pixel (230, 250)
  drawPass();
  EXPECT_EQ(inkIn(kL, 250, kR + 1, 251), 301);  // the x axis
  EXPECT_EQ(inkIn(230, kT, 231, kB + 1), 301);  // the y axis
  EXPECT_EQ(inkIn(kL, 251, kR + 1, 255), 4);    // only the y axis below the x axis
  ASSERT_EQ(allTexts(), (std::vector<std::string>{"-1.0", "1.0", "-1.0", "1.0", "x", "y"}));
  EXPECT_TRUE(at(find("-1.0", 0), kL - widthOf("-1.0") / 2, 250 + 25));
  EXPECT_TRUE(at(find("1.0", 0), kR - widthOf("1.0") / 2, 250 + 25));
  EXPECT_TRUE(at(find("-1.0", 1), 230 - 10 - widthOf("-1.0"), kB + 5));
  EXPECT_TRUE(at(find("1.0", 1), 230 - 10 - widthOf("1.0"), kT + 5));
  EXPECT_TRUE(at(find("x"), kR + 15, 250 + 39));  // labels at the axes' ends
  EXPECT_TRUE(at(find("y"), 230 - 45, kT - 24));

  // Arrowheads add ink only in the two triangles with 10-pixel sides at the far ends: tip
  // (380, 250), back corners (372, 245) and (372, 255); tip (230, 100), back corners (225, 108)
  // and (235, 108). The pen only adds ink, so counts in the two boxes and in all tell where.
  auto ink = [&] { return std::vector<int>{inkIn(372, 245, 381, 256), inkIn(225, 100, 236, 109), inkCount()}; };
  const std::vector<int> before = ink();
  EraseDrawing();
  s_g.drawArrow = 1;
  drawPass();
  const std::vector<int> after = ink();
  int xHead = after[0] - before[0], yHead = after[1] - before[1], elsewhere = after[2] - before[2] - xHead - yHead;
  EXPECT_TRUE(xHead > 15 && yHead > 15 && elsewhere == 0) << xHead << " " << yHead << " " << elsewhere;
  EXPECT_TRUE(inked(world, 376, 249) && !inked(world, 376, 245));

  // With the frame on the axes stay, the arrows and end numbers go.
  EraseDrawing();
  s_g.drawFrame = 1;
  drawPass();
  EXPECT_EQ(allTexts(), (std::vector<std::string>{"-1.0", "1.0", "-1.0", "1.0", "x", "y"}));
  EXPECT_EQ(inkIn(372, 244, 380, 250), 0);
  EXPECT_EQ(inkIn(kL, 250, kR + 1, 251), 301);
  EXPECT_TRUE(at(find("x"), kR + 15, kB + 39));  // labels at the frame's corners again
}

TEST_F(GraphFrame, LabelsFollowTheFrameTheAxesAndShowXMax) {
  s_g.showXMaxSetting = 0;  // also takes the y label away
  drawPass();
  EXPECT_EQ(allTexts(), (std::vector<std::string>{"0.0", "0.0", "1.0", "x"}));

  s_g.showXMaxSetting = 1;
  s_g.drawFrame = 0;  // neither frame nor axes: no labels, nothing at all
  EraseDrawing();
  drawPass();
  EXPECT_TRUE(texts().empty());
  EXPECT_EQ(inkCount(), 0);

  s_g.drawYAxis = 1;  // the y axis carries the y label, the x label stays away
  SetGraphFrameRange(-1, 1, 0, 1);
  drawPass();
  EXPECT_EQ(allTexts(), (std::vector<std::string>{"0.0", "1.0", "y"}));
  EXPECT_TRUE(at(find("y"), 230 - 45, kT - 24));
}

TEST_F(GraphFrame, GridLinesAreGreyInsideTheFrameWithTheirNumbers) {
  s_g.scaleMarkX = s_g.scaleMarkY = 1;
  s_g.intervalX = 0.25;
  s_g.digitX = 2;
  s_g.intervalY = 0.5;
  drawPass();
  for (int h : {155, 230, 305}) {  // x = 0.25, 0.5, 0.75
    EXPECT_TRUE(grey(columnInk(h))) << h;
    EXPECT_EQ(inkIn(h - 1, kT + 1, h, 250) + inkIn(h + 1, kT + 1, h + 2, 250), 0) << h;
  }
  EXPECT_EQ(columnInk(kL + 1), 0);  // none at x0: only the frame there
  EXPECT_EQ(inkIn(kL, kT, kL + 1, kB + 1), 301);
  EXPECT_TRUE(grey(inkIn(kL + 1, 250, kR, 251)));  // y = 0.5
  ASSERT_EQ(allTexts(),
            (std::vector<std::string>{"0.0", "1.0", "0.0", "1.0", "x", "y", "0.25", "0.50", "0.75", "0.5"}));
  EXPECT_TRUE(at(find("0.50"), 230 - widthOf("0.50") / 2, kB + 25));  // under the line's lower end
  EXPECT_TRUE(at(find("0.5"), kL - 10 - widthOf("0.5"), 250 + 5));    // left of its left end
  // The pen is black again for the data.
  Plot2DMoveTo(0.1, 0.1);
  Plot2DLineTo(0.9, 0.1);
  EXPECT_EQ(inkIn(110, 370, 351, 371), 241);
}

// The grid stops before the far edge: ten steps of 0.1 give nine lines, none
// on the far edge (added up, the tenth step falls just short of 1 and would
// draw there). An interval equal to the range: GridIntervalsThatCannotEnd...
TEST_F(GraphFrame, GridEndsBeforeTheFarEdge) {
  s_g.scaleMarkX = 1;
  s_g.intervalX = 0.1;
  drawPass();
  EXPECT_EQ(allTexts(), (std::vector<std::string>{"0.0", "1.0", "0.0", "1.0", "x", "y", "0.1", "0.2", "0.3", "0.4",
                                                  "0.5", "0.6", "0.7", "0.8", "0.9"}));
  EXPECT_EQ(columnInk(kR - 1), 0);
}

// Intervals that never end the grid (zero, negative, not a number) or would
// fill the frame with more lines than a window has pixels skip the grid, and
// one equal to the range gives no line (none on the far edge); a range so far
// from zero that adding the interval does not move still ends.
TEST_F(GraphFrame, GridIntervalsThatCannotEndAreSkipped) {
  s_g.scaleMarkX = s_g.scaleMarkY = 1;
  for (double interval : {0.0, -0.0, -1.0, double(NAN), double(INFINITY), -double(INFINITY), 1e-9, 1e-300, 1.0}) {
    s_g.intervalX = s_g.intervalY = interval;
    drawPass();
    EXPECT_TRUE(texts().size() == 6u && inkIn(kL + 1, kT + 1, kR, kB) == 0) << interval;
  }
  s_g.showNumberX = 0;
  s_g.scaleMarkY = 0;
  s_g.intervalX = 1.0 / 1000;  // dense but within the bound: drawn
  drawPass();
  EXPECT_GT(inkIn(kL + 1, kT + 1, kR, kB), 299 * 299 / 4);

  s_g.showNumberX = 1;
  s_g.intervalX = 1;
  const double big = 9007199254740992.0;  // 2^53: big + 1 rounds back to big
  SetGraphFrameRange(big, big + 8, 0, 1);
  EraseDrawing();
  drawPass();
  EXPECT_EQ(texts().size(), 6u + 6u);     // big + 7 rounds onto the far edge and is left out
  EXPECT_TRUE(grey(columnInk(kL + 75)));  // big + 2 at 37.5 pixels a unit
}

TEST_F(GraphFrame, TitleAboveAndBelowIsUprightAndCentred) {
  SetGraphUpperTitleFlag(1);
  drawPass();
  short w = widthOf("Title");  // centred by its raw text in the label font
  const TextCall* t = find("T");
  EXPECT_TRUE(at(t, 230 - w / 2, kT - 24));
  for (const char* c : {"T", "i", "t", "l", "e"}) EXPECT_EQ(find(c)->face, 0) << c;
  EXPECT_EQ(s_c_italicFlag, 1);  // letters are italic again after the title
  EXPECT_GT(inkIn(230 - w / 2, kT - 24 - 18, 230 + w / 2 + 1, kT - 24 + 1), 40);

  SetGraphUpperTitleFlag(0);
  SetGraphLowerTitleFlag(1);
  SetGraphTitleXPosition(10);
  SetGraphTitleYPosition(5);  // counted upward
  SetGraphTitle("F_1");
  drawPass();
  EXPECT_TRUE(at(find("F"), 230 - widthOf("F_1") / 2 + 10, kB + 39 - 5));
  EXPECT_TRUE(find("F")->face == 0 && find("1")->v > find("F")->v);
}

// With log(x) and log(y) the frame, its numbers and the grid are in natural
// logarithms of the data values; a value that is not positive plots at 0.
TEST_F(GraphFrame, LogAxesGoThroughTheConversions) {
  s_sg.logX = s_sg.logY = 1;
  vtest::stdoutOf([] { EXPECT_TRUE(GraphConvertX(-1) == 0 && GraphConvertY(0) == 0); });

  SetGraphFrameRange(1, std::exp(2.0), 1, std::exp(1.0));  // plotted 0 ... 2 and 0 ... 1
  s_g.scaleMarkX = 1;
  s_g.intervalX = 0.5;
  drawPass();
  EXPECT_EQ(allTexts(), (std::vector<std::string>{"0.0", "2.0", "0.0", "1.0", "x", "y", "0.5", "1.0", "1.5"}));
  // The logarithms are not exact: lines within a pixel of plotted 0.5, 1, 1.5.
  std::vector<int> lines;
  for (int h = kL + 2; h < kR - 1; ++h)
    if (columnInk(h) > 100) lines.push_back(h);
  ASSERT_EQ(lines.size(), 3u);
  for (int k = 0; k < 3; ++k) EXPECT_NEAR(lines[size_t(k)], 155 + 75 * k, 1);
}

// A function bar graph's outline takes in the half bars on each side while
// its corner numbers show the range itself; other graphs are not widened.
TEST_F(GraphFrame, BarGraphFrameHoldsTheHalfBars) {
  s_fg.barGraph = 1;
  s_fg.step = 0.2;
  s_g.scaleMarkX = 1;
  s_g.intervalX = 0.5;
  SetPlot4W(0, 300, 300, 0, 0);  // fixed: 0 ... 1 at pixels 80 ... 380
  SetPlot4B(0, 80, 50, 0, 0);
  SetPlot4O(0, 0, 0, 0, 0);
  GraphFrameAndLabel();
  EXPECT_EQ(inkIn(50, kT, 51, kB + 1) + inkIn(410, kT, 411, kB + 1), 2 * 301);  // the sides at x = -0.1 and 1.1
  EXPECT_EQ(inkIn(411, kT, 500, kB + 1), 0);
  EXPECT_TRUE(at(find("0.0"), 50 - widthOf("0.0") / 2, kB + 25));
  EXPECT_TRUE(at(find("1.0"), 410 - widthOf("1.0") / 2, kB + 25));
  EXPECT_TRUE(find("0.4") && find("0.9"));  // the grid counts from the widened x0

  s_g.graphDimension = 2;  // a contour graph has no bars
  double x0, x1, y0, y1;
  GraphPlottedFrameRange(&x0, &x1, &y0, &y1);
  EXPECT_TRUE(x0 == 0 && x1 == 1);
}

// An empty or unusable range is widened to one plotted unit above its
// minimum, so the graph loop's transform and the frame stay finite and the
// numbers readable.
TEST_F(GraphFrame, EmptyRangesDrawAUnitFrame) {
  SetGraphFrameRange(2, 2, -3, -3);
  drawPass();
  EXPECT_EQ(allTexts(), (std::vector<std::string>{"2.0", "3.0", "-3.0", "-2.0", "x", "y"}));
  EXPECT_EQ(inkIn(kL, kT, kR + 1, kB + 1) - inkIn(kL + 1, kT + 1, kR, kB), 4 * 300);
  SetGraphFrameRange(NAN, 1, 0, INFINITY);
  EraseDrawing();
  drawPass();
  EXPECT_EQ(allTexts(), (std::vector<std::string>{"0.0", "1.0", "0.0", "1.0", "x", "y"}));
  EXPECT_EQ(inkIn(kL + 1, kT + 1, kR, kB), 0);
  SetGraphFrameRange(1, 0, 0, 1);  // a reversed axis is the user's choice: kept
  drawPass();
  EXPECT_EQ(allTexts(), (std::vector<std::string>{"1.0", "0.0", "0.0", "1.0", "x", "y"}));
}

// A caller's transform with an infinite scale maps every point off the
// region: nothing is drawn, no arrow, number, label or title at wherever
// the pen happened to be. Nor is an arrowhead whose tip is off the region or
// that has no direction (its shape: AxesWithoutFrameGetArrowsAndEndNumbers).
TEST_F(GraphFrame, InfiniteScaleAndUnusableArrowsDrawNothing) {
  s_g.drawFrame = 0;
  s_g.drawXAxis = s_g.drawYAxis = s_g.drawArrow = 1;
  s_g.scaleMarkX = s_g.scaleMarkY = 1;
  s_g.titleAbove = s_g.titleBelow = 1;
  s_MoveTo(200, 200);
  SetPlot4W(0, INFINITY, INFINITY, 0, 0);
  GraphFrameAndLabel();
  for (double bad : {double(NAN), double(INFINITY), 1e9}) AxisArrow(0, 0, bad, 60);  // tip off the region
  for (double bad : {double(NAN), double(INFINITY)}) AxisArrow(bad, 0, 100, 100);
  AxisArrow(300, 300, 300, 300);  // no direction
  EXPECT_TRUE(texts().empty());
  EXPECT_EQ(inkCount(), 0);
}

// What the frame leaves for the data: its pen size, a black pen and the
// text size the port had, also at a display scale that does not divide it.
TEST_F(GraphFrame, LeavesThePenAndTheTextSize) {
  s_TextSize(10);
  SetGraphFrameWidth(3);
  s_g.scaleMarkX = 1;
  s_g.intervalX = 0.5;
  drawPass();
  Pattern black;
  GetQDGlobalsBlack(&black);
  EXPECT_TRUE(world->pnSize.h == 3 && world->pnSize.v == 3 && world->txSize == 10);
  EXPECT_EQ(std::memcmp(&world->pnPat, &black, sizeof black), 0);
}

class GraphFrameBuffered : public GraphTest {};

TEST_F(GraphFrameBuffered, TextSizeComesBackExactlyAtScale1point5) {
  useBuffered(Rect{0, 0, 300, 400}, 1.5);
  s_TextSize(7);  // the window shows 10
  s_g.labelSize = 24;
  drawPass();
  EXPECT_TRUE(s_UnscaledPort()->txSize == 7 && GetPortTextSize(world) == 7);
}
