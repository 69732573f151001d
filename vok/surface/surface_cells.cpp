// The cells of a surface pass in painter's order. f is evaluated about once
// per grid node: a row table carries the previous row of corner values, and
// a and b the previous cell's corners along the row (the corner table).
//
// Coordinates are start + i * step rather than a running sum, so an
// increment too small to change x cannot stall the loop.
#include <algorithm>
#include <cmath>

#include "platform/gfx/gfx.h"
#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
#include "vok/frame/messages.h"
#include "vok/plot/plot.h"
#include "vok/surface/surface_loop.h"
#include "vok/surface/surface_settings.h"
#include "vok/util/arrays.h"

namespace {
struct Corners {
  double z00, z01, z11, z10;
};

long s_rowCount = 0;  // entries of the row table

void colourCell(double x, double y, const Corners& c) {
  const G3DSettings& g = s_g3d;
  if (g.colorFunction && g.colorFunction(c.z00, c.z01, c.z11, c.z10)) return;
  double L = SG3DIncidence(x, y, c.z00, c.z01, c.z11, c.z10);
  SetRGBColor(g.shadowRed + L * (g.lightRed - g.shadowRed), g.shadowGreen + L * (g.lightGreen - g.shadowGreen),
              g.shadowBlue + L * (g.lightBlue - g.shadowBlue));
}

Point pixel(double x, double y, double z, const SG3DView* view) {
  Point p;
  p.h = s_PlotTrunc16(SG3DX(x, y, view));
  p.v = s_PlotTrunc16(SG3DY(x, y, z, view));
  return p;
}

// One polygon serves every cell of a pass: its corners are rewritten in
// place, as OpenPoly and four LineTo calls would record them (closed by a
// last point on the first), without a block to grow and free per cell.
PolyHandle cellPolygon() {
  static PolyHandle poly = nullptr;
  if (!poly) poly = reinterpret_cast<PolyHandle>(NewHandle(10 + 5 * sizeof(Point)));
  if (!poly) s_OOMError();
  return poly;
}

void setCorners(PolyHandle poly, const Point (&p)[4]) {
  Polygon* q = *poly;
  q->polySize = short(10 + 5 * sizeof(Point));
  Rect& box = q->polyBBox;
  box = {p[0].v, p[0].h, p[0].v, p[0].h};
  for (int i = 0; i < 4; ++i) {
    q->polyPoints[i] = p[i];
    box.top = std::min(box.top, p[i].v), box.bottom = std::max(box.bottom, p[i].v);
    box.left = std::min(box.left, p[i].h), box.right = std::max(box.right, p[i].h);
  }
  q->polyPoints[4] = p[0];
}

void drawCell(double x, double y, const Corners& c, const SG3DView* view) {
  const G3DSettings& g = s_g3d;
  // A corner without a finite value has no place in the picture.
  if (!std::isfinite(c.z00 + c.z01 + c.z11 + c.z10)) return;
  double x1 = x + g.xIncrement, y1 = y + g.yIncrement;
  if (g.color) colourCell(x, y, c);
  PolyHandle poly = cellPolygon();
  setCorners(poly, {pixel(x, y, c.z00, view), pixel(x, y1, c.z01, view), pixel(x1, y1, c.z11, view),
                    pixel(x1, y, c.z10, view)});
  if (g.color) {
    PaintPoly(poly);
    if (g.gridLines) {
      s_ForeColor(blackColor);
      FramePoly(poly);
    }
  } else {
    ErasePoly(poly);
    FramePoly(poly);
  }
}

// The corner table: three corners come from a, b and row[i], one is new.
Corners corners(double x, double y, double* a, double* b, double* rowValue, const SG3DView* view) {
  const G3DSettings& g = s_g3d;
  G3DFunction f = g.function;
  double x1 = x + g.xIncrement, y1 = y + g.yIncrement;
  Corners c;
  if (view->xDir > 0) {
    c.z00 = *a, c.z01 = *b;
    if (view->yDir > 0) {
      c.z10 = *rowValue, c.z11 = f(x1, y1), *rowValue = c.z11;
    } else {
      c.z11 = *rowValue, c.z10 = f(x1, y), *rowValue = c.z10;
    }
    *a = c.z10, *b = c.z11;
  } else {
    c.z10 = *a, c.z11 = *b;
    if (view->yDir > 0) {
      c.z00 = *rowValue, c.z01 = f(x, y1), *rowValue = c.z01;
    } else {
      c.z01 = *rowValue, c.z00 = f(x, y), *rowValue = c.z00;
    }
    *a = c.z00, *b = c.z01;
  }
  return c;
}

bool inside(double v, double end, int32_t dir) { return v * dir < end * dir; }
}  // namespace

void SG3DMakeArray(SG3DView* view) {
  if (view->row) FreeArrayDouble1(view->row);
  double n = std::trunc((s_g3d.xMax - s_g3d.xMin) / s_g3d.xIncrement + 1.5);
  // SG3DSetting has bounded the count; a table of at least one keeps the loop's guard simple.
  s_rowCount = n >= 1 && n <= kSG3DMaxCells + 2.0 ? long(n) : 1;
  view->row = MakeArrayDouble1(int(s_rowCount));
}

void SG3DDrawCells(SG3DView* view) {
  const G3DSettings& g = s_g3d;
  G3DFunction f = g.function;
  double* row = view->row;
  double yRowStart = view->yStart + (view->yDir < 0 ? g.yIncrement : 0);
  double xOffset = view->xDir > 0 ? g.xIncrement : 0;
  for (long i = 0; i < s_rowCount; ++i) {
    double x = view->xStart + double(i) * view->xStep;
    if (!inside(x, view->xEnd, view->xDir)) break;
    row[i] = f(x + xOffset, yRowStart);
  }
  double x0 = view->xStart + (view->xDir < 0 ? g.xIncrement : 0);
  for (long j = 0;; ++j) {
    double y = view->yStart + double(j) * view->yStep;
    if (!inside(y, view->yEnd, view->yDir)) break;
    double a = f(x0, y), b = f(x0, y + g.yIncrement);
    for (long i = 0; i < s_rowCount; ++i) {
      double x = view->xStart + double(i) * view->xStep;
      if (!inside(x, view->xEnd, view->xDir)) break;
      drawCell(x, y, corners(x, y, &a, &b, &row[i], view), view);
    }
  }
}
