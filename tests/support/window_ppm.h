// For test programs: the drawing window's pixels as a PPM file, the
// reference that saved, printed and decoded outputs are compared with.
#pragma once
#include <cstdio>
#include <string>

#include "vok/draw/drawing_window.h"

namespace vtest {
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
