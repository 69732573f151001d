// Drawing the curves of a function graph: y = f(x) as lines or bars (with
// the area under a curve painted), parametric curves, and the guard that
// keeps a bad step from sampling for ever.
#include <cmath>

#include "vok/console/text.h"
#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
#include "vok/draw/line_run.h"
#include "vok/frame/startup.h"
#include "vok/graph/function_graph.h"
#include "vok/graph/function_paint.h"
#include "vok/graph/graph_loop.h"
#include "vok/graph/graph_settings.h"
#include "vok/plot/plot.h"

namespace {
// The last step a pass drew with; a refused step falls back to it.
double goodStep = 0.01;

bool xyKind() { return s_g1.graphKind == kGraphXYFunction; }
const char* stepName() { return xyKind() ? "dt" : "dx"; }

// Samples of one interval; a reversed one still draws its start.
double samplesOver(double from, double to, double step) {
  double n = (to - from) / step;
  return n > 0 ? std::floor(n) + 1 : std::isnan(n) ? n : 1;
}

// Samples a pass takes at `step` (NaN when a range is not a number).
double passSamples(double step) {
  double total = 0;
  for (int i = 0; i < s_FunctionCount(); ++i)
    total += xyKind() ? samplesOver(s_fg.minT[i], s_fg.maxT[i], step)
                      : samplesOver(s_fg.minDrawX, s_fg.maxDrawX, step);
  return total;
}

bool stepPositive(double step) { return step > 0 && std::isfinite(step); }

// A pass may draw its curves: the step is sane and the ranges not too wide for it.
bool samplesAllowed() {
  if (passSamples(s_fg.step) <= kFunctionMaxSamples) {
    goodStep = s_fg.step;
    return true;
  }
  s_printf("Error in GraphPlotFunction:\nToo many samples at %s = %g (more than %ld a pass); curves not drawn\n",
           stepName(), s_fg.step, long(kFunctionMaxSamples));
  return false;
}

// Samples from `start` while below `end` plus a thousandth of a step, so
// rounding does not lose the last one. Stops early where adding the step no
// longer moves on (a step below the spacing of doubles near `start`).
template <typename Sample>
double sampleRun(double start, double end, Sample sample) {
  double step = s_fg.step, t = start;
  for (long k = 0; t < end + 0.001 * step && k <= kFunctionMaxSamples; ++k) {
    sample(t);
    double next = t + step;
    if (!(next > t)) break;
    t = next;
  }
  return t;
}

// A step finer than a pixel draws many lines on one pixel column: they are
// held in a run until the curve leaves the column or ends.
VOKLineRun run = {};
Point pen = {0, 0};  // where the curve's pen is (the run's last point while it is held)

// Moves to the first point of a curve; a value that is not a number has no
// pixel, so the curve then starts at its first sample that has one.
bool startAt(double x, double y) {
  if (!std::isfinite(x) || !std::isfinite(y)) return false;
  s_LineRunFlush(&run);
  SetPlot2D2I(x, y);
  pen = Point{s_PlotTrunc16(s_PlotPixelY(y)), s_PlotTrunc16(s_PlotPixelX(x))};
  return true;
}

void lineOrStart(bool* started, double x, double y) {
  Point p;
  if (!*started) {
    *started = startAt(x, y);
  } else if (s_PlotAccepted(x, y, &p)) {  // else skipped and the pen stays (as Plot2D2)
    if (!s_LineRunsEnabled()) LineTo(p.h, p.v);
    else s_LineRunTo(&run, pen, p);
    pen = p;
  }
  s_FunctionNotePen(pen);
}

double penWidth(int i) { return s_g1.functionPenWidth ? s_g1.functionPenWidth[i] : 1.0; }
}  // namespace

void s_FunctionKeepStep() {
  if (stepPositive(s_fg.step)) goodStep = s_fg.step;
}

void s_FunctionRefuseBadStep() {
  double step = s_fg.step;
  if (!stepPositive(step)) {
    s_printf("Error in GraphPlotFunction:\n%s = %g is not a positive number; keeping %g\n", stepName(), step, goodStep);
  } else if (step != goodStep && !(passSamples(step) <= kFunctionMaxSamples)) {
    s_printf("Error in GraphPlotFunction:\n%s = %g would take more than %ld samples a pass; keeping %g\n", stepName(),
             step, long(kFunctionMaxSamples), goodStep);
  } else {
    return;
  }
  s_fg.step = goodStep;
}

void GraphPlotFuctionOneBar(double x, int i) {
  if (i < 1 || i > s_FunctionCount() || !s_fg.function[i - 1]) return;
  double y = s_fg.function[i - 1](x);
  if (!std::isfinite(y)) return;  // no height to draw
  Rect bar;
  SetRect(&bar, s_PlotTrunc16(s_PlotPixelX(x - 0.5 * s_fg.step)), s_PlotTrunc16(s_PlotPixelY(y)),
          s_PlotTrunc16(s_PlotPixelX(x + 0.5 * s_fg.step)), s_PlotTrunc16(s_PlotPixelY(s_g.minFrameY)));
  // Filled before it is framed: a pattern fill would otherwise break up the outline.
  if (s_fg.paint[i - 1]) {
    Pattern pat;
    SetPattern(&pat, short(s_fg.paintPattern[i - 1]));
    s_FillRect(&bar, &pat);
  }
  FrameRect(&bar);
}

double GraphPlotFuctionOneSeries(int i) {
  if (i < 1 || i > s_FunctionCount() || !s_fg.function[i - 1]) return s_fg.minDrawX;
  GraphFunction f = s_fg.function[i - 1];
  if (s_fg.barGraph) {
    // The first bar is the first sample; only a reversed range draws it alone.
    if (!(s_fg.minDrawX < s_fg.maxDrawX + 0.001 * s_fg.step)) GraphPlotFuctionOneBar(s_fg.minDrawX, i);
    return sampleRun(s_fg.minDrawX, s_fg.maxDrawX, [&](double x) { GraphPlotFuctionOneBar(x, i); });
  }
  pen = s_UnscaledPort()->pnLoc;  // noted until the curve starts
  bool started = startAt(s_fg.minDrawX, f(s_fg.minDrawX));
  if (started) s_FunctionNotePen(pen);
  double end = sampleRun(s_fg.minDrawX, s_fg.maxDrawX, [&](double x) { lineOrStart(&started, x, f(x)); });
  s_LineRunFlush(&run);
  return end;
}

double GraphPlotXYFuctionOneSeries(int i) {
  if (i < 1 || i > s_FunctionCount() || !s_fg.xFunction[i - 1] || !s_fg.yFunction[i - 1]) return 0.0;
  GraphFunction fx = s_fg.xFunction[i - 1], fy = s_fg.yFunction[i - 1];
  double t0 = s_fg.minT[i - 1];
  pen = s_UnscaledPort()->pnLoc;
  bool started = startAt(fx(t0), fy(t0));
  double end = sampleRun(t0, s_fg.maxT[i - 1], [&](double t) { lineOrStart(&started, fx(t), fy(t)); });
  s_LineRunFlush(&run);
  return end;
}

void GraphPlotFunction() {
  s_FunctionRefuseBadStep();
  if (!samplesAllowed()) return;
  for (int i = 0; i < s_FunctionCount(); ++i) {
    bool painting = !xyKind() && s_fg.paint[i] && !s_fg.barGraph && s_fg.function[i];
    if (painting) s_FunctionPaintBegin();
    short n = s_PlotTrunc16(penWidth(i) / s_d_scale);
    s_PenSize(n, n);
    double end = xyKind() ? GraphPlotXYFuctionOneSeries(i + 1) : GraphPlotFuctionOneSeries(i + 1);
    if (painting) s_FunctionPaintEnd(i, end);
  }
}
