#include <algorithm>

#include "vok/output/macpaint.h"

namespace {
bool isBlack(uint32_t pixel) {
  unsigned lum = (299 * (pixel >> 16 & 0xFF) + 587 * (pixel >> 8 & 0xFF) + 114 * (pixel & 0xFF)) / 1000;
  return lum < 128;
}
}  // namespace

std::vector<uint8_t> MacPaintBytes(const PixMap& src, const Rect& area) {
  // Header, then at most 73 bytes a row: 72 literal bytes need one count byte.
  std::vector<uint8_t> out(size_t(kMacPaintHeaderBytes) + size_t(kMacPaintHeight) * (kMacPaintRowBytes + 1), 0);
  uint8_t row[kMacPaintRowBytes];
  Ptr dst = reinterpret_cast<Ptr>(out.data() + kMacPaintHeaderBytes);
  for (int y = 0; y < kMacPaintHeight; ++y) {
    std::fill(row, row + kMacPaintRowBytes, 0);
    int sy = area.top + y;
    if (src.baseAddr && sy < area.bottom && sy >= src.bounds.top && sy < src.bounds.bottom) {
      const uint32_t* line = src.baseAddr + long(sy - src.bounds.top) * src.rowPixels;
      for (int x = 0; x < kMacPaintWidth; ++x) {
        int sx = area.left + x;
        if (sx >= area.right || sx < src.bounds.left || sx >= src.bounds.right) continue;
        if (isBlack(line[sx - src.bounds.left])) row[x / 8] |= uint8_t(0x80 >> (x % 8));
      }
    }
    Ptr in = reinterpret_cast<Ptr>(row);
    PackBits(&in, &dst, kMacPaintRowBytes);
  }
  out.resize(size_t(reinterpret_cast<uint8_t*>(dst) - out.data()));
  return out;
}
