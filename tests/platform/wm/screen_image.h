// Screen pictures decoded by other programs (netpbm's pngtopnm, xwd +
// xwdtopnm) and the checks of what the two-window program draws.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "tests/support/ghostscript.h"

namespace vtest {
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
  const struct {
    int h, v;
    unsigned want;
    const char* what;
  } probes[] = {
      {45, 65, red, "Alpha"}, {339, 259, red, "Alpha's last pixel"},
      {55, 75, black, "Alpha's square at local (10, 10)-(30, 30)"}, {405, 125, blue, "Beta"},
      {415, 135, black, "Beta's square"}, {399, 300, black, "Beta's frame"}, {300, 40, black, "Alpha's frame, top"},
      {300, 44, black, "a stripe of the active title bar"}, {300, 45, white, "between stripes"},
      {300, 59, black, "the line under the title bar"}, {600, 10, white, "the menu bar"},
      {600, 21, black, "the menu bar's lower edge"}, {600, 450, desktop, "the desktop below Beta"},
  };
  for (const auto& p : probes)
    EXPECT_TRUE(near(px(p.h, p.v), p.want)) << p.what << " at (" << p.h << ", " << p.v << "): " << std::hex << px(p.h, p.v);
  // The program's name is written in the menu bar: some dark pixels at its left.
  int dark = 0;
  for (int v = 2; v < 20; ++v)
    for (int h = 10; h < 120; ++h) dark += (px(h, v) & 0xFF) < 0x60;
  EXPECT_GT(dark, 40);
}
}  // namespace vtest
