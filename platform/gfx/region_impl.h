// Inside of a region: y-x banded boxes. A band is a run of rows [top, bottom)
// sharing one sorted list of disjoint, non-touching x intervals [x0, x1).
// Bands are sorted, never overlap, and equal neighbours are merged, so two
// equal pixel sets always have equal representations (EqualRgn compares data).
#pragma once
#include "platform/gfx/gfx.h"

#include <algorithm>
#include <cstdint>
#include <vector>

struct OpaqueRgn {
  struct Band {
    int32_t top, bottom;
    uint32_t first, count;  // x pairs xs[first .. first + 2 * count)
  };
  std::vector<Band> bands;
  std::vector<int32_t> xs;
  int32_t left = 0, top = 0, right = 0, bottom = 0;  // bounding box; all 0 when empty
  uint64_t gen = 0;  // changes with every modification (the clip cache keys on it)
};

namespace vokgfx {

// Every region coordinate stays within the 16-bit range of Rect.
constexpr int32_t kCoordMin = -32768, kCoordMax = 32767;
inline int32_t clampCoord(int64_t v) { return v < kCoordMin ? kCoordMin : v > kCoordMax ? kCoordMax : int32_t(v); }

// Maps v from a span [s0, s0 + slen) onto [d0, d0 + dlen) (slen > 0), rounding
// down, so that the map is monotone and a pure scaling for whole factors.
inline int64_t mapCoord(int64_t v, int64_t s0, int64_t slen, int64_t d0, int64_t dlen) {
  int64_t n = (v - s0) * dlen;
  int64_t q = n / slen;
  if ((n % slen != 0) && (n < 0)) --q;
  return d0 + q;
}

// Appends bands top to bottom into a fresh region, merging a band into the
// previous one when they touch and have equal intervals.
class RgnWriter {
 public:
  RgnWriter() = default;
  void band(int32_t top, int32_t bottom, const int32_t* xs, size_t n);  // n ints (2 per interval)
  void finish(OpaqueRgn* dst);  // moves the result into dst
 private:
  OpaqueRgn out_;
};

// Truth tables for rgnCombine, indexed by (inA << 1 | inB).
enum : unsigned { kOpSect = 0x8, kOpUnion = 0xE, kOpDiff = 0x4, kOpXor = 0x6 };
// The one band walker: dst = {p : table(p in a, p in b)}. dst may be a or b.
void rgnCombine(const OpaqueRgn& a, const OpaqueRgn& b, OpaqueRgn* dst, unsigned table);

void rgnSetRect(OpaqueRgn* rgn, long left, long top, long right, long bottom);
void rgnClear(OpaqueRgn* rgn);
uint64_t nextRgnGen();

// Collects spans of a rasterised shape in any order (overlaps allowed) and
// turns them into a region. A span sink for the shape rasterisers.
class SpanRgnBuilder {
 public:
  static constexpr bool kHasDots = false;
  struct Box {
    int left, top, right, bottom;
  };
  SpanRgnBuilder() = default;
  // Keeps only what falls inside limit: for a region that is painted through
  // a clip of that box, so that a huge shape costs what shows of it.
  explicit SpanRgnBuilder(const Box& limit) : limit_(limit) {}
  void span(int y, int x0, int x1) {
    if (y < limit_.top || y >= limit_.bottom) return;
    x0 = std::max(x0, limit_.left), x1 = std::min(x1, limit_.right);
    if (x0 < x1) spans_.push_back({y, x0, x1});
  }
  void rows(int y0, int y1, int x0, int x1) {
    for (int y = std::max(y0, limit_.top), end = std::min(y1, limit_.bottom); y < end; ++y) span(y, x0, x1);
  }
  Box box() const { return limit_; }
  void build(OpaqueRgn* dst);
 private:
  struct S {
    int y, x0, x1;
  };
  Box limit_{kCoordMin, kCoordMin, kCoordMax, kCoordMax};
  std::vector<S> spans_;
};

// Union of rectangles (any order, overlaps allowed) as a region.
struct Box {
  long left, top, right, bottom;
};
void rgnFromBoxes(std::vector<Box>& boxes, OpaqueRgn* dst);

// Rebuilds a region through monotone non-decreasing maps of y and x (offset,
// scaling, clamping), dropping what collapses.
template <class FY, class FX>
void rgnTransform(const OpaqueRgn& src, OpaqueRgn* dst, FY fy, FX fx) {
  RgnWriter w;
  std::vector<int32_t> row;
  for (const auto& b : src.bands) {
    int32_t t = fy(b.top), bt = fy(b.bottom);
    if (t >= bt) continue;
    row.clear();
    for (uint32_t i = 0; i < b.count; ++i) {
      int32_t x0 = fx(src.xs[b.first + 2 * i]), x1 = fx(src.xs[b.first + 2 * i + 1]);
      if (x0 >= x1) continue;
      if (!row.empty() && x0 <= row.back()) {
        if (x1 > row.back()) row.back() = x1;
      } else {
        row.push_back(x0);
        row.push_back(x1);
      }
    }
    w.band(t, bt, row.data(), row.size());
  }
  w.finish(dst);
}

}  // namespace vokgfx
