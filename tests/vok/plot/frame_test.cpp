// The numbered frame (its outline and separate corner values are checked in
// graph_frame_test.cpp): the corner numbers placed by the number offsets (x
// numbers centred 25 pixels below their corner, y numbers ending 10 pixels
// left of it), seen as the text calls reaching the drawing bottleneck and as
// pixels.
#include <string>
#include <vector>

#include "tests/vok/plot/plot_fixture.h"

using drawtest::inkBox;
using plottest::PlotTest;

namespace {
using drawtest::textCalls;
short widthOf(const std::string& s) { return TextWidth(s.data(), 0, short(s.size())); }
std::string texts() {
  std::string s;
  for (auto& t : textCalls()) s += (s.empty() ? "" : " ") + t.text;
  return s;
}
}  // namespace

class FrameTest : public PlotTest {
 protected:
  void SetUp() override {
    PlotTest::SetUp();
    usePlain(300, 200);
    recordTexts();
    s_TextSize(12);
    // Frame from world (0, 0) at pixel (50, 150) to world (2, 1) at (250, 50).
    transform(100, 100, 50, 50);
  }
};

TEST_F(FrameTest, CornerNumbersSitAtTheirOffsetsFromTheCorners) {
  SetCoordinateDigit(2);
  SetFrame2DYMaxDigit(0);
  PlotFrame2D(0, 2, 0, 1);
  ASSERT_EQ(texts(), "0.00 2.00 0.00 1");
  short w = widthOf("0.00");  // x: trunc(0 - w/2) for an even or odd w alike
  std::vector<int> pens;
  for (auto& t : textCalls()) pens.insert(pens.end(), {t.h, t.v});
  EXPECT_EQ(pens, (std::vector<int>{50 - w / 2, 150 + 25, 250 - w / 2, 150 + 25, 50 - 10 - w, 150 + 5,
                                    50 - 10 - widthOf("1"), 50 + 5}));
  // The y numbers' ink (rows 40 ... 159) ends in the 3 columns before the 10-pixel gap to the frame.
  EXPECT_GT(inkIn(50 - 10 - 3, 40, 50 - 10, 160), 0);
  EXPECT_EQ(inkIn(50 - 10, 40, 50 - 5, 160), 0);
  s_p.xNumDx = 7;  // the offsets as the dialog sets them
  s_p.xNumDy = -3;
  textCalls().clear();
  PlotFrame2D(0, 2, 0, 1);
  EXPECT_TRUE(textCalls()[0].h == 50 + short(7 - w * 0.5) && textCalls()[0].v == 150 - 3);
}

TEST_F(FrameTest, StepPlotFrameUsesItsOwnMapping) {
  SetPlot4W(2, 50, 0, 0, 0);  // 2 pixels per step, 50 per unit of x
  SetPlot4B(10, 20, 0, 0, 0);
  SetPlot4O(0, 1, 0, 0, 0);
  PlotFrame1D(0, 100, 1, 3);  // columns 10 ... 210, rows 180 ... 80
  EXPECT_EQ(inkBox(world), (Rect{80, 10, 181, 211}));
  EXPECT_TRUE(textCalls().empty());
}
