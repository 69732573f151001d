// The contour pass: cells, triangles, level segments, negative shading and
// the level numbers. Triangle values are clamped to funcMin ... funcMax
// before use, so every loop over levels is bounded by that range over df.
#include "vok/contour/trace.h"

#include <cmath>

#include "vok/contour/contour.h"
#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
#include "vok/draw/line_run.h"
#include "vok/frame/events.h"
#include "vok/graph/graph_settings.h"
#include "vok/plot/plot.h"

namespace {
// Repeated addition that has stopped moving (a step lost against a huge
// value) ends a loop instead of spinning.
inline bool advance(double* value, double step) {
  double next = *value + step;
  if (!(next > *value)) return false;
  *value = next;
  return true;
}

// Cells finer than a pixel give many segments on one pixel column in a row:
// they are held in a run while nothing else is drawn.
VOKLineRun run = {};
bool runs = false;

void segment(double ax, double ay, double bx, double by, double level) {
  Point p;
  if (!runs) {
    Plot2DMoveTo(ax, ay);
    Plot2DLineTo(bx, by);
  } else {
    if (s_PlotAccepted(ax, ay, &p)) s_LineRunMoveTo(&run, p);
    if (s_PlotAccepted(bx, by, &p)) s_LineRunLineTo(&run, p);
  }
  if (s_g2d.contourLabel) ContourLabel(level);
}

void triangle(int k, double x1, double y1, double x2, double y2, double x3, double y3) {
  double fa, fb, fc;
  Graph2DOrderPoints(&x1, &y1, &x2, &y2, &x3, &y3, &fa, &fb, &fc, k);
  LevelLineTriangle(x1, y1, x2, y2, x3, y3, fa, fb, fc);
  PaintNegativeTriangle(x1, y1, x2, y2, x3, y3, fa, fb, fc);
}
}  // namespace

void ExchangeDouble(double* a, double* b) {
  double t = *a;
  *a = *b;
  *b = t;
}

void Graph2DOrderPoints(double* x1, double* y1, double* x2, double* y2, double* x3, double* y3, double* fa,
                        double* fb, double* fc, int k) {
  Graph2DFunc f = s_g2d.functions[k];
  double* xs[3] = {x1, x2, x3};
  double* ys[3] = {y1, y2, y3};
  double* vs[3] = {fa, fb, fc};
  for (int p = 0; p < 3; ++p) {
    double v = f(*xs[p], *ys[p]);
    if (!(v <= s_g2d.funcMax)) v = s_g2d.funcMax;
    if (!(v > s_g2d.funcMin)) v = s_g2d.funcMin;
    *vs[p] = v;
  }
  const int swaps[3][2] = {{0, 1}, {1, 2}, {0, 1}};
  for (const auto& s : swaps)
    if (*vs[s[0]] > *vs[s[1]]) {
      ExchangeDouble(vs[s[0]], vs[s[1]]);
      ExchangeDouble(xs[s[0]], xs[s[1]]);
      ExchangeDouble(ys[s[0]], ys[s[1]]);
    }
}

// Segments run from the edge towards P2 to the long edge P1-P3, where the
// pen stays for the level number. A level equal to fb belongs to both halves.
void LevelLineTriangle(double x1, double y1, double x2, double y2, double x3, double y3, double fa, double fb,
                       double fc) {
  double df = s_g2d.df, L1, L2;
  if (s_g2d.onlyZero) {
    if (fa > 0 || fc < 0) return;
    L1 = L2 = 0;
  } else {
    L1 = std::ceil(fa / df) * df;
    L2 = std::ceil(fb / df) * df;
  }
  for (double level = L1; level <= fb;) {
    if (fb - fa != 0) {
      double t = (level - fa) / (fb - fa), s = (level - fa) / (fc - fa);
      segment(x1 + t * (x2 - x1), y1 + t * (y2 - y1), x1 + s * (x3 - x1), y1 + s * (y3 - y1), level);
    }
    if (s_g2d.onlyZero || !advance(&level, df)) break;
  }
  for (double level = L2; level <= fc;) {
    if (s_g2d.onlyZero && level < fb) return;
    if (fc - fb != 0) {
      double t = (level - fb) / (fc - fb), s = (level - fa) / (fc - fa);
      segment(x2 + t * (x3 - x2), y2 + t * (y3 - y2), x1 + s * (x3 - x1), y1 + s * (y3 - y1), level);
    }
    if (s_g2d.onlyZero || !advance(&level, df)) return;
  }
}

void PaintNegativeTriangle(double x1, double y1, double x2, double y2, double x3, double y3, double fa, double fb,
                           double fc) {
  if (!s_g2d.paintNegative || fa > 0) return;
  s_LineRunFlush(&run);
  PolyHandle poly = s_OpenPoly();
  Plot2DMoveTo(x1, y1);
  if (fc < 0) {
    Plot2DLineTo(x2, y2);
    Plot2DLineTo(x3, y3);
  } else {
    // Here fc >= 0 >= fa and fc > fa unless all three are 0.
    double t = fc - fa != 0 ? (0 - fa) / (fc - fa) : 0;
    double ax = x1 + t * (x3 - x1), ay = y1 + t * (y3 - y1);
    if (fb > 0) {
      double s = (0 - fa) / (fb - fa);
      Plot2DLineTo(ax, ay);
      Plot2DLineTo(x1 + s * (x2 - x1), y1 + s * (y2 - y1));
    } else {
      // fb = fc = 0 has no crossing on P2-P3 but P2 itself.
      double s = fc - fb != 0 ? (0 - fb) / (fc - fb) : 0;
      Plot2DLineTo(ax, ay);
      Plot2DLineTo(x2 + s * (x3 - x2), y2 + s * (y3 - y2));
      Plot2DLineTo(x2, y2);
    }
  }
  Plot2DLineTo(x1, y1);
  s_ClosePoly();
  s_FillPoly(poly, &s_g2d.pattern);
  KillPoly(poly);
}

void ContourLabel(double level) {
  if (s_g2d.onlyZero || !s_g2dArray || level < s_g2d.levelMin || level > s_g2d.levelMax) return;
  double index = std::trunc((level - s_g2d.levelMin) / s_g2d.df);
  if (!(index >= 0 && index <= s_g2d.levelNumber)) return;  // a df of the wrong sign points outside
  int32_t& counter = s_g2dArray[int(index)];
  if (counter <= 0 || --counter != 0) return;
  s_LineRunFlush(&run);  // the number goes where the last segment ended
  s_Move(-13, 4);
  short size = GetPortTextSize(s_UnscaledPort());
  s_TextSize(short(s_g2d.labelSize));
  s_PenMode(patCopy);
  s_DirectDprintf("%.*f", s_g2d.labelDigit, level + 1e-16);
  s_PenMode(patOr);
  s_TextSize(size);
}

bool s_Graph2DContourPass(int k) {
  double dx = s_g2d.dx, dy = s_g2d.dy;
  double x0 = s_g.minFrameX, x1 = s_g.maxFrameX - 1e-7, y0 = s_g.minFrameY, y1 = s_g.maxFrameY - 1e-7;
  if (!(dx > 0 && dy > 0 && s_g2d.df > 0) || !std::isfinite(dx + dy + s_g2d.df) ||
      !std::isfinite(x0 + x1 + y0 + y1) || !s_g2d.functions[k])
    return false;
  runs = s_LineRunsEnabled();
  for (double x = x0; x < x1;) {
    for (double y = y0; y < y1;) {
      triangle(k, x, y, x + dx, y, x, y + dy);
      triangle(k, x + dx, y, x, y + dy, x + dx, y + dy);
      if (!advance(&y, dy)) break;
    }
    bool more = advance(&x, dx);
    s_LineRunFlush(&run);  // all drawn before a pause
    CheckPause();
    if (!more) break;
  }
  s_LineRunFlush(&run);
  runs = false;
  return true;
}
