// World-to-pixel mappings and the guarded moves and lines: a point whose
// pixel lies outside s_p.region (or is not a number) is skipped and the pen
// stays where it was, so a far-out vertex never reaches the 16-bit drawing calls.
#include <cmath>
#include <limits>

#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
#include "vok/plot/plot.h"

Rect s_PlotArea() {
  Rect r = {0, 0, 0, 0};
  if (s_drawingPort) GetPortBounds(s_drawingPort, &r);
  return r;
}

double s_PlotPixelX(double x) { return s_p_scale * (s_wx * (x - s_ox) + s_bx); }

double s_PlotPixelY(double y) { return s_PlotPixelYAbove(y, s_PlotArea().bottom); }

double s_PlotPixelYAbove(double y, short bottom) { return s_p_scale * (s_wy * (s_oy - y) - s_by + bottom); }

int32_t s_PlotTrunc32(double v) {
  const double lo = std::numeric_limits<int32_t>::min(), hi = std::numeric_limits<int32_t>::max();
  if (!(v > lo)) return std::numeric_limits<int32_t>::min();  // NaN too
  if (v >= hi) return std::numeric_limits<int32_t>::max();
  return int32_t(v);  // the conversion truncates toward zero
}

short s_PlotTrunc16(double v) {
  if (!(v > -32768.0)) return -32768;
  if (v >= 32767.0) return 32767;
  return short(v);
}

int32_t Plot2DTransX(double x) { return s_PlotTrunc32(s_PlotPixelX(x)); }
int32_t Plot2DTransY(double y) { return s_PlotTrunc32(s_PlotPixelY(y)); }

double Plot2DReverseX(int32_t p) { return (p / s_p_scale - s_bx) / s_wx + s_ox; }

double Plot2DReverseY(int32_t p) { return s_oy - (p / s_p_scale + s_by - s_PlotArea().bottom) / s_wy; }

int32_t PlotPointInRegion(double px, double py) {
  const PlotRegion& r = s_p.region;
  s_p.lastPointInside = (px >= r.left && px <= r.right && py >= r.top && py <= r.bottom) ? 1 : 0;
  return s_p.lastPointInside;
}

bool s_PlotAccepted(double x, double y, Point* pixel) {
  double px = s_PlotPixelX(x), py = s_PlotPixelY(y);
  if (!PlotPointInRegion(px, py)) return false;
  *pixel = Point{s_PlotTrunc16(py), s_PlotTrunc16(px)};
  return true;
}

namespace {
bool accepted(double x, double y, short* h, short* v) {
  Point p;
  if (!s_PlotAccepted(x, y, &p)) return false;
  *h = p.h;
  *v = p.v;
  return true;
}
}  // namespace

void Plot2DMoveTo(double x, double y) {
  short h, v;
  if (accepted(x, y, &h, &v)) s_MoveTo(h, v);
}

void Plot2DLineTo(double x, double y) {
  short h, v;
  if (accepted(x, y, &h, &v)) LineTo(h, v);
}

void Plot2D2(double x, double y) { Plot2DLineTo(x, y); }

void SetPlot2D2I(double x, double y) { s_MoveTo(s_PlotTrunc16(s_PlotPixelX(x)), s_PlotTrunc16(s_PlotPixelY(y))); }

void Plot2D2P(double x, double y) {
  short h, v;
  if (!accepted(x, y, &h, &v)) return;
  s_MoveTo(h, v);
  LineTo(h, v);
}
