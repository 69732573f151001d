// SG3DSetting, the projection and the light's incidence.
//
// Pixel rows grow downward: points deeper in the view (larger depth d) and
// higher values of f move up the window.
#include "vok/surface/projection.h"

#include <cmath>
#include <cstdio>

#include "vok/frame/messages.h"
#include "vok/surface/surface_settings.h"

namespace {
const double kDegree = 3.141592653589793 / 180;

// What decides the cells of a pass; put back as a whole when refused.
struct CellGeometry {
  double xMin, xMax, yMin, yMax;
  int32_t xWidth, yWidth, sameXYScale;
  int32_t useResolution, sameXYRes, sameXYInc;
  double xResolution, yResolution, xIncrement, yIncrement;
};

CellGeometry current() {
  const G3DSettings& g = s_g3d;
  return {g.xMin, g.xMax, g.yMin, g.yMax, g.xWidth, g.yWidth, g.sameXYScale, g.useResolution,
          g.sameXYRes, g.sameXYInc, g.xResolution, g.yResolution, g.xIncrement, g.yIncrement};
}

void restore(const CellGeometry& c) {
  G3DSettings& g = s_g3d;
  g.xMin = c.xMin, g.xMax = c.xMax, g.yMin = c.yMin, g.yMax = c.yMax;
  g.xWidth = c.xWidth, g.yWidth = c.yWidth, g.sameXYScale = c.sameXYScale;
  g.useResolution = c.useResolution, g.sameXYRes = c.sameXYRes, g.sameXYInc = c.sameXYInc;
  g.xResolution = c.xResolution, g.yResolution = c.yResolution;
  g.xIncrement = c.xIncrement, g.yIncrement = c.yIncrement;
}

// The last geometry a pass accepted; the defaults are valid to begin with.
CellGeometry s_accepted = {0.0, 1.0, 0.0, 1.0, 300, 300, 0, 1, 1, 1, 5.0, 5.0, 0.01, 0.01};

// The cell size typed last goes back; when the other settings still give
// no good cells with it (a new width, say), the whole accepted geometry does.
void restoreCellSize() {
  G3DSettings& g = s_g3d;
  g.xResolution = s_accepted.xResolution, g.yResolution = s_accepted.yResolution;
  g.xIncrement = s_accepted.xIncrement, g.yIncrement = s_accepted.yIncrement;
}

bool goodRange(double lo, double hi) { return std::isfinite(lo) && std::isfinite(hi) && lo < hi; }

// Scales, then the increments: typed, or from the resolution in pixels.
void deriveIncrements() {
  G3DSettings& g = s_g3d;
  g.xScale = g.xWidth / (g.xMax - g.xMin);
  g.yScale = g.sameXYScale ? g.xScale : g.yWidth / (g.yMax - g.yMin);
  if (g.sameXYInc) g.yIncrement = g.xIncrement;
  if (g.sameXYRes) g.yResolution = g.xResolution;
  if (g.useResolution) {
    g.xIncrement = g.xResolution / g.xScale;
    g.yIncrement = g.yResolution / g.yScale;
  }
}

// Cells along one axis (with the slack of the loop's half-step end).
double cellsAlong(double lo, double hi, double increment) { return (hi - lo) / increment + 1; }

bool goodIncrements() {
  const G3DSettings& g = s_g3d;
  if (!(g.xIncrement > 0) || !(g.yIncrement > 0)) return false;
  double cells = cellsAlong(g.xMin, g.xMax, g.xIncrement) * cellsAlong(g.yMin, g.yMax, g.yIncrement);
  return cells <= kSG3DMaxCells;
}

// The visiting order along one axis: the cells farthest up the screen come first.
void visitingOrder(double sinOrCos, double lo, double hi, double increment, double* start, double* end,
                   double* step, int32_t* dir) {
  if (sinOrCos > 0) {
    *start = hi - increment, *end = lo - 0.5 * increment, *step = -increment, *dir = -1;
  } else {
    *start = lo, *end = hi - 0.5 * increment, *step = increment, *dir = 1;
  }
}
}  // namespace

int SG3DSetting(SG3DView* view) {
  G3DSettings& g = s_g3d;
  int asTyped = 1;
  char message[256];
  if (!goodRange(g.xMin, g.xMax) || !goodRange(g.yMin, g.yMax)) {
    bool x = !goodRange(g.xMin, g.xMax);
    std::snprintf(message, sizeof message,
                  "Error in SG3DSetting: %s Min %g is not below %s Max %g; the previous range is kept\n",
                  x ? "X" : "Y", x ? g.xMin : g.yMin, x ? "X" : "Y", x ? g.xMax : g.yMax);
    AlertMessage(message, 2);
    g.xMin = s_accepted.xMin, g.xMax = s_accepted.xMax, g.yMin = s_accepted.yMin, g.yMax = s_accepted.yMax;
    asTyped = 0;
  }
  deriveIncrements();
  if (!goodIncrements()) {
    std::snprintf(message, sizeof message,
                  "Error in SG3DSetting: X Increment %g and Y Increment %g must be positive and give at most %d "
                  "cells; the previous cell size is kept\n",
                  g.xIncrement, g.yIncrement, int(kSG3DMaxCells));
    AlertMessage(message, 2);
    restoreCellSize();
    deriveIncrements();
    if (!goodIncrements()) {
      restore(s_accepted);
      deriveIncrements();
    }
    asTyped = 0;
  }
  s_accepted = current();

  double a = g.angleXY * kDegree, b = g.angleZ * kDegree;
  double sinA = std::sin(a), cosA = std::cos(a);
  view->cosZ = std::cos(b);
  view->sinZ = std::sin(b);
  view->rot[0][0] = cosA, view->rot[0][1] = -sinA;
  view->rot[1][0] = sinA, view->rot[1][1] = cosA;
  view->centerX = (g.xMin + g.xMax) * 0.5;
  view->centerY = (g.yMin + g.yMax) * 0.5;
  visitingOrder(sinA, g.xMin, g.xMax, g.xIncrement, &view->xStart, &view->xEnd, &view->xStep, &view->xDir);
  visitingOrder(cosA, g.yMin, g.yMax, g.yIncrement, &view->yStart, &view->yEnd, &view->yStep, &view->yDir);

  double c = g.lightZAngle * kDegree, d = g.lightXYAngle * kDegree;
  g.lightVector[0] = -std::sin(c) * std::cos(d);
  g.lightVector[1] = -std::sin(c) * std::sin(d);
  g.lightVector[2] = -std::cos(c);
  return asTyped;
}

double SG3DX(double x, double y, const SG3DView* view) {
  return s_g3d.horizontalPos + s_g3d.xScale * view->rot[0][0] * (x - view->centerX) +
         s_g3d.yScale * view->rot[0][1] * (y - view->centerY);
}

double SG3DY(double x, double y, double z, const SG3DView* view) {
  double depth = s_g3d.xScale * view->rot[1][0] * (x - view->centerX) +
                 s_g3d.yScale * view->rot[1][1] * (y - view->centerY);
  return s_g3d.verticalPos - view->cosZ * depth - view->sinZ * s_g3d.funcScale * z;
}

double SG3DIncidence(double x, double y, double z00, double z01, double z11, double z10) {
  const G3DSettings& g = s_g3d;
  double A = g.xScale * ((x + g.xIncrement) - x);
  double B = g.yScale * ((y + g.yIncrement) - y);
  double P = g.funcScale * (z10 - z01);
  double Q = g.funcScale * (z11 - z00);
  double n[3] = {B * (P + Q), A * (Q - P), -2 * A * B};
  const double* L = g.lightVector;
  double nLength = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
  double lLength = std::sqrt(L[0] * L[0] + L[1] * L[1] + L[2] * L[2]);
  double incidence = (n[0] * L[0] + n[1] * L[1] + n[2] * L[2]) / (nLength * lLength);
  // A degenerate cell or light (zero length) has no incidence either.
  return incidence > 0 ? incidence : 0;
}
