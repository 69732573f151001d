// Rectangle and point arithmetic, and the mapping of points and rectangles
// from one rectangle onto another. Results saturate at the 16-bit edge
// instead of wrapping (a wrapped rectangle would turn inside out).
#include <algorithm>

#include "platform/gfx/gfx_internal.h"

using vokgfx::clampCoord;

namespace {
inline short sat(long v) { return short(clampCoord(v)); }
}  // namespace

void SetRect(Rect* r, short left, short top, short right, short bottom) {
  if (r) *r = Rect{top, left, bottom, right};
}

void OffsetRect(Rect* r, short dh, short dv) {
  if (!r) return;
  *r = Rect{sat(long(r->top) + dv), sat(long(r->left) + dh), sat(long(r->bottom) + dv), sat(long(r->right) + dh)};
}

void InsetRect(Rect* r, short dh, short dv) {
  if (!r) return;
  *r = Rect{sat(long(r->top) + dv), sat(long(r->left) + dh), sat(long(r->bottom) - dv), sat(long(r->right) - dh)};
}

Boolean EmptyRect(const Rect* r) { return !r || r->right <= r->left || r->bottom <= r->top; }

Boolean SectRect(const Rect* a, const Rect* b, Rect* dst) {
  if (!a || !b) {
    if (dst) *dst = Rect{0, 0, 0, 0};
    return false;
  }
  Rect s{std::max(a->top, b->top), std::max(a->left, b->left), std::min(a->bottom, b->bottom),
         std::min(a->right, b->right)};
  bool ok = s.left < s.right && s.top < s.bottom;
  if (dst) *dst = ok ? s : Rect{0, 0, 0, 0};
  return ok;
}

Boolean PtInRect(Point p, const Rect* r) {
  return r && p.h >= r->left && p.h < r->right && p.v >= r->top && p.v < r->bottom;
}

void AddPt(Point src, Point* dst) {
  if (dst) *dst = Point{sat(long(dst->v) + src.v), sat(long(dst->h) + src.h)};
}

// h' = dst.left + (h - src.left) * dstWidth / srcWidth, rounded down; an
// empty source or destination rectangle leaves the point alone.
void MapPt(Point* pt, const Rect* src, const Rect* dst) {
  if (!pt || !src || !dst) return;
  long sw = src->right - src->left, sh = src->bottom - src->top;
  long dw = dst->right - dst->left, dh = dst->bottom - dst->top;
  if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
  pt->h = sat(vokgfx::mapCoord(pt->h, src->left, sw, dst->left, dw));
  pt->v = sat(vokgfx::mapCoord(pt->v, src->top, sh, dst->top, dh));
}

void MapRect(Rect* r, const Rect* src, const Rect* dst) {
  if (!r) return;
  Point tl{r->top, r->left}, br{r->bottom, r->right};
  MapPt(&tl, src, dst);
  MapPt(&br, src, dst);
  *r = Rect{tl.v, tl.h, br.v, br.h};
}
