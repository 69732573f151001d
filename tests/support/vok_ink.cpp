#include "tests/support/vok_ink.h"

#include <algorithm>

namespace vtest {
namespace {
int nearest(const std::function<bool(int, int)>& inkAt, int x, int y, int limit) {
  for (int d = 0; d <= limit; ++d)
    for (int dy = -d; dy <= d; ++dy)
      for (int dx = -d; dx <= d; ++dx)
        if (inkAt(x + dx, y + dy)) return d;
  return limit + 1;
}
}  // namespace

InkMatch compareInk(const Image& a, const Image& b, int dx, int dy, const InkOptions& how) {
  auto ink = how.ink ? how.ink : [](uint32_t rgb) { return (rgb & 0xFFFFFF) != 0xFFFFFF; };
  auto inA = [&](int x, int y) { return x >= 0 && y >= 0 && x < a.width && y < a.height && ink(a.at(x, y)); };
  auto inB = [&](int x, int y) {
    x += dx, y += dy;
    return x >= 0 && y >= 0 && x < b.width && y < b.height && ink(b.at(x, y));
  };
  InkMatch m;
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x) {
      if (how.skip && how.skip(x, y)) continue;
      bool p = inA(x, y), q = inB(x, y);
      ++m.compared;
      m.inked += p || q;
      m.differing += p != q;
      if (how.skipNearest && how.skipNearest(x, y)) continue;
      if (p) m.farthestA = std::max(m.farthestA, nearest(inB, x, y, how.limit));
      if (q) m.farthestB = std::max(m.farthestB, nearest(inA, x, y, how.limit));
    }
  return m;
}

bool readPNG(const std::string& png, Image* out) { return readPPMVia("pngtopnm '" + png + "'", out); }
}  // namespace vtest
