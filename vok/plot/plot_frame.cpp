// The numbered 2D frame (outline plus the four corner numbers), the numbers
// themselves, which the graph axes and grid reuse, and a step plot's frame.
#include <cmath>
#include <cstdio>

#include "platform/font/font.h"
#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
#include "vok/plot/plot.h"

namespace {
// "%.*f" cut to what one DrawText takes. A precision past what the buffer
// holds only costs time (seconds and gigabytes at 2^31), so it is held there.
int formatNumber(char* buf, size_t size, double value, int32_t digits) {
  int n = std::snprintf(buf, size, "%.*f", digits > int32_t(size) ? int(size) : int(digits), value);
  if (n < 0) return 0;
  return n >= int(size) ? int(size) - 1 : n;
}

// Moves from the pen by the offset less `shift` times the text's width (both
// in display pixels, hence divided by the display scale) and draws the number.
void drawNumber(double value, int32_t digits, int32_t dx, int32_t dy, double shift) {
  char buf[400];
  int n = formatNumber(buf, sizeof buf, value, digits);
  short w = TextWidth(buf, 0, short(n));
  s_Move(s_PlotTrunc16((dx - w * shift) / s_d_scale), s_PlotTrunc16(dy / s_d_scale));
  DrawText(buf, 0, short(n));
}
}  // namespace

void s_PlotXNumber(double value, int32_t digits) { drawNumber(value, digits, s_p.xNumDx, s_p.xNumDy, 0.5); }
void s_PlotYNumber(double value, int32_t digits) { drawNumber(value, digits, s_p.yNumDx, s_p.yNumDy, 1.0); }

void PlotFrame2D(double xMin, double xMax, double yMin, double yMax) {
  PlotFrame2DSeparate(xMin, xMax, yMin, yMax, xMin, xMax, yMin, yMax);
}

void PlotFrame2DSeparate(double xMin, double xMax, double yMin, double yMax, double xMinValue, double xMaxValue,
                         double yMinValue, double yMaxValue) {
  Plot2DMoveTo(xMin, yMin);
  Plot2DLineTo(xMax, yMin);
  Plot2DLineTo(xMax, yMax);
  Plot2DLineTo(xMin, yMax);
  Plot2DLineTo(xMin, yMin);
  if (s_p.showXMin) {
    Plot2DMoveTo(xMin, yMin);
    s_PlotXNumber(xMinValue, s_p.xMinDigit);
  }
  if (s_p.showXMax) {
    Plot2DMoveTo(xMax, yMin);
    s_PlotXNumber(xMaxValue, s_p.xMaxDigit);
  }
  if (s_p.showYMin) {
    Plot2DMoveTo(xMin, yMin);
    s_PlotYNumber(yMinValue, s_p.yMinDigit);
  }
  if (s_p.showYMax) {
    Plot2DMoveTo(xMin, yMax);
    s_PlotYNumber(yMaxValue, s_p.yMaxDigit);
  }
}

void PlotFrame1D(double nMin, double nMax, double xMin, double xMax) {
  double bottom = s_PlotArea().bottom;
  auto h = [](double n) { return s_PlotTrunc16(s_wn * n + s_bn); };
  auto v = [bottom](double x) { return s_PlotTrunc16(s_wx * (s_ox - x) - s_bx + bottom); };
  s_MoveTo(h(nMin), v(xMin));
  LineTo(h(nMax), v(xMin));
  LineTo(h(nMax), v(xMax));
  LineTo(h(nMin), v(xMax));
  LineTo(h(nMin), v(xMin));
}
