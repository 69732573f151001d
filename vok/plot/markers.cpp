// Markers around the current pen: circles and squares in their bounding box,
// an upright cross, triangles with the apex up. Corners are rounded to the
// nearest unscaled pixel; the cross and the triangles put the pen back.
#include "vok/plot/markers.h"

#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
#include "vok/plot/plot.h"

int32_t s_color_flag = 1;

namespace {
struct Marker {
  double h, v, r;
  Point back;  // the pen in drawing coordinates, where the cross and triangles return
  short R(double t) const { return s_PlotTrunc16(t / s_d_scale + 0.5); }
  Rect box() const {
    Rect b;
    SetRect(&b, R(h - r), R(v - r), R(h + r), R(v + r));
    return b;
  }
};

// The marker at the pen, or false when the last guarded point was outside.
bool atPen(double radius, Marker* m) {
  if (!s_p.lastPointInside) return false;
  Point pen;
  GetPen(&pen);
  m->h = pen.h;
  m->v = pen.v;
  m->r = radius;
  CGrafPtr unscaled = s_UnscaledPort();
  m->back = unscaled ? unscaled->pnLoc : pen;
  return true;
}

void triangle(const Marker& m) {
  s_MoveTo(m.R(m.h), m.R(m.v - m.r));
  LineTo(m.R(m.h - m.r), m.R(m.v + m.r));
  LineTo(m.R(m.h + m.r), m.R(m.v + m.r));
  LineTo(m.R(m.h), m.R(m.v - m.r));
}

// Circles and squares: one shape call over the marker's bounding box.
void boxMarker(double radius, void (*shape)(const Rect*)) {
  Marker m;
  if (!atPen(radius, &m)) return;
  Rect b = m.box();
  shape(&b);
}
}  // namespace

void PlotPaintCircle(double radius) { boxMarker(radius, PaintOval); }
void PlotCircle(double radius) { boxMarker(radius, FrameOval); }
void PlotPaintRect(double radius) { boxMarker(radius, PaintRect); }
void PlotRect(double radius) { boxMarker(radius, FrameRect); }

void PlotCross(double radius) {
  Marker m;
  if (!atPen(radius, &m)) return;
  s_MoveTo(m.R(m.h - m.r), m.R(m.v));
  LineTo(m.R(m.h + m.r), m.R(m.v));
  s_MoveTo(m.R(m.h), m.R(m.v - m.r));
  LineTo(m.R(m.h), m.R(m.v + m.r));
  s_MoveTo(m.back.h, m.back.v);
}

void PlotTriangle(double radius) {
  Marker m;
  if (!atPen(radius, &m)) return;
  triangle(m);
  s_MoveTo(m.back.h, m.back.v);
}

void PlotPaintTriangle(double radius) {
  Marker m;
  if (!atPen(radius, &m)) return;
  PolyHandle poly = s_OpenPoly();
  triangle(m);
  s_ClosePoly();
  if (poly) {
    PaintPoly(poly);
    KillPoly(poly);
  }
  s_MoveTo(m.back.h, m.back.v);
}

void SetColorPlotOn() { s_color_flag = 1; }
void SetColorPlotOff() { s_color_flag = 0; }

void ResetPen() {
  if (s_color_flag) {
    s_ForeColor(s_p.penColor[0]);
  } else {
    short size = s_PlotTrunc16(s_p.penSize[0]);
    s_PenSize(size, size);
  }
}
