// Regions in pictures. The format keeps a region as inversion points: each
// point (x, y) flips every pixel right of and below it, so a band [x0, x1) x
// [y0, y1) is the four corners, and a row of the data lists the x where the
// pixel set changes from the row above. Bands convert to rows by taking the
// symmetric difference of neighbouring rows' edges.
#include <algorithm>

#include "platform/gfx/picture_format.h"

namespace vokpict {
namespace {
constexpr uint16_t kRowEnd = 0x7FFF;

// Sorted edges present in exactly one of a and b.
void symmetricDifference(const std::vector<int32_t>& a, const std::vector<int32_t>& b, std::vector<int32_t>* out) {
  out->clear();
  std::set_symmetric_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(*out));
}

// Calls fn(y, edges) for every row of inversion points, top to bottom.
template <class Fn>
void forEachRow(const OpaqueRgn& rgn, Fn fn) {
  int32_t prevBottom = 0;
  std::vector<int32_t> cur, next, diff;
  for (const auto& b : rgn.bands) {
    next.assign(rgn.xs.begin() + b.first, rgn.xs.begin() + b.first + 2 * b.count);
    if (!cur.empty() && prevBottom != b.top) {  // a gap: the rows above end
      fn(prevBottom, cur);
      cur.clear();
    }
    symmetricDifference(cur, next, &diff);
    if (!diff.empty()) fn(b.top, diff);
    cur.swap(next);
    prevBottom = b.bottom;
  }
  if (!cur.empty()) fn(prevBottom, cur);
}

bool isRectangle(const OpaqueRgn& rgn) {
  return rgn.bands.empty() || (rgn.bands.size() == 1 && rgn.bands[0].count == 1);
}
}  // namespace

size_t regionDataSize(const OpaqueRgn& rgn) {
  if (isRectangle(rgn)) return 10;
  size_t n = 10 + 2;  // size, box and the final end mark
  forEachRow(rgn, [&](int32_t, const std::vector<int32_t>& xs) { n += 2 * (xs.size() + 2); });
  return n;
}

void writeRegion(Writer& w, const OpaqueRgn& rgn, short dh, short dv) {
  size_t size = regionDataSize(rgn);
  w.u16(uint16_t(size));
  if (rgn.bands.empty())
    w.rect(Rect{0, 0, 0, 0});
  else
    w.rect(Rect{short(rgn.top + dv), short(rgn.left + dh), short(rgn.bottom + dv), short(rgn.right + dh)});
  if (size == 10) return;
  forEachRow(rgn, [&](int32_t y, const std::vector<int32_t>& xs) {
    w.i16(y + dv);
    for (int32_t x : xs) w.i16(x + dh);
    w.u16(kRowEnd);
  });
  w.u16(kRowEnd);
}

bool readRegion(Reader& r, OpaqueRgn* dst) {
  size_t start = r.pos();
  uint16_t size = r.u16();
  Rect box = r.rect();
  if (!r.ok() || size < 10) return false;
  if (size == 10) {
    vokgfx::rgnSetRect(dst, box.left, box.top, box.right, box.bottom);
    return true;
  }
  size_t end = start + size;
  vokgfx::RgnWriter out;
  std::vector<int32_t> cur, xs, next;
  bool havePrev = false;
  int32_t prevY = 0;
  while (r.ok() && r.pos() < end) {
    short y = r.i16();
    if (uint16_t(y) == kRowEnd) break;
    xs.clear();
    for (;;) {
      uint16_t x = r.u16();
      if (!r.ok() || x == kRowEnd) break;
      xs.push_back(short(x));
    }
    if (!std::is_sorted(xs.begin(), xs.end()) || std::adjacent_find(xs.begin(), xs.end()) != xs.end()) return false;
    if (havePrev) {
      if (y <= prevY || cur.size() % 2) return false;
      out.band(prevY, y, cur.data(), cur.size());
    }
    symmetricDifference(cur, xs, &next);
    cur.swap(next);
    prevY = y;
    havePrev = true;
  }
  if (!r.ok() || r.pos() != end || !cur.empty()) return false;
  out.finish(dst);
  return true;
}

}  // namespace vokpict
