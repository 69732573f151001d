// Extra height labels: placing one by click, its height, and its text.
#include "vok/contour/extra_labels.h"

#include <cmath>

#include "platform/event/event.h"
#include "vok/console/text.h"
#include "vok/contour/contour.h"
#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_port_scope.h"
#include "vok/frame/events.h"
#include "vok/frame/messages.h"
#include "vok/graph/graph_settings.h"
#include "vok/plot/plot.h"
#include "vok/util/arrays.h"

void ExtraHeightNew() {
  if (!s_g2d.extraX) {
    s_g2d.extraX = MakeArrayInt1(s_g2d.maxExtraNumber);
    s_g2d.extraY = MakeArrayInt1(s_g2d.maxExtraNumber);
    s_g2d.extraValue = MakeArrayDouble1(s_g2d.maxExtraNumber);
  }
  if (s_g2d.extraNumber >= s_g2d.maxExtraNumber) {
    AlertMessage("Too many extra labels!", 1);
    return;
  }
  DrawingPortScope scope;
  if (!scope.ok || !s_g2d.functions[0]) return;
  EventRecord ev;
  s_TakeAppleEvent();
  for (;;) {
    if (!WaitNextEvent(mDownMask | highLevelEventMask, &ev, 20, nullptr)) continue;
    if (ev.what == mouseDown) break;
    if (ev.what == kHighLevelEvent) AEProcessAppleEvent(&ev);  // a quit while waiting ends the program
  }
  Point where = ev.where;
  s_GlobalToLocal(&where);
  int n = s_g2d.extraNumber;
  s_g2d.extraX[n] = where.h;
  s_g2d.extraY[n] = where.v;
  s_g2d.extraValue[n] = Graph2DHeight(where.h, where.v);
  ExtraHeightDraw(n);
  Stop();
  s_g2d.extraNumber = n + 1;
}

void ResetExtraHeight() { s_g2d.extraNumber = 0; }

double Graph2DHeight(short h, short v) {
  double x = Plot2DReverseX(h), y = Plot2DReverseY(v);
  Graph2DFunc f = s_g2d.functions[0];
  double value;
  if (!s_g.spreadsheetData) {
    value = f(x, y);
  } else {
    double dx = s_g2d.dx, dy = s_g2d.dy;
    double i = std::floor(x / dx), j = std::floor(y / dy);
    double x0 = i * dx, y0 = j * dy;
    double u = x / dx - i, w = y / dy - j;
    if (u + w <= 1) {
      double f00 = f(x0, y0), f10 = f(x0 + dx, y0), f01 = f(x0, y0 + dy);
      value = (1 - u - w) * f00 + u * f10 + w * f01;
    } else {
      double f11 = f(x0 + dx, y0 + dy), f10 = f(x0 + dx, y0), f01 = f(x0, y0 + dy);
      value = (u + w - 1) * f11 + (1 - w) * f10 + (1 - u) * f01;
    }
  }
  return std::floor(value / s_g2d.df + 0.5) * s_g2d.df;
}

void ExtraHeightDraw(int i) {
  short size = GetPortTextSize(s_UnscaledPort());
  s_TextSize(short(s_g2d.labelSize));
  s_Dprintf(short(s_g2d.extraX[i]) - 8, short(s_g2d.extraY[i]) + 4, "%.*f", s_g2d.labelDigit, s_g2d.extraValue[i]);
  s_TextSize(size);
}
