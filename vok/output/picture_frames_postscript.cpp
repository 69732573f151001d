// Frames and wide lines for vector printing. The screen draws a frame
// inside its shape as the shape minus itself inset by the pen, and a line
// as the pen rectangle swept along it; printing fills those same areas
// (even-odd between a shape and its inset copy) instead of stroking the
// outline with a hairline.
#include <algorithm>
#include <array>
#include <cmath>

#include "vok/draw/postscript.h"
#include "vok/output/picture_postscript_parts.h"

namespace {
struct Corner {
  double h, v;
};

// A rectangle, with elliptic corners when both radii are positive.
void roundPath(double left, double top, double right, double bottom, double a, double c) {
  if (a > 0 && c > 0) return s_PSRRectPath(left, top, right, bottom, a, c);
  s_PSPrintf("%f %f moveto\n%f %f lineto\n%f %f lineto\n%f %f lineto\nclosepath\n", left, top, right, top, right,
             bottom, left, bottom);
}

// The outer shape and, unless the pen fills it, the shape inset by the pen
// with its corners shrunk alike: their even-odd fill is the frame.
void ringPath(const Rect& r, double a, double c, Point pen) {
  roundPath(r.left, r.top, r.right, r.bottom, a, c);
  int left = r.left + pen.h, top = r.top + pen.v, right = r.right - pen.h, bottom = r.bottom - pen.v;
  if (right <= left || bottom <= top) return;
  double ia = std::max(0.0, a - pen.h), ic = std::max(0.0, c - pen.v);
  if (ia == 0 || ic == 0) ia = ic = 0;
  roundPath(left, top, right, bottom, ia, ic);
}

// Convex hull of the pen's corners at both ends (monotone chain).
void sweepPath(Point from, Point to, Point pen) {
  std::array<Corner, 8> pts;
  int n = 0;
  for (Point p : {from, to})
    for (int dh : {0, int(pen.h)})
      for (int dv : {0, int(pen.v)}) pts[size_t(n++)] = {double(p.h + dh), double(p.v + dv)};
  std::sort(pts.begin(), pts.end(),
            [](const Corner& a, const Corner& b) { return a.h < b.h || (a.h == b.h && a.v < b.v); });
  auto cross = [](const Corner& o, const Corner& a, const Corner& b) {
    return (a.h - o.h) * (b.v - o.v) - (a.v - o.v) * (b.h - o.h);
  };
  std::array<Corner, 16> hull;
  int k = 0;
  for (int i = 0; i < 8; ++i) {
    while (k >= 2 && cross(hull[size_t(k - 2)], hull[size_t(k - 1)], pts[size_t(i)]) <= 0) --k;
    hull[size_t(k++)] = pts[size_t(i)];
  }
  for (int i = 6, lower = k + 1; i >= 0; --i) {
    while (k >= lower && cross(hull[size_t(k - 2)], hull[size_t(k - 1)], pts[size_t(i)]) <= 0) --k;
    hull[size_t(k++)] = pts[size_t(i)];
  }
  for (int i = 0; i + 1 < k; ++i)
    s_PSPrintf("%.0f %.0f %s\n", hull[size_t(i)].h, hull[size_t(i)].v, i ? "lineto" : "moveto");
  s_PSPrintf("closepath\n");
}

void paintRect(const Rect* r, void*) { s_PSRect(kQDGrafVerbPaint, r); }
}  // namespace

void s_PSPenLine(Point from, Point to, Point pen) {
  if (pen.h <= 1 && pen.v <= 1) {
    s_PSMoveTo(from.h, from.v);
    s_PSLine(to);
    return;
  }
  sweepPath(from, to, pen);
  s_PSPrintf("fill\n");
  s_PSMoveTo(to.h, to.v);
}

void s_PSPenFrameRound(const Rect& r, double a, double c, Point pen) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  ringPath(r, a, c, pen);
  s_PSPrintf("eofill\n");
}

// The oval's frame cut to the arc's wedge. The wedge is drawn as the EPS
// writer draws a painted arc (a circle scaled to the oval, so that angles
// follow the rectangle's proportions) at twice the radius, so its edge
// stays clear of the frame.
void s_PSPenFrameArc(const Rect& r, short startAngle, short arcAngle, Point pen) {
  double w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0 || arcAngle == 0) return;
  s_PSPrintf("gsave\n");
  if (arcAngle > -360 && arcAngle < 360) {
    double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0, radius;
    s_PSPrintf("matrix currentmatrix\n");
    if (w >= h) {
      s_PSPrintf("1 %f scale\n", h / w);
      radius = w;
      cy *= w / h;
    } else {
      s_PSPrintf("%f 1 scale\n", w / h);
      radius = h;
      cx *= h / w;
    }
    double s0 = std::fmod(startAngle - 90.0 + 720.0, 360.0);
    s_PSPrintf("newpath\n%f %f moveto\n%f %f %f %f %f %s\nclosepath\nclip\nnewpath\nsetmatrix\n", cx, cy, cx, cy,
               radius, s0, s0 + arcAngle, arcAngle < 0 ? "arcn" : "arc");
  }
  ringPath(r, w / 2, h / 2, pen);
  s_PSPrintf("eofill\ngrestore\n");
}

// Only the recorded lines, from point to point: the outline is not closed.
void s_PSPenFramePoly(PolyHandle poly, Point pen) {
  int n = PolyPointCount(poly);
  if (n <= 0) return;
  const Point* pts = (*poly)->polyPoints;
  for (int i = 0; i + 1 < n || (n == 1 && i == 0); ++i) s_PSPenLine(pts[i], pts[n == 1 ? 0 : i + 1], pen);
}

void s_PSPenFrameRgn(RgnHandle rgn, Point pen) {
  RgnHandle edge = NewRgn();
  if (!edge) return;
  CopyRgn(rgn, edge);
  InsetRgn(edge, pen.h, pen.v);
  DiffRgn(rgn, edge, edge);
  RgnForEachRect(edge, paintRect, nullptr);
  DisposeRgn(edge);
}
