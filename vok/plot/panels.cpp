// The running traces of Plot1 ... Plot6 and the page turn of PlotNewPage.
#include "vok/plot/panels.h"

#include <cmath>

#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
#include "vok/frame/events.h"
#include "vok/plot/markers.h"
#include "vok/plot/plot.h"

PlotPageOutputs s_plotPageOutputs = {nullptr, nullptr, nullptr, nullptr};

namespace {
struct Channel {
  const double& offset;
  const double& scale;
  const int32_t& base;
  double& previous;
};

Channel channel(int k) {
  switch (k) {
    case 0: return {s_ox, s_wx, s_bx, s_xx};
    case 1: return {s_oy, s_wy, s_by, s_yy};
    case 2: return {s_oz, s_wz, s_bz, s_zz};
    case 3: return {s_ou, s_wu, s_bu, s_uu};
    case 4: return {s_or, s_wr, s_br, s_rr};
    default: return {s_os, s_ws, s_bs, s_sss};
  }
}

void call(void (*f)()) {
  if (f) f();
}

// One step for `count` channels: a segment per channel from its previous
// value to the new one, all at the same step, then the page check. A segment
// with a value that is not a finite number is left out (the trace resumes at
// the next finite pair), so it never draws to the window's far corner.
void plotStep(const double* values, int count) {
  const double n = s_n;
  const double bottom = s_PlotArea().bottom;  // read afresh: the window may have been resized
  const short h0 = s_PlotTrunc16(s_wn * n + s_bn), h1 = s_PlotTrunc16(s_wn * (n + 1) + s_bn);
  for (int k = 0; k < count; ++k) {
    Channel c = channel(k);
    if (s_color_flag)
      s_ForeColor(s_p.penColor[k]);
    else
      s_PenSize(short(s_p.penSize[k]), short(s_p.penSize[k]));
    double v = values[k];
    if (std::isfinite(c.previous) && std::isfinite(v)) {
      s_MoveTo(h0, s_PlotTrunc16(c.scale * (c.offset - c.previous) - c.base + bottom));
      LineTo(h1, s_PlotTrunc16(c.scale * (c.offset - v) - c.base + bottom));
    }
    c.previous = v;
  }
  ++s_n;
  s_ForeColor(blackColor);
  if (s_wn * (double(s_n) + 1) + s_bn > s_PlotArea().right) PlotNewPage();
}
}  // namespace

void SetPlotNewPageFunc(void (*func)()) { s_p.newPageFunc = func; }
void SetPlotNewPageStopOn() { s_p.newPageStop = 1; }
void SetPlotNewPageStopOff() { s_p.newPageStop = 0; }

void Plot1(double x) { plotStep(&x, 1); }

void Plot2(double x, double y) {
  const double v[] = {x, y};
  plotStep(v, 2);
}

void Plot3(double x, double y, double z) {
  const double v[] = {x, y, z};
  plotStep(v, 3);
}

void Plot4(double x, double y, double z, double u) {
  const double v[] = {x, y, z, u};
  plotStep(v, 4);
}

void Plot6(double x, double y, double z, double u, double r, double s) {
  const double v[] = {x, y, z, u, r, s};
  plotStep(v, 6);
}

// 1. Back to step 0. 2-4. The finished page goes to the printer and the next
// numbered bitmap file as asked. 5. Optionally held until a click. 6. Erased.
// 7. Picture printing records the next page. 8. The user's procedure draws
// the new page's frame. The previous values stay: the traces go on.
void PlotNewPage() {
  s_n = 0;
  if (s_p.printing) call(s_plotPageOutputs.endPrinting);
  if (s_p.bitmapPrinting) call(s_plotPageOutputs.endBitMapPrinting);
  if (s_p.saving) call(s_plotPageOutputs.endBitMapSavingAuto);
  if (s_p.newPageStop) Stop();
  EraseDrawing();
  if (s_p.printing) call(s_plotPageOutputs.beginPrinting);
  if (s_p.newPageFunc) {
    s_ForeColor(blackColor);
    s_PenSize(1, 1);
    s_p.newPageFunc();
  }
}
