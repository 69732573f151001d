// Screen pictures decoded by other programs (netpbm's pngtopnm, xwd +
// xwdtopnm) and the checks of what the two-window program draws.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "tests/support/ghostscript.h"

namespace vtest {
inline bool readPNMVia(const std::string& command, Image* img) { return readPPMVia(command + " 2>/dev/null", img); }

inline bool near(unsigned rgb, unsigned want, int tolerance = 24) {
  for (int shift = 0; shift <= 16; shift += 8) {
    int a = int(rgb >> shift & 0xFF), b = int(want >> shift & 0xFF);
    if (a - b > tolerance || b - a > tolerance) return false;
  }
  return true;
}

// What twowin_prog shows, with the virtual screen's (0, 0) at (ox, oy) of the
// image. Alpha (front, red) has content (h 40, v 60)-(340, 260) and a title
// bar; Beta (blue) content (400, 120)-(700, 420) and a one-pixel frame.
inline void expectWindowsDrawn(const Image& img, int ox, int oy) {
  auto px = [&](int h, int v) { return img.at(ox + h, oy + v); };
  const unsigned red = 0xFF0000, blue = 0x0000FF, black = 0, white = 0xFFFFFF, desktop = 0x8C8C8C;
  auto check = [&](int h, int v, unsigned want, const char* what) {
    unsigned got = px(h, v);
    EXPECT_TRUE(near(got, want)) << what << " at (" << h << ", " << v << "): " << std::hex << got;
  };
  check(45, 65, red, "Alpha");
  check(339, 259, red, "Alpha's last pixel");
  check(55, 75, black, "Alpha's square at local (10, 10)-(30, 30)");
  check(405, 125, blue, "Beta");
  check(415, 135, black, "Beta's square");
  check(399, 300, black, "Beta's frame");
  check(300, 40, black, "Alpha's frame, top");
  check(300, 44, black, "a stripe of the active title bar");
  check(300, 45, white, "between stripes");
  check(300, 59, black, "the line under the title bar");
  check(600, 10, white, "the menu bar");
  check(600, 21, black, "the menu bar's lower edge");
  check(600, 450, desktop, "the desktop below Beta");
  // The program's name is written in the menu bar: some dark pixels at its left.
  int dark = 0;
  for (int v = 2; v < 20; ++v)
    for (int h = 10; h < 120; ++h) dark += (px(h, v) & 0xFF) < 0x60;
  EXPECT_GT(dark, 40);
}
}  // namespace vtest
