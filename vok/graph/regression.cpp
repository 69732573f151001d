// The regression line of series 1: the fit in plotted units, the line across
// the frame, the gradient text and the ticks at the ends of the fitted range.
#include "vok/graph/regression.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "vok/console/text.h"
#include "vok/draw/draw_ops.h"
#include "vok/draw/styled_text.h"
#include "vok/graph/graph_frame.h"
#include "vok/graph/graph_settings.h"
#include "vok/graph/series.h"
#include "vok/graph/sheet_data.h"
#include "vok/plot/plot.h"

namespace {
// Guarded move; true when the region let the pen go there.
bool moveTo(double x, double y) {
  Plot2DMoveTo(x, y);
  return s_p.lastPointInside;
}

void gradientText(double a) {
  char text[64];
  std::snprintf(text, sizeof text, "a = %f", a);
  s_Move(-40, -8);
  s_TextSize(short(s_sg.gradientFontSize));
  DrawStyleText(text);
  s_TextSize(s_g.labelSize);
}

// A 10-pixel vertical tick centred on the line at data x `r`.
void rangeTick(const RegressionFit& fit, double r) {
  double x = GraphConvertX(r);
  if (!moveTo(x, fit.a * x + fit.b)) return;
  s_Move(0, 5);
  Line(0, -10);
}
}  // namespace

RegressionFit s_GraphRegressionFit(int xColumn, int yColumn) {
  RegressionFit fit = {0, NAN, NAN};
  if (!s_sg.data || !s_SeriesColumnOK(xColumn) || !s_SeriesColumnOK(yColumn)) return fit;
  // Each value is converted once, so a value a logarithm refuses is reported once.
  std::vector<double> xs, ys;
  for (int r = 0; r < s_SeriesRows(); ++r) {
    if (!s_sg.valid[xColumn][r] || !s_sg.valid[yColumn][r]) continue;
    double v = s_sg.data[xColumn][r];
    if (s_sg.regRange && !(s_sg.regMin < v && v < s_sg.regMax)) continue;
    xs.push_back(GraphConvertX(v));
    ys.push_back(GraphConvertY(s_sg.data[yColumn][r]));
  }
  fit.n = long(xs.size());
  if (fit.n < 2) return fit;
  double mx = 0, my = 0;
  for (size_t i = 0; i < xs.size(); ++i) mx += xs[i], my += ys[i];
  mx /= double(fit.n);
  my /= double(fit.n);
  double sxx = 0, sxy = 0;
  for (size_t i = 0; i < xs.size(); ++i) {
    sxx += (xs[i] - mx) * (xs[i] - mx);
    sxy += (xs[i] - mx) * (ys[i] - my);
  }
  if (!(sxx > 0)) return fit;
  fit.a = sxy / sxx;
  fit.b = my - fit.a * mx;
  return fit;
}

void Graph1DRegressionLine(int xColumn, int yColumn) {
  RegressionFit fit = s_GraphRegressionFit(xColumn, yColumn);
  if (fit.n < 2) {
    s_printf("Error in Graph1DRegressionLine:\nA line needs two points; %ld selected\n", fit.n);
    return;
  }
  if (!std::isfinite(fit.a) || !std::isfinite(fit.b)) {
    s_printf("Error in Graph1DRegressionLine:\nThe %ld points have no spread in x; no line\n", fit.n);
    return;
  }
  double x0 = GraphConvertX(s_g.minFrameX), x1 = GraphConvertX(s_g.maxFrameX);
  // A refused end would join the line to wherever the pen stood.
  if (moveTo(x0, fit.a * x0 + fit.b)) {
    Plot2DLineTo(x1, fit.a * x1 + fit.b);
    if (s_p.lastPointInside && s_sg.showGradient) gradientText(fit.a);
  }
  if (s_sg.regRange) {
    rangeTick(fit, s_sg.regMin);
    rangeTick(fit, s_sg.regMax);
  }
}

void SetGraphRegressionLineFlag(int32_t flag) { s_sg.regressionLine = flag; }
void SetGraphShowGradientFlag(int32_t flag) { s_sg.showGradient = flag; }
void SetGraphGradientFontSize(int32_t size) { s_sg.gradientFontSize = size; }
void SetGraphLogXFlag(int32_t flag) { s_sg.logX = flag; }
void SetGraphLogYFlag(int32_t flag) { s_sg.logY = flag; }
void SetGraphShowDataFlag(int32_t flag) { s_sg.showData = flag; }
