// Window placement with a scale no start-up gives, and the start-up font's
// length-prefixed name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/vok_expect.h"
#include "vok/frame/startup.h"

namespace {
class Placement : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_[0] = s_windowBounds, saved_[1] = s_textBounds, saved_[2] = s_inputBounds;
    s_windowBounds = {23, 250, 540, 800};
    s_textBounds = {23, 0, 540, 250};
    s_inputBounds = {40, 0, 55, 350};
    s_d_set = s_t_set = s_i_set = s_d_save = s_t_save = s_i_save = 0;
    s_d_scale = 1.0;
  }
  void TearDown() override {
    s_d_scale = 1.0;
    s_windowBounds = saved_[0], s_textBounds = saved_[1], s_inputBounds = saved_[2];
    s_d_set = s_t_set = s_i_set = s_d_save = s_t_save = s_i_save = 0;
  }
  Rect saved_[3];
};
}  // namespace

// Where each window goes for each start-up is checked end to end
// (frame_e2e_test.cpp); a scale of 0 is not reachable from there.
TEST_F(Placement, ZeroScaleIsNoDivisionByZero) {
  s_d_scale = 0.0;
  SetGoodBounds();
  EXPECT_EQ((std::vector<Rect>{s_windowBounds, s_textBounds, s_inputBounds}),
            (std::vector<Rect>{{23, 250, 767, 1023}, {23, 0, 767, 250}, {40, 0, 55, 250}}));
}

TEST(StartFont, LengthByteNameAndNul) {
  SetStartFont("Times");
  EXPECT_TRUE(s_fontName[0] == 5 && std::string(reinterpret_cast<const char*>(s_fontName + 1)) == "Times");
  SetStartFont(std::string(300, 'x').c_str());  // cut so that the NUL still fits the 256 bytes
  EXPECT_TRUE(s_fontName[0] == 254 && s_fontName[255] == 0);
  SetStartFont("Monaco");
  EXPECT_EQ(s_fontName[0], 6);
}
