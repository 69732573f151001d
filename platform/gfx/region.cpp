// Public region operations: making, copying, set operations, queries,
// moving, insetting and mapping. Null handles are ignored (queries answer
// "empty"), so bad input never crashes.
#include <algorithm>

#include "platform/gfx/region_impl.h"

using namespace vokgfx;

RgnHandle NewRgn() {
  auto* r = new OpaqueRgn;
  r->gen = nextRgnGen();
  return r;
}

void DisposeRgn(RgnHandle rgn) { delete rgn; }

void CopyRgn(RgnHandle src, RgnHandle dst) {
  if (!src || !dst || src == dst) return;
  dst->bands = src->bands;
  dst->xs = src->xs;
  dst->left = src->left;
  dst->top = src->top;
  dst->right = src->right;
  dst->bottom = src->bottom;
  dst->gen = nextRgnGen();
}

void SetEmptyRgn(RgnHandle rgn) {
  if (rgn) rgnClear(rgn);
}

void RectRgn(RgnHandle rgn, const Rect* r) {
  if (rgn && r) rgnSetRect(rgn, r->left, r->top, r->right, r->bottom);
}

void SetRectRgn(RgnHandle rgn, short left, short top, short right, short bottom) {
  if (rgn) rgnSetRect(rgn, left, top, right, bottom);
}

void SectRgn(RgnHandle a, RgnHandle b, RgnHandle dst) {
  if (a && b && dst) rgnCombine(*a, *b, dst, kOpSect);
}
void UnionRgn(RgnHandle a, RgnHandle b, RgnHandle dst) {
  if (a && b && dst) rgnCombine(*a, *b, dst, kOpUnion);
}
void DiffRgn(RgnHandle a, RgnHandle b, RgnHandle dst) {
  if (a && b && dst) rgnCombine(*a, *b, dst, kOpDiff);
}
void XorRgn(RgnHandle a, RgnHandle b, RgnHandle dst) {
  if (a && b && dst) rgnCombine(*a, *b, dst, kOpXor);
}

Boolean EmptyRgn(RgnHandle rgn) { return !rgn || rgn->bands.empty(); }

Boolean EqualRgn(RgnHandle a, RgnHandle b) {
  if (!a || !b) return EmptyRgn(a) && EmptyRgn(b);
  if (a->xs != b->xs || a->bands.size() != b->bands.size()) return false;
  for (size_t i = 0; i < a->bands.size(); ++i) {
    const auto &p = a->bands[i], &q = b->bands[i];
    if (p.top != q.top || p.bottom != q.bottom || p.count != q.count) return false;
  }
  return true;
}

Boolean PtInRgn(Point p, RgnHandle rgn) {
  if (!rgn) return false;
  for (const auto& b : rgn->bands) {
    if (p.v < b.top) return false;
    if (p.v >= b.bottom) continue;
    for (uint32_t i = 0; i < b.count; ++i)
      if (p.h >= rgn->xs[b.first + 2 * i] && p.h < rgn->xs[b.first + 2 * i + 1]) return true;
    return false;
  }
  return false;
}

Rect* GetRegionBounds(RgnHandle rgn, Rect* bounds) {
  if (!bounds) return bounds;
  if (!rgn) {
    *bounds = Rect{0, 0, 0, 0};
  } else {
    *bounds = Rect{short(rgn->top), short(rgn->left), short(rgn->bottom), short(rgn->right)};
  }
  return bounds;
}

void RgnForEachRect(RgnHandle rgn, void (*fn)(const Rect* r, void* ctx), void* ctx) {
  if (!rgn || !fn) return;
  for (const auto& b : rgn->bands) {
    for (uint32_t i = 0; i < b.count; ++i) {
      Rect r{short(b.top), short(rgn->xs[b.first + 2 * i]), short(b.bottom), short(rgn->xs[b.first + 2 * i + 1])};
      fn(&r, ctx);
    }
  }
}

int RgnRectCount(RgnHandle rgn) {
  if (!rgn) return 0;
  int n = 0;
  for (const auto& b : rgn->bands) n += int(b.count);
  return n;
}

// Saturates at the 16-bit edge instead of wrapping, so a far move squashes
// the region against the edge rather than turning it inside out.
void OffsetRgn(RgnHandle rgn, short dh, short dv) {
  if (!rgn || rgn->bands.empty() || (dh == 0 && dv == 0)) return;
  rgnTransform(*rgn, rgn, [dv](int32_t y) { return clampCoord(long(y) + dv); },
               [dh](int32_t x) { return clampCoord(long(x) + dh); });
}

namespace {
// Minkowski sum with a (2dh+1) x (2dv+1) box: every interval grows. What
// grows past the 16-bit edge is cut there.
void dilate(const OpaqueRgn& src, OpaqueRgn* dst, long dh, long dv) {
  std::vector<Box> boxes;
  for (const auto& b : src.bands)
    for (uint32_t i = 0; i < b.count; ++i)
      boxes.push_back({src.xs[b.first + 2 * i] - dh, b.top - dv, src.xs[b.first + 2 * i + 1] + dh, b.bottom + dv});
  rgnFromBoxes(boxes, dst);
}

void shiftRows(const OpaqueRgn& src, OpaqueRgn* dst, long dv) {
  rgnTransform(src, dst, [dv](int32_t y) { return clampCoord(int64_t(y) + dv); }, [](int32_t x) { return x; });
}

// Keeps the pixels whose whole row neighbourhood [x - dh, x + dh] is inside.
void erodeAcross(const OpaqueRgn& src, OpaqueRgn* dst, long dh) {
  RgnWriter w;
  std::vector<int32_t> row;
  for (const auto& b : src.bands) {
    row.clear();
    for (uint32_t i = 0; i < b.count; ++i) {
      int64_t x0 = int64_t(src.xs[b.first + 2 * i]) + dh, x1 = int64_t(src.xs[b.first + 2 * i + 1]) - dh;
      if (x0 < x1) row.push_back(int32_t(x0)), row.push_back(int32_t(x1));
    }
    w.band(b.top, b.bottom, row.data(), row.size());
  }
  w.finish(dst);
}

// Keeps the pixels whose column neighbourhood [y - dv, y + dv] is inside:
// the window of 2dv + 1 rows is built by doubling, W(a + b) = W(a) ∩ W(b)
// moved up by a, so the cost grows with log dv.
void erodeDown(const OpaqueRgn& src, OpaqueRgn* dst, long dv) {
  long left = 2 * dv + 1, have = 0, m = 1;
  OpaqueRgn acc, power = src, moved;
  while (left > 0) {
    if (left & 1) {
      if (have == 0) {
        acc = power;
      } else {
        shiftRows(power, &moved, -have);
        rgnCombine(acc, moved, &acc, kOpSect);
      }
      have += m;
    }
    left >>= 1;
    if (left > 0) {
      shiftRows(power, &moved, -m);
      rgnCombine(power, moved, &power, kOpSect);
      m *= 2;
    }
  }
  shiftRows(acc, dst, dv);
}
}  // namespace

// Across first, then down: a positive amount keeps the pixels whose whole
// neighbourhood is inside, a negative one adds every neighbour.
void InsetRgn(RgnHandle rgn, short dh, short dv) {
  if (!rgn || rgn->bands.empty()) return;
  if (dh > 0) erodeAcross(*rgn, rgn, dh);
  if (dh < 0) dilate(*rgn, rgn, -long(dh), 0);
  if (dv > 0) erodeDown(*rgn, rgn, dv);
  if (dv < 0) dilate(*rgn, rgn, 0, -long(dv));
}

// Maps every band edge like MapPt.
void MapRgn(RgnHandle rgn, const Rect* src, const Rect* dst) {
  if (!rgn || !src || !dst) return;
  long sw = src->right - src->left, sh = src->bottom - src->top;
  long dw = dst->right - dst->left, dh = dst->bottom - dst->top;
  if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
  rgnTransform(*rgn, rgn, [=](int32_t y) { return clampCoord(mapCoord(y, src->top, sh, dst->top, dh)); },
               [=](int32_t x) { return clampCoord(mapCoord(x, src->left, sw, dst->left, dw)); });
}
