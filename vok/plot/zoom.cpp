// "Magnify" and "Shrink Half": the two interactive zooms of the Parameters
// dialog. Both draw into the drawing window whatever port is current when the
// button runs, and leave that port current again.
#include <cmath>
#include <cstdlib>

#include "platform/event/event.h"
#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_port_scope.h"
#include "vok/draw/drawing_window.h"
#include "vok/frame/events.h"
#include "vok/plot/plot.h"

namespace {
// The event's location in unscaled drawing coordinates; with Shift held the
// vertical follows the horizontal so that the rectangle keeps the window's
// proportions (h / w = H / W).
Point localCorner(const EventRecord& ev, Point start, const Rect& area) {
  Point p = ev.where;
  s_GlobalToLocal(&p);
  if (ev.modifiers & shiftKey) p.v = s_PlotTrunc16(start.v + double(p.h - start.h) * area.bottom / area.right);
  return p;
}

Rect spanned(Point a, Point b) {
  Rect r;
  SetRect(&r, a.h < b.h ? a.h : b.h, a.v < b.v ? a.v : b.v, a.h < b.h ? b.h : a.h, a.v < b.v ? b.v : a.v);
  return r;
}

// Rubber band: the rectangle is framed in XOR, shown for a tick and framed
// again to take it away, until the button comes up. Returns the release.
EventRecord trackRectangle(Point start, const Rect& area) {
  PenState pen;
  GetPenState(&pen);
  s_PenMode(patXor);
  EventRecord ev;
  for (;;) {
    CheckPause();
    if (GetNextEvent(mUpMask, &ev)) break;
    Rect r = spanned(start, localCorner(ev, start, area));
    FrameRect(&r);
    WaitTick(1);
    FrameRect(&r);
    WaitTick(1);
  }
  s_PenMode(pen.pnMode);
  return ev;
}

double signOf(double v) { return v < 0 ? -1.0 : 1.0; }
}  // namespace

// 1. wait for the press (the start corner); 2.-4. track the rubber band until
// the release (the end corner); 5. centre the chosen world rectangle in the
// window and scale it to fill it; 6. erase, so the next pass draws anew.
void EnlargePlot2D() {
  DrawingPortScope scope;
  if (!scope.ok) return;
  Rect area = s_PlotArea();
  const int32_t W = area.right, H = area.bottom;
  if (W <= 0 || H <= 0) return;

  EventRecord ev;
  do {
    CheckPause();
  } while (!GetNextEvent(mDownMask, &ev));
  Point start = ev.where;
  s_GlobalToLocal(&start);
  Point end = localCorner(trackRectangle(start, area), start, area);

  // A click without a drag selects nothing: keep the picture as it is.
  if (end.h == start.h || end.v == start.v) return;
  double wxStart = Plot2DReverseX(start.h), wyStart = Plot2DReverseY(start.v);
  double wxEnd = Plot2DReverseX(end.h), wyEnd = Plot2DReverseY(end.v);
  double wx = signOf(s_wx) * W / std::fabs(wxEnd - wxStart);  // a reversed axis stays reversed
  double wy = signOf(s_wy) * H / std::fabs(wyEnd - wyStart);
  if (!std::isfinite(wx) || !std::isfinite(wy) || wx == 0 || wy == 0) return;
  s_ox = (wxStart + wxEnd) * 0.5;
  s_oy = (wyStart + wyEnd) * 0.5;
  s_wx = wx;
  s_wy = wy;
  s_bx = W / 2;
  s_by = H / 2;
  EraseDrawing();
}

void ShrinkPlot2D(double factor) {
  if (!(factor > 0) || !std::isfinite(factor)) return;
  double wx = s_wx / factor, wy = s_wy / factor;
  if (!std::isfinite(wx) || !std::isfinite(wy) || wx == 0 || wy == 0) return;
  s_wx = wx;
  s_wy = wy;
  DrawingPortScope scope;
  if (scope.ok) EraseDrawing();
}

void ShrinkPlot2DHalf() { ShrinkPlot2D(2.0); }
