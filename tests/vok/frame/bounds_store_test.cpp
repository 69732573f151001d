// The remembered window rectangles where a run cannot show them: bad lines
// are skipped, no HOME no memory. Round trips across runs are checked end to
// end (frame_e2e_test.cpp), failed writes in tests/faults.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/paths.h"
#include "tests/support/vok_expect.h"
#include "vok/frame/bounds.h"

namespace {
class BoundsStore : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("HOME");
    oldHome_ = old ? old : "";
    home_ = vtest::scratchDir("bounds-store");
    setenv("HOME", home_.c_str(), 1);
  }
  void TearDown() override { setenv("HOME", oldHome_.c_str(), 1); }
  std::string home_, oldHome_;
};
}  // namespace

TEST_F(BoundsStore, DamagedLinesAreSkippedNotTrusted) {
  ASSERT_TRUE(s_WriteWindowBounds(kTextBoundsID, {23, 0, 767, 250}, "VOK Text Bounds"));
  std::string path = s_WindowBoundsPath();
  vtest::writeFile(path, vtest::readFile(path) +
                             "129 40 0 55\n"                  // too few values
                             "130 10 10 5 100 upside down\n"  // empty rectangle
                             "131 0 0 99999 10 too large\n"   // out of 16-bit range
                             "garbage line\n");
  Rect r = {1, 2, 3, 4};
  for (int id : {int(kInputBoundsID), int(kDrawingBoundsID), 131}) EXPECT_FALSE(s_ReadWindowBounds(id, &r)) << id;
  EXPECT_EQ(r, (Rect{1, 2, 3, 4}));  // untouched by failed reads
  EXPECT_TRUE(s_ReadWindowBounds(kTextBoundsID, &r));
}

TEST_F(BoundsStore, NoHomeMeansNoMemory) {
  unsetenv("HOME");
  Rect r;
  EXPECT_EQ(s_WindowBoundsPath(), nullptr);
  EXPECT_FALSE(s_ReadWindowBounds(kTextBoundsID, &r) || s_WriteWindowBounds(kTextBoundsID, {0, 0, 10, 10}, "x"));
}
