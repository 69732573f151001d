// Rasterisers of every shape, as templates over a span sink (the Painter, or
// a SpanRgnBuilder when a shape becomes a region). A sink has
// span(y, x0, x1), rows(y0, y1, x0, x1) and box() (where spans can land at
// all, so per-pixel work is bounded by the clip). Round shapes are sampled at
// pixel centres, so a shape and its rectangle agree: right and bottom exclusive.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace vokgfx {

struct IRect {
  int left, top, right, bottom;
  bool empty() const { return right <= left || bottom <= top; }
};

// A rectangle with elliptic corners of radii a (across) and c (down); an oval
// when the corners are half the rectangle.
struct RoundShape {
  IRect r;
  double a, c;
  // The row's covered pixels [x0, x1), false when none.
  bool spanAt(int y, int* x0, int* x1) const {
    if (y < r.top || y >= r.bottom) return false;
    double inset = 0;
    if (a > 0 && c > 0) {
      double yc = y + 0.5, d = 0;
      if (yc < r.top + c)
        d = r.top + c - yc;
      else if (yc > r.bottom - c)
        d = yc - (r.bottom - c);
      if (d > 0) {
        double q = d / c;
        inset = a - a * std::sqrt(std::max(0.0, 1 - q * q));
      }
    }
    *x0 = int(std::ceil(r.left + inset - 0.5));
    *x1 = int(std::floor(r.right - inset - 0.5)) + 1;
    return *x0 < *x1;
  }
};

// Corner sizes are clipped to the rectangle; 0 gives square corners.
inline RoundShape makeRound(const IRect& r, int ovalW, int ovalH) {
  int w = r.right - r.left, h = r.bottom - r.top;
  ovalW = std::min(std::max(ovalW, 0), w);
  ovalH = std::min(std::max(ovalH, 0), h);
  if (ovalW == 0 || ovalH == 0) return RoundShape{r, 0, 0};
  return RoundShape{r, ovalW / 2.0, ovalH / 2.0};
}
inline RoundShape makeOval(const IRect& r) { return makeRound(r, r.right - r.left, r.bottom - r.top); }

// Rows of r that the sink can take at all.
template <class Sink>
void rowsIn(const Sink& s, const IRect& r, int* y0, int* y1) {
  auto box = s.box();
  *y0 = std::max(r.top, box.top);
  *y1 = std::min(r.bottom, box.bottom);
}

template <class Sink>
void rasterRound(Sink& s, const RoundShape& shape) {
  if (shape.r.empty()) return;
  int y0, y1;
  rowsIn(s, shape.r, &y0, &y1);
  for (int y = y0; y < y1; ++y) {
    int x0, x1;
    if (shape.spanAt(y, &x0, &x1)) s.span(y, x0, x1);
  }
}

// Outline of a round shape drawn with a pen (pw, ph) inside it: the shape
// minus the same shape inset by the pen, with corners shrunk alike.
template <class Emit>
void roundFrameRows(const RoundShape& outer, int pw, int ph, int yFrom, int yTo, Emit emit) {
  if (outer.r.empty()) return;
  IRect in{outer.r.left + pw, outer.r.top + ph, outer.r.right - pw, outer.r.bottom - ph};
  bool hasInner = !in.empty();
  RoundShape inner{in, outer.a > 0 ? std::max(0.0, outer.a - pw) : 0, outer.c > 0 ? std::max(0.0, outer.c - ph) : 0};
  if (inner.a == 0 || inner.c == 0) inner.a = inner.c = 0;
  for (int y = std::max(yFrom, outer.r.top); y < std::min(yTo, int(outer.r.bottom)); ++y) {
    int o0, o1, i0, i1;
    if (!outer.spanAt(y, &o0, &o1)) continue;
    if (hasInner && inner.spanAt(y, &i0, &i1)) {
      emit(y, o0, std::min(i0, o1));
      emit(y, std::max(i1, o0), o1);
    } else {
      emit(y, o0, o1);
    }
  }
}

template <class Sink>
void rasterRoundFrame(Sink& s, const RoundShape& outer, int pw, int ph) {
  auto box = s.box();
  roundFrameRows(outer, pw, ph, box.top, box.bottom, [&](int y, int a, int b) {
    if (a < b) s.span(y, a, b);
  });
}

template <class Sink>
void rasterRectFrame(Sink& s, const IRect& r, int pw, int ph) {
  if (r.empty()) return;
  if (2 * pw >= r.right - r.left || 2 * ph >= r.bottom - r.top) {
    s.rows(r.top, r.bottom, r.left, r.right);
    return;
  }
  s.rows(r.top, r.top + ph, r.left, r.right);
  for (int y = r.top + ph; y < r.bottom - ph; ++y) {
    s.span(y, r.left, r.left + pw);
    s.span(y, r.right - pw, r.right);
  }
  s.rows(r.bottom - ph, r.bottom, r.left, r.right);
}

// Angles in degrees, 0 at 12 o'clock, clockwise positive, measured in the
// rectangle's own proportions (45 degrees points at a corner).
struct Sector {
  bool full = false, none = false, wide = false;  // wide: more than 180 degrees
  double sx = 0, sy = 0, ex = 0, ey = 0;          // start and end directions
  double cx = 0, cy = 0, rx = 1, ry = 1;

  Sector(const IRect& r, int start, int arc) {
    cx = (r.left + r.right) / 2.0;
    cy = (r.top + r.bottom) / 2.0;
    rx = std::max(1e-9, (r.right - r.left) / 2.0);
    ry = std::max(1e-9, (r.bottom - r.top) / 2.0);
    if (arc == 0) {
      none = true;
      return;
    }
    if (arc >= 360 || arc <= -360) {
      full = true;
      return;
    }
    if (arc < 0) start += arc, arc = -arc;
    start = ((start % 360) + 360) % 360;
    const double kRad = 3.14159265358979323846 / 180;
    double s = start * kRad, e = (start + arc) * kRad;
    sx = std::sin(s), sy = -std::cos(s), ex = std::sin(e), ey = -std::cos(e);
    wide = arc > 180;
  }
  // Clockwise from the start ray (included) to the end ray (excluded).
  bool inside(int x, int y) const {
    if (full) return true;
    double px = (x + 0.5 - cx) / rx, py = (y + 0.5 - cy) / ry;
    bool afterStart = sx * py - sy * px >= 0, beforeEnd = px * ey - py * ex > 0;
    if (!wide) return afterStart && beforeEnd;
    bool afterEnd = ex * py - ey * px >= 0, beforeStart = px * sy - py * sx > 0;
    return !(afterEnd && beforeStart);
  }
};

// Cuts a span into the runs that lie in the sector.
template <class Sink>
void sectorSpan(Sink& s, const Sector& sec, int y, int x0, int x1) {
  auto box = s.box();
  if (y < box.top || y >= box.bottom) return;
  x0 = std::max(x0, box.left);
  x1 = std::min(x1, box.right);
  if (sec.none || x0 >= x1) return;
  if (sec.full) {
    s.span(y, x0, x1);
    return;
  }
  int runStart = -1;
  for (int x = x0; x < x1; ++x) {
    bool in = sec.inside(x, y);
    if (in && runStart < 0) runStart = x;
    if (!in && runStart >= 0) s.span(y, runStart, x), runStart = -1;
  }
  if (runStart >= 0) s.span(y, runStart, x1);
}

// A wedge of the oval in r (paint) or of its outline drawn with the pen (frame).
template <class Sink>
void rasterArc(Sink& s, const IRect& r, int start, int arc, bool frame, int pw, int ph) {
  if (r.empty()) return;
  Sector sec(r, start, arc);
  RoundShape oval = makeOval(r);
  int y0, y1;
  rowsIn(s, r, &y0, &y1);
  if (frame) {
    roundFrameRows(oval, pw, ph, y0, y1, [&](int y, int a, int b) { sectorSpan(s, sec, y, a, b); });
  } else {
    for (int y = y0; y < y1; ++y) {
      int x0, x1;
      if (oval.spanAt(y, &x0, &x1)) sectorSpan(s, sec, y, x0, x1);
    }
  }
}

struct IEdge {
  int x0, y0, x1, y1;  // y0 < y1
};

// Even-odd fill of closed edge sets, sampled at pixel corners: pixel (x, y)
// is inside when the point (x, y) is, with edges on the left and top inside
// and edges on the right and bottom outside, exactly like a rectangle.
// Vertices are pixel corners, so a polygon of a rectangle's four corners
// paints that rectangle's pixels.
template <class Sink>
void rasterEdges(Sink& s, std::vector<IEdge>& edges) {
  if (edges.empty()) return;
  std::sort(edges.begin(), edges.end(), [](const IEdge& a, const IEdge& b) { return a.y0 < b.y0; });
  int yEnd = edges[0].y1;
  for (const IEdge& e : edges) yEnd = std::max(yEnd, e.y1);
  auto box = s.box();
  yEnd = std::min(yEnd, box.bottom);
  // Scratch kept between calls: a shape is often a few pixels (a surface
  // cell), where allocating these would cost more than filling.
  static thread_local std::vector<const IEdge*> active;
  static thread_local std::vector<int> xs;
  active.clear();
  size_t next = 0;
  for (int y = std::max(edges[0].y0, box.top); y < yEnd; ++y) {
    active.erase(std::remove_if(active.begin(), active.end(), [y](const IEdge* e) { return e->y1 <= y; }),
                 active.end());
    for (; next < edges.size() && edges[next].y0 <= y; ++next)
      if (edges[next].y1 > y) active.push_back(&edges[next]);
    if (active.empty()) {
      if (next < edges.size()) y = edges[next].y0 - 1;
      continue;
    }
    xs.clear();
    for (const IEdge* e : active) {
      // ceil(x0 + (x1 - x0) * (y - y0) / (y1 - y0)), exactly.
      int64_t dy = e->y1 - e->y0, num = int64_t(e->x0) * dy + int64_t(e->x1 - e->x0) * (y - e->y0);
      int64_t q = num / dy;
      if (num % dy != 0 && num > 0) ++q;
      xs.push_back(int(q));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t i = 0; i + 1 < xs.size(); i += 2)
      if (xs[i] < xs[i + 1]) s.span(y, xs[i], xs[i + 1]);
  }
}

inline void addEdge(std::vector<IEdge>& edges, int x0, int y0, int x1, int y1) {
  if (y0 == y1) return;
  if (y0 > y1) std::swap(x0, x1), std::swap(y0, y1);
  edges.push_back({x0, y0, x1, y1});
}

// The Bresenham path from (0, 0) to (dh, dv), dv > 0, as one run per row:
// calls run(i, lo, hi) for rows i = 0..dv in order, lo <= hi the run's h
// offsets (both included). Points are the exact line rounded half up.
template <class Run>
void pathRuns(int dh, int dv, Run run) {
  int adh = std::abs(dh), step = dh < 0 ? -1 : 1;
  if (adh <= dv) {  // one point per row: h = round(i * adh / dv)
    int64_t twoDv = 2 * int64_t(dv), rem = dv;
    int q = 0;
    for (int i = 0; i <= dv; ++i) {
      run(i, step * q, step * q);
      for (rem += 2 * int64_t(adh); rem >= twoDv; rem -= twoDv) ++q;
    }
    return;
  }
  // Several points per row: v = round(k * dv / adh) for k = 0..adh.
  int64_t twoAdh = 2 * int64_t(adh), rem = adh;
  int row = 0, first = 0;
  for (int k = 0; k <= adh; ++k) {
    rem += 2 * int64_t(dv);
    bool rowEnds = k == adh || rem >= twoAdh;
    if (!rowEnds) continue;
    int a = step * first, b = step * k;
    run(row, std::min(a, b), std::max(a, b));
    rem -= twoAdh;
    ++row;
    first = k + 1;
  }
}

// The same path point by point: calls dot(i, h) for every point, i the row
// offset and h the column offset, in the order of pathRuns.
template <class Dot>
void pathPoints(int dh, int dv, Dot dot) {
  int adh = std::abs(dh), step = dh < 0 ? -1 : 1;
  if (adh <= dv) {
    int64_t twoDv = 2 * int64_t(dv), rem = dv;
    int q = 0;
    for (int i = 0; i <= dv; ++i) {
      dot(i, step * q);
      for (rem += 2 * int64_t(adh); rem >= twoDv; rem -= twoDv) ++q;
    }
    return;
  }
  int64_t twoAdh = 2 * int64_t(adh), rem = adh;
  int row = 0;
  for (int k = 0; k <= adh; ++k) {
    dot(row, step * k);
    rem += 2 * int64_t(dv);
    if (rem >= twoAdh) rem -= twoAdh, ++row;
  }
}

// A line from (h0, v0) to (h1, v1), both ends included, drawn with a pw x ph
// pen hanging below and right of each point of the path. Each row of the
// result is one span: the path is monotone, so the pens reaching a row form
// one run.
template <class Sink>
void rasterLine(Sink& s, int h0, int v0, int h1, int v1, int pw, int ph) {
  if (pw <= 0 || ph <= 0) return;
  if (v1 < v0 || (v1 == v0 && h1 < h0)) std::swap(h0, h1), std::swap(v0, v1);
  int dv = v1 - v0, dh = h1 - h0;
  if (dv == 0) {
    s.rows(v0, v0 + ph, h0, h1 + pw);
    return;
  }
  if (dh == 0) {
    s.rows(v0, v1 + ph, h0, h0 + pw);
    return;
  }
  if constexpr (Sink::kHasDots) {
    // The common graph line (one-pixel pen, solid colour, rectangular clip)
    // writes the path's points directly.
    if (pw == 1 && ph == 1 && s.solidDots()) {
      auto dot = s.dots();
      pathPoints(dh, dv, [&](int i, int h) { dot(h0 + h, v0 + i); });
      return;
    }
  }
  if (ph == 1) {
    pathRuns(dh, dv, [&](int i, int lo, int hi) { s.span(v0 + i, h0 + lo, h0 + hi + pw); });
    return;
  }
  // Taller pens: row y gathers the runs of rows y - ph + 1 .. y, whose
  // leftmost and rightmost points are at the two ends of that window.
  static std::vector<int> runs;
  runs.resize(2 * size_t(dv + 1));
  pathRuns(dh, dv, [&](int i, int lo, int hi) {
    runs[2 * size_t(i)] = lo;
    runs[2 * size_t(i) + 1] = hi;
  });
  for (int y = v0; y < v1 + ph; ++y) {
    size_t first = size_t(std::max(0, y - ph + 1 - v0)), last = size_t(std::min(dv, y - v0));
    int lo = std::min(runs[2 * first], runs[2 * last]), hi = std::max(runs[2 * first + 1], runs[2 * last + 1]);
    s.span(y, h0 + lo, h0 + hi + pw);
  }
}

}  // namespace vokgfx
