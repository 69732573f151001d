// Window placement: SetGoodBounds completes what the program left open from
// the available area (1024x768 screen, 22-pixel menu bar), scaled for the
// buffered drawing window; explicit choices and the start-up font survive.
#include <gtest/gtest.h>

#include "vok/frame/startup.h"

namespace {
class Placement : public ::testing::Test {
 protected:
  void SetUp() override {
    s_windowBounds = {23, 250, 540, 800};
    s_textBounds = {23, 0, 540, 250};
    s_inputBounds = {40, 0, 55, 350};
    s_d_set = s_t_set = s_i_set = s_d_save = s_t_save = s_i_save = 0;
    s_d_scale = 1.0;
  }
  void TearDown() override { s_d_scale = 1.0; }
};

::testing::AssertionResult isRect(const Rect& r, const Rect& w) {
  if (r.top == w.top && r.left == w.left && r.bottom == w.bottom && r.right == w.right)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "rect is " << r.top << "," << r.left << "," << r.bottom << "," << r.right;
}
}  // namespace

TEST_F(Placement, GoodBoundsCompleteWhatTheProgramLeftOpen) {
  const struct {
    const char* what;
    double scale;
    void (*choose)();
    Rect drawing, text, input;
  } cases[] = {
      // One pixel short of the available area; the input window follows the
      // text window's right edge, not its default 350.
      {"defaults", 1.0, [] {}, {23, 250, 767, 1023}, {23, 0, 767, 250}, {40, 0, 55, 250}},
      // trunc(768/2 - 1), trunc(1024/2 - 1): only the drawing rectangle is halved.
      {"scale 2", 2.0, [] {}, {11, 125, 383, 511}, {23, 0, 767, 250}, {40, 0, 55, 250}},
      {"no division by zero", 0.0, [] {}, {23, 250, 767, 1023}, {23, 0, 767, 250}, {40, 0, 55, 250}},
      {"program's choices", 1.0,
       [] {
         SetDrawingBounds(300, 100, 700, 500);  // left, top, right, bottom
         SetTextBounds(0, 30, 280, 400);
       },
       {100, 300, 500, 700}, {30, 0, 400, 280}, {40, 0, 55, 280}},
      {"full", 1.0,
       [] {
         SetDrawingBoundsFull();
         SetTextBoundsFull();
       },
       {22, 0, 768, 1024}, {22, 0, 768, 1024}, {40, 0, 55, 1024}},
  };
  for (const auto& c : cases) {
    SetUp();
    s_d_scale = c.scale;
    c.choose();
    SetGoodBounds();
    EXPECT_TRUE(isRect(s_windowBounds, c.drawing)) << c.what;
    EXPECT_TRUE(isRect(s_textBounds, c.text)) << c.what;
    EXPECT_TRUE(isRect(s_inputBounds, c.input)) << c.what;
    EXPECT_EQ(s_d_set + s_t_set + s_i_set + s_d_save + s_t_save + s_i_save, 6) << c.what;
  }
}

TEST(StartFont, LengthByteNameAndNul) {
  SetStartFont("Times");
  EXPECT_EQ(s_fontName[0], 5);
  EXPECT_STREQ(reinterpret_cast<const char*>(s_fontName + 1), "Times");
  std::string longName(300, 'x');
  SetStartFont(longName.c_str());  // cut so that the NUL still fits the 256 bytes
  EXPECT_EQ(s_fontName[0], 254);
  EXPECT_EQ(s_fontName[255], 0);
  SetStartFont("Monaco");
  EXPECT_EQ(s_fontName[0], 6);
}
