// For test programs: a drawing to save or print, and the drawing window's
// pixels as a PPM file, the reference that outputs are compared with.
#pragma once
#include <cstdio>
#include <string>

#include "platform/gfx/gfx.h"
#include "vok/draw/drawing_window.h"

namespace vtest {
// Draws in the current port a black rectangle (40..200, 60..300), a red
// oval (300..420, 100..180), a rectangle in `third` (500..560, 400..560) and
// a black 3-pixel line from (30, 690) to (540, 640).
inline void drawTestShapesHere(const RGBColor& third) {
  Rect a = {40, 60, 200, 300};
  PaintRect(&a);
  RGBColor red = {65535, 0, 0};
  RGBForeColor(&red);
  Rect b = {300, 100, 420, 180};
  PaintOval(&b);
  RGBForeColor(&third);
  Rect c = {500, 400, 560, 560};
  PaintRect(&c);
  ForeColor(blackColor);
  PenSize(3, 3);
  MoveTo(30, 690);
  LineTo(540, 640);
  PenNormal();
}

// The same shapes on the erased drawing window.
inline void drawTestShapes(const RGBColor& third) {
  s_SetGWorld(s_drawingWindow, nullptr);
  EraseDrawing();
  drawTestShapesHere(third);
}

inline bool writeDrawingPPM(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || !s_drawingPort) return f ? (std::fclose(f), false) : false;
  const PixMap& pm = s_drawingPort->portPixMap;
  int w = pm.bounds.right - pm.bounds.left, h = pm.bounds.bottom - pm.bounds.top;
  std::fprintf(f, "P6\n%d %d\n255\n", w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint32_t p = pm.baseAddr[size_t(y) * size_t(pm.rowPixels) + size_t(x)];
      unsigned char rgb[3] = {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)};
      std::fwrite(rgb, 1, 3, f);
    }
  return std::fclose(f) == 0;
}
}  // namespace vtest
