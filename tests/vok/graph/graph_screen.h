// What graph_frame_prog's drawing window shows after each pass, checked on
// a screen picture whose drawing-window content starts at (ox, oy). In
// window pixels the frame spans columns 60 ... 360 and rows 80 ... 320; grid
// lines are grey (every other pixel black), frame lines solid.
#pragma once
#include <gtest/gtest.h>

#include "tests/platform/wm/screen_image.h"

namespace graphtest {

struct Column {
  int black = 0, count = 0;
  double share() const { return count ? double(black) / count : 0; }
};

// Black pixels of window column h over rows top ... bottom - 1 (or of a row).
inline Column columnOf(const vtest::Image& img, int ox, int oy, int h, int top, int bottom) {
  Column c;
  for (int v = top; v < bottom; ++v, ++c.count) c.black += vtest::near(img.at(ox + h, oy + v), 0x000000);
  return c;
}
inline Column rowOf(const vtest::Image& img, int ox, int oy, int v, int left, int right) {
  Column c;
  for (int h = left; h < right; ++h, ++c.count) c.black += vtest::near(img.at(ox + h, oy + v), 0x000000);
  return c;
}
inline int blackIn(const vtest::Image& img, int ox, int oy, int left, int top, int right, int bottom) {
  int n = 0;
  for (int v = top; v < bottom; ++v)
    for (int h = left; h < right; ++h) n += vtest::near(img.at(ox + h, oy + v), 0x000000);
  return n;
}

inline void expectGrey(const Column& c, const char* what) {
  EXPECT_GT(c.share(), 0.35) << what;
  EXPECT_LT(c.share(), 0.75) << what;
}

// The first pass: frame, grid from x = 1 and y = -0.5, numbers, labels, title.
inline void expectFramedGraph(const vtest::Image& img, int ox, int oy) {
  EXPECT_EQ(columnOf(img, ox, oy, 60, 80, 321).black, 241);  // frame sides
  EXPECT_EQ(rowOf(img, ox, oy, 320, 60, 361).black, 301);
  expectGrey(columnOf(img, ox, oy, 135, 81, 320), "grid x = 1");
  expectGrey(rowOf(img, ox, oy, 140, 61, 360), "grid y = 0.5");
  EXPECT_EQ(columnOf(img, ox, oy, 61, 81, 180).black, 0);  // no grid line at x0
  EXPECT_GT(blackIn(img, ox, oy, 45, 325, 76, 345), 10);   // "0.0" under the corner
  EXPECT_GT(blackIn(img, ox, oy, 20, 70, 58, 90), 10);     // "1.0" left of the top corner
  EXPECT_GT(blackIn(img, ox, oy, 150, 40, 270, 58), 40);   // the title above the frame
  EXPECT_GT(blackIn(img, ox, oy, 375, 335, 395, 351), 5);  // "t" of the x label
  EXPECT_GT(blackIn(img, ox, oy, 382, 351, 400, 358), 3);  // its subscript below the baseline
}

// Magnified onto x 1 ... 3, y -0.5 ... 0.5: grid x = 2 in the middle column,
// y = 0 in the middle row, the old frame side gone.
inline void expectMagnified(const vtest::Image& img, int ox, int oy) {
  expectGrey(columnOf(img, ox, oy, 225, 1, 359), "grid x = 2");
  expectGrey(rowOf(img, ox, oy, 180, 1, 449), "grid y = 0");
  EXPECT_LT(columnOf(img, ox, oy, 60, 80, 321).share(), 0.1);
  EXPECT_LT(columnOf(img, ox, oy, 135, 1, 359).share(), 0.1);
}

// Halved about the same centre: x 0 ... 4 across the window, the frame's left
// side on its first column, grid x = 1 at column 112.
inline void expectShrunk(const vtest::Image& img, int ox, int oy) {
  EXPECT_GT(columnOf(img, ox, oy, 0, 0, 360).share(), 0.95);
  expectGrey(columnOf(img, ox, oy, 112, 1, 359), "grid x = 1");
  expectGrey(rowOf(img, ox, oy, 90, 1, 449), "grid y = 0.5");
}

}  // namespace graphtest
