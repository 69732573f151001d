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

Image portImage(CGrafPtr port) {
  const PixMap& pm = port->portPixMap;
  Image out;
  out.width = pm.bounds.right - pm.bounds.left, out.height = pm.bounds.bottom - pm.bounds.top;
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) out.rgb.push_back(pm.baseAddr[size_t(y) * size_t(pm.rowPixels) + size_t(x)] & 0xFFFFFF);
  return out;
}

Rect inkBox(const Image& img, Rect area) {
  if (area.top == 0 && area.left == 0 && area.bottom == 0 && area.right == 0)
    area = Rect{0, 0, short(img.height), short(img.width)};
  int l = area.right, t = area.bottom, r = area.left, b = area.top;
  for (int y = std::max<int>(area.top, 0); y < std::min<int>(area.bottom, img.height); ++y)
    for (int x = std::max<int>(area.left, 0); x < std::min<int>(area.right, img.width); ++x)
      if (img.at(x, y) < 0xFFFFFFu) l = std::min(l, x), t = std::min(t, y), r = std::max(r, x + 1), b = std::max(b, y + 1);
  return r <= l ? Rect{0, 0, 0, 0} : Rect{short(t), short(l), short(b), short(r)};
}

long pageMismatches(const Image& page, const Image& drawing, bool landscape, double scale, int dpi, int margin) {
  long bad = 0;
  for (int row = margin; row < page.height - margin; ++row)
    for (int col = margin; col < page.width - margin; ++col) {
      double x = (col + 0.5) * 72 / dpi, y = (row + 0.5) * 72 / dpi;  // points from the paper's top left
      double dx = landscape ? page.height * 72.0 / dpi - y : x, dy = landscape ? x : y;  // the drawing's own
      int i = int(dx / scale), j = int(dy / scale);
      uint32_t want = i < drawing.width && j < drawing.height ? drawing.at(i, j) : 0xFFFFFF;
      bad += page.at(col, row) != want;
    }
  return bad;
}

bool readPNG(const std::string& png, Image* out) { return readPPMVia("pngtopnm '" + png + "'", out); }
}  // namespace vtest
