// GraphFrameAndLabel and its pieces: the plotted frame range, frame and
// axes, axis labels, grey grid lines with numbers, the title, and the
// axis arrowhead.
//
// Numbers, labels and the title are placed relative to the pen after a
// guarded move to their anchor; when the region refuses the anchor the pen
// has not moved, so they are left out rather than drawn wherever the pen was.
#include "vok/graph/graph_frame.h"

#include <cmath>

#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
#include "vok/draw/styled_text.h"
#include "vok/graph/function_data.h"
#include "vok/graph/graph_loop.h"
#include "vok/graph/graph_settings.h"
#include "vok/graph/sheet_data.h"
#include "vok/plot/plot.h"
#include "vok/util/numerics.h"

double GraphConvertX(double x) { return s_sg.logX ? SafeLog(x) : x; }
double GraphConvertY(double y) { return s_sg.logY ? SafeLog(y) : y; }

bool s_GraphFunctionBars() { return s_g.graphDimension == 1 && s_g1.graphKind == kGraphFunction && s_fg.barGraph; }

namespace {
// A fixed pixel offset in drawing units.
short scaled(double pixels) { return s_PlotTrunc16(pixels / s_d_scale); }

void labelText() {
  SetFont(s_g.fontName);
  s_TextSize(scaled(s_g.labelSize));
}

// Guarded move to a world point; true when the pen went there.
bool anchorAt(double x, double y) {
  Plot2DMoveTo(x, y);
  return s_p.lastPointInside;
}

void xAxis(double x0, double x1) {
  Plot2DMoveTo(x0, 0);
  Plot2DLineTo(x1, 0);
  if (s_g.drawFrame) return;
  if (s_g.drawArrow) AxisArrow(Plot2DTransX(x0), Plot2DTransY(0), Plot2DTransX(x1), Plot2DTransY(0));
  if (s_g.showXMinSetting && anchorAt(x0, 0)) s_PlotXNumber(x0, s_g.xMinDigitSetting);
  if (s_g.showXMaxSetting && anchorAt(x1, 0)) s_PlotXNumber(x1, s_g.xMaxDigitSetting);
}

void yAxis(double y0, double y1) {
  Plot2DMoveTo(0, y0);
  Plot2DLineTo(0, y1);
  if (s_g.drawFrame) return;
  if (s_g.drawArrow) AxisArrow(Plot2DTransX(0), Plot2DTransY(y0), Plot2DTransX(0), Plot2DTransY(y1));
  if (s_g.showYMinSetting && anchorAt(0, y0)) s_PlotYNumber(y0, s_g.yMinDigitSetting);
  if (s_g.showYMaxSetting && anchorAt(0, y1)) s_PlotYNumber(y1, s_g.yMaxDigitSetting);
}

void label(double x, double y, int32_t dx, int32_t dy, const char* text) {
  if (!anchorAt(x, y)) return;
  s_Move(scaled(dx), scaled(dy));
  DrawGraphLabel(text);
}

// Lines at x0 + k * interval strictly inside (x0, x1). Multiplying instead of
// adding up the interval keeps a line from creeping onto the far edge and
// keeps going where x + interval == x would stall. A grid that cannot end
// (interval not a positive number) or would have more lines than any window
// has pixels is not drawn.
long gridLines(double x0, double x1, double interval) {
  if (!(interval > 0) || !std::isfinite(interval) || !(x1 > x0)) return 0;
  double count = std::ceil((x1 - x0) / interval) - 1;
  if (!(count <= kGraphMaxGridLines)) return 0;
  long n = long(count);
  while (n > 0 && !(x0 + n * interval < x1)) --n;
  while (n < kGraphMaxGridLines && x0 + (n + 1) * interval < x1) ++n;
  return n;
}

// Grey lines across the frame; `vertical` for the x grid. Each number sits
// at the line's lower (x) or left (y) end, where the line leaves the pen.
void grid(double a0, double a1, double b0, double b1, double interval, bool vertical, int32_t showNumber,
          int32_t digits) {
  long n = gridLines(a0, a1, interval);
  if (n == 0) return;
  Pattern pat;
  s_PenPat(GetQDGlobalsGray(&pat));
  for (long k = 1; k <= n; ++k) {
    double a = a0 + k * interval;
    if (vertical) {
      Plot2DMoveTo(a, b1);
      Plot2DLineTo(a, b0);
    } else {
      Plot2DMoveTo(b1, a);
      Plot2DLineTo(b0, a);
    }
    if (!showNumber || !s_p.lastPointInside) continue;
    if (vertical)
      s_PlotXNumber(a, digits);
    else
      s_PlotYNumber(a, digits);
  }
  s_PenPat(GetQDGlobalsBlack(&pat));
}

// The title centred over (x, y), `drop` display pixels down, then moved by
// the title offset (y counted upward); letters upright.
void title(double x, double y, double drop) {
  if (!anchorAt(x, y)) return;
  s_Move(0, scaled(drop));
  s_Move(s_PlotTrunc16(s_g.titleX), s_PlotTrunc16(-double(s_g.titleY)));
  CenterString(s_g.title);
  DrawStyleText("$&P");
  DrawGraphLabel(s_g.title);
  DrawStyleText("$&I");
}
}  // namespace

void GraphPlottedFrameRange(double* x0, double* x1, double* y0, double* y1) {
  if (s_GraphFunctionBars()) {
    *x0 = GraphConvertX(s_g.minFrameX - 0.5 * s_fg.step);
    *x1 = GraphConvertX(s_g.maxFrameX + 0.5 * s_fg.step);
  } else {
    *x0 = GraphConvertX(s_g.minFrameX);
    *x1 = GraphConvertX(s_g.maxFrameX);
  }
  *y0 = GraphConvertY(s_g.minFrameY);
  *y1 = GraphConvertY(s_g.maxFrameY);
  s_GraphWidenRange(x0, x1);
  s_GraphWidenRange(y0, y1);
}

void DrawGraphLabel(const char* text) {
  labelText();
  DrawStyleText(text);
}

void GraphFrameAndLabel() {
  // 1-4: text size to restore (in drawing units, exact at any display
  // scale), frame digits, frame pen, label font.
  short oldSize = GetPortTextSize(s_UnscaledPort());
  SetFrame2DXMinDigit(s_g.xMinDigitSetting);
  SetFrame2DXMaxDigit(s_g.xMaxDigitSetting);
  SetFrame2DYMinDigit(s_g.yMinDigitSetting);
  SetFrame2DYMaxDigit(s_g.yMaxDigitSetting);
  short pen = scaled(s_g.frameWidth);
  if (pen < 0) pen = 0;
  s_PenSize(pen, pen);
  labelText();

  // 5-6: range and frame; a bar graph's outline holds the half bars, its
  // numbers show the range itself.
  double x0, x1, y0, y1;
  GraphPlottedFrameRange(&x0, &x1, &y0, &y1);
  if (s_g.drawFrame) {
    s_p.showXMin = s_g.showXMinSetting;
    s_p.showXMax = s_g.showXMaxSetting;
    s_p.showYMin = s_g.showYMinSetting;
    s_p.showYMax = s_g.showYMaxSetting;
    if (s_GraphFunctionBars()) {
      double v0 = GraphConvertX(s_g.minFrameX), v1 = GraphConvertX(s_g.maxFrameX);
      PlotFrame2DSeparate(x0, x1, y0, y1, v0, v1, y0, y1);
    } else {
      PlotFrame2D(x0, x1, y0, y1);
    }
  }

  // 7-10: axes, then the labels at the frame's or the axes' ends.
  if (s_g.drawXAxis) xAxis(x0, x1);
  if (s_g.drawYAxis) yAxis(y0, y1);
  if (s_g.drawFrame || s_g.drawXAxis)
    label(x1, s_g.drawFrame ? y0 : 0, s_g.xLabelX, s_g.xLabelY, s_g.xLabel);
  if (s_g.showXMaxSetting && (s_g.drawFrame || s_g.drawYAxis))
    label(s_g.drawFrame ? x0 : 0, y1, s_g.yLabelX, s_g.yLabelY, s_g.yLabel);

  // 11-14: grid, title.
  if (s_g.scaleMarkX) grid(x0, x1, y0, y1, s_g.intervalX, true, s_g.showNumberX, s_g.digitX);
  if (s_g.scaleMarkY) grid(y0, y1, x0, x1, s_g.intervalY, false, s_g.showNumberY, s_g.digitY);
  if (s_g.titleAbove) title((x0 + x1) * 0.5, y1, -24);
  if (s_g.titleBelow) title((x0 + x1) * 0.5, y0, 39);

  // 15.
  SetFont(s_g.fontName);
  s_TextSize(oldSize);
}

void AxisArrow(double x0, double y0, double x1, double y1) {
  double dx = x0 - x1, dy = y0 - y1;
  double len = std::sqrt(dx * dx + dy * dy);
  const PlotRegion& r = s_p.region;
  bool tipInside = x1 >= r.left && x1 <= r.right && y1 >= r.top && y1 <= r.bottom;
  if (!(len > 0) || !std::isfinite(len) || !tipInside) return;
  // A 10-pixel vector from the tip back along the axis, turned by +-30 degrees.
  short ux = short(std::trunc(dx * 10 / len)), uy = short(std::trunc(dy * 10 / len));
  const double c = std::cos(M_PI / 6), s = std::sin(M_PI / 6);
  short p1x = short(std::trunc(c * ux - s * uy)), p1y = short(std::trunc(s * ux + c * uy));
  short p2x = short(std::trunc(c * ux + s * uy)), p2y = short(std::trunc(c * uy - s * ux));
  short h = short(std::trunc(x1)), v = short(std::trunc(y1));
  PolyHandle poly = s_OpenPoly();
  s_MoveTo(h, v);
  LineTo(short(std::trunc(x1 + p1x)), short(std::trunc(y1 + p1y)));
  LineTo(short(std::trunc(x1 + p2x)), short(std::trunc(y1 + p2y)));
  LineTo(h, v);
  s_ClosePoly();
  if (!poly) return;
  PaintPoly(poly);
  KillPoly(poly);
}
