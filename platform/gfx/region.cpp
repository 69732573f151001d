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

Boolean RectInRgn(const Rect* r, RgnHandle rgn) {
  if (!r || !rgn) return false;
  OpaqueRgn box, common;
  rgnSetRect(&box, r->left, r->top, r->right, r->bottom);
  rgnCombine(box, *rgn, &common, kOpSect);
  return !common.bands.empty();
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
// Minkowski sum with a (2dh+1) x (2dv+1) box: every interval grows.
void dilate(const OpaqueRgn& src, OpaqueRgn* dst, long dh, long dv) {
  std::vector<Box> boxes;
  for (const auto& b : src.bands)
    for (uint32_t i = 0; i < b.count; ++i)
      boxes.push_back({src.xs[b.first + 2 * i] - dh, b.top - dv, src.xs[b.first + 2 * i + 1] + dh, b.bottom + dv});
  rgnFromBoxes(boxes, dst);
}

// Erosion is the complement of the dilated complement.
void erode(const OpaqueRgn& src, OpaqueRgn* dst, long dh, long dv) {
  OpaqueRgn frame, outside, grown;
  rgnSetRect(&frame, src.left - dh - 1, src.top - dv - 1, src.right + dh + 1, src.bottom + dv + 1);
  rgnCombine(frame, src, &outside, kOpDiff);
  dilate(outside, &grown, dh, dv);
  rgnCombine(src, grown, dst, kOpDiff);
}

void insetAxis(OpaqueRgn* rgn, long dh, long dv) {
  if (dh > 0 || dv > 0)
    erode(*rgn, rgn, std::max(dh, 0L), std::max(dv, 0L));
  else if (dh < 0 || dv < 0)
    dilate(*rgn, rgn, -std::min(dh, 0L), -std::min(dv, 0L));
}
}  // namespace

void InsetRgn(RgnHandle rgn, short dh, short dv) {
  if (!rgn || rgn->bands.empty()) return;
  insetAxis(rgn, dh, 0);
  insetAxis(rgn, 0, dv);
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
