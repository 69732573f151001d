// Region storage and the one band walker behind union, intersection,
// difference and xor; builders from spans and from rectangle lists.
#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/gfx/region_impl.h"

namespace vokgfx {

uint64_t nextRgnGen() {
  static uint64_t gen = 0;
  return ++gen;
}

void RgnWriter::band(int32_t top, int32_t bottom, const int32_t* xs, size_t n) {
  if (top >= bottom || n == 0) return;
  if (!out_.bands.empty()) {
    OpaqueRgn::Band& prev = out_.bands.back();
    if (prev.bottom == top && prev.count * 2 == n &&
        std::equal(xs, xs + n, out_.xs.begin() + prev.first)) {
      prev.bottom = bottom;
      return;
    }
  }
  out_.bands.push_back({top, bottom, uint32_t(out_.xs.size()), uint32_t(n / 2)});
  out_.xs.insert(out_.xs.end(), xs, xs + n);
}

void RgnWriter::finish(OpaqueRgn* dst) {
  OpaqueRgn& r = out_;
  if (r.bands.empty()) {
    r.left = r.top = r.right = r.bottom = 0;
  } else {
    r.top = r.bands.front().top;
    r.bottom = r.bands.back().bottom;
    r.left = INT32_MAX;
    r.right = INT32_MIN;
    for (const auto& b : r.bands) {
      r.left = std::min(r.left, r.xs[b.first]);
      r.right = std::max(r.right, r.xs[b.first + 2 * b.count - 1]);
    }
  }
  dst->bands.swap(r.bands);
  dst->xs.swap(r.xs);
  dst->left = r.left;
  dst->top = r.top;
  dst->right = r.right;
  dst->bottom = r.bottom;
  dst->gen = nextRgnGen();
  r.bands.clear();
  r.xs.clear();
}

void rgnClear(OpaqueRgn* rgn) {
  rgn->bands.clear();
  rgn->xs.clear();
  rgn->left = rgn->top = rgn->right = rgn->bottom = 0;
  rgn->gen = nextRgnGen();
}

void rgnSetRect(OpaqueRgn* rgn, long left, long top, long right, long bottom) {
  int32_t l = clampCoord(left), t = clampCoord(top), r = clampCoord(right), b = clampCoord(bottom);
  rgnClear(rgn);
  if (l >= r || t >= b) return;
  rgn->bands.push_back({t, b, 0, 1});
  rgn->xs = {l, r};
  rgn->left = l;
  rgn->top = t;
  rgn->right = r;
  rgn->bottom = b;
}

namespace {
// Merges two interval lists of one band through the truth table.
void combineRow(const int32_t* xa, size_t na, const int32_t* xb, size_t nb, unsigned table,
                std::vector<int32_t>* out) {
  out->clear();
  size_t i = 0, j = 0;
  unsigned inA = 0, inB = 0;
  bool on = false;
  while (i < na || j < nb) {
    int32_t x = std::min(i < na ? xa[i] : INT32_MAX, j < nb ? xb[j] : INT32_MAX);
    while (i < na && xa[i] == x) inA ^= 1, ++i;
    while (j < nb && xb[j] == x) inB ^= 1, ++j;
    bool now = (table >> (inA << 1 | inB)) & 1;
    if (now != on) {
      out->push_back(x);
      on = now;
    }
  }
}
}  // namespace

// Walks the y breakpoints of both regions; between two breakpoints each
// region contributes one band (or nothing), and the rows are merged.
void rgnCombine(const OpaqueRgn& a, const OpaqueRgn& b, OpaqueRgn* dst, unsigned table) {
  RgnWriter w;
  std::vector<int32_t> row;
  const auto &A = a.bands, &B = b.bands;
  size_t ia = 0, ib = 0, na = A.size(), nb = B.size();
  int32_t y = std::min(na ? A[0].top : INT32_MAX, nb ? B[0].top : INT32_MAX);
  for (;;) {
    while (ia < na && A[ia].bottom <= y) ++ia;
    while (ib < nb && B[ib].bottom <= y) ++ib;
    if (ia >= na && ib >= nb) break;
    bool inA = ia < na && A[ia].top <= y, inB = ib < nb && B[ib].top <= y;
    int32_t next = INT32_MAX;
    if (ia < na) next = std::min(next, inA ? A[ia].bottom : A[ia].top);
    if (ib < nb) next = std::min(next, inB ? B[ib].bottom : B[ib].top);
    if (inA || inB) {
      const int32_t* xa = inA ? &a.xs[A[ia].first] : nullptr;
      const int32_t* xb = inB ? &b.xs[B[ib].first] : nullptr;
      combineRow(xa, inA ? 2 * A[ia].count : 0, xb, inB ? 2 * B[ib].count : 0, table, &row);
      w.band(y, next, row.data(), row.size());
    }
    y = next;
  }
  w.finish(dst);
}

void SpanRgnBuilder::build(OpaqueRgn* dst) {
  std::sort(spans_.begin(), spans_.end(),
            [](const S& p, const S& q) { return p.y != q.y ? p.y < q.y : p.x0 < q.x0; });
  RgnWriter w;
  std::vector<int32_t> row;
  for (size_t i = 0; i < spans_.size();) {
    int y = spans_[i].y;
    row.clear();
    for (; i < spans_.size() && spans_[i].y == y; ++i) {
      int32_t x0 = clampCoord(spans_[i].x0), x1 = clampCoord(spans_[i].x1);
      if (x0 >= x1) continue;
      if (!row.empty() && x0 <= row.back()) {
        row.back() = std::max(row.back(), x1);
      } else {
        row.push_back(x0);
        row.push_back(x1);
      }
    }
    if (y >= kCoordMin && y < kCoordMax) w.band(y, y + 1, row.data(), row.size());
  }
  w.finish(dst);
  spans_.clear();
}

// Sweeps the distinct y edges with a list of the boxes covering the current
// band, kept in left-edge order; each band merges their x intervals.
void rgnFromBoxes(std::vector<Box>& boxes, OpaqueRgn* dst) {
  std::vector<int32_t> ys;
  std::vector<Box> live;
  for (Box& b : boxes) {
    b = {clampCoord(b.left), clampCoord(b.top), clampCoord(b.right), clampCoord(b.bottom)};
    if (b.left < b.right && b.top < b.bottom) {
      live.push_back(b);
      ys.push_back(int32_t(b.top));
      ys.push_back(int32_t(b.bottom));
    }
  }
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  std::sort(live.begin(), live.end(), [](const Box& p, const Box& q) { return p.top < q.top; });
  auto byLeft = [](const Box& p, const Box& q) { return p.left < q.left; };
  RgnWriter w;
  std::vector<int32_t> row;
  std::vector<Box> active;
  size_t nextBox = 0;
  for (size_t k = 0; k + 1 < ys.size(); ++k) {
    active.erase(std::remove_if(active.begin(), active.end(), [&](const Box& b) { return b.bottom <= ys[k]; }),
                 active.end());
    for (; nextBox < live.size() && live[nextBox].top <= ys[k]; ++nextBox)
      active.insert(std::upper_bound(active.begin(), active.end(), live[nextBox], byLeft), live[nextBox]);
    row.clear();
    for (const Box& b : active) {
      if (!row.empty() && b.left <= row.back()) {
        row.back() = std::max<int32_t>(row.back(), int32_t(b.right));
      } else {
        row.push_back(int32_t(b.left));
        row.push_back(int32_t(b.right));
      }
    }
    w.band(ys[k], ys[k + 1], row.data(), row.size());
  }
  w.finish(dst);
}

}  // namespace vokgfx
