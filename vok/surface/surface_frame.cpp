// SG3DFrame and its texts. The axes are drawn over the surface, not hidden
// by it; the minimum of an axis is written at its start, the maximum and the
// title at its end.
#include "vok/surface/surface_frame.h"

#include <cstdio>

#include "platform/font/font.h"
#include "platform/gfx/gfx.h"
#include "vok/draw/draw_ops.h"
#include "vok/draw/styled_text.h"
#include "vok/graph/graph_frame.h"
#include "vok/plot/plot.h"
#include "vok/surface/surface_settings.h"

namespace {
struct Pixel {
  short h, v;
};

// Projected coordinates clamp to 16 bits, so a far-off or invalid point
// cannot wrap around onto the window.
Pixel project(double x, double y, double z, const SG3DView* view) {
  return {s_PlotTrunc16(SG3DX(x, y, view)), s_PlotTrunc16(SG3DY(x, y, z, view))};
}

// Runs `draw` with the label size at the pen moved by (dx, dy), then puts
// pen and text size back.
template <typename Draw>
void atOffset(short dx, short dy, Draw draw) {
  short size = GetPortTextSize(reinterpret_cast<CGrafPtr>(GetQDPort()));
  Point pen;
  GetPen(&pen);
  s_TextSize(short(s_g3d.labelSize));
  s_Move(dx, dy);
  draw();
  s_MoveTo(pen.h, pen.v);
  s_TextSize(size);
}

struct AxisTexts {
  int32_t showMin, showMax, showLabel;
  int32_t minDigit, maxDigit;
  int32_t numDx, numDy, labelDx, labelDy;
  double min, max;
  const char* label;
};

// One axis from the box corner O to `end`.
void axis(double ex, double ey, double ez, const AxisTexts& t, const SG3DView* view) {
  const G3DSettings& g = s_g3d;
  Pixel o = project(g.xMin, g.yMin, g.funcMin, view), e = project(ex, ey, ez, view);
  s_MoveTo(o.h, o.v);
  if (t.showMin) DrawValue(short(t.numDx), short(t.numDy), t.minDigit, t.min);
  LineTo(e.h, e.v);
  if (t.showMax) DrawValue(short(t.numDx), short(t.numDy), t.maxDigit, t.max);
  if (t.showLabel) DrawLabel(short(t.labelDx), short(t.labelDy), t.label);
  if (g.arrow) G3DDrawArrow(g.xMin, g.yMin, g.funcMin, ex, ey, ez, view);
}
}  // namespace

void DrawValue(short dx, short dy, int digits, double value) {
  atOffset(dx, dy, [&] {
    char text[512];
    // More decimals than a double carries only pad with zeros.
    int precision = digits < 0 ? 0 : digits > 40 ? 40 : digits;
    int n = std::snprintf(text, sizeof text, "%.*f", precision, value);
    if (n > 0) DrawText(text, 0, short(n < int(sizeof text) ? n : int(sizeof text) - 1));
  });
}

void DrawLabel(short dx, short dy, const char* text) {
  atOffset(dx, dy, [&] { DrawStyleText(text); });
}

void G3DDrawArrow(double x1, double y1, double z1, double x2, double y2, double z2, const SG3DView* view) {
  Pixel from = project(x1, y1, z1, view), to = project(x2, y2, z2, view);
  AxisArrow(from.h, from.v, to.h, to.v);
}

void SG3DFrame(const SG3DView* view) {
  const G3DSettings& g = s_g3d;
  axis(g.xMax, g.yMin, g.funcMin,
       {g.showXMin, g.showXMax, g.showXLabel, g.xMinDigit, g.xMaxDigit, g.xNumDx, g.xNumDy, g.xLabelDx, g.xLabelDy,
        g.xMin, g.xMax, g.xLabel},
       view);
  axis(g.xMin, g.yMax, g.funcMin,
       {g.showYMin, g.showYMax, g.showYLabel, g.yMinDigit, g.yMaxDigit, g.yNumDx, g.yNumDy, g.yLabelDx, g.yLabelDy,
        g.yMin, g.yMax, g.yLabel},
       view);
  axis(g.xMin, g.yMin, g.funcMax,
       {g.showFuncMin, g.showFuncMax, g.showFuncLabel, g.funcMinDigit, g.funcMaxDigit, g.funcNumDx, g.funcNumDy,
        g.funcLabelDx, g.funcLabelDy, g.funcMin, g.funcMax, g.funcLabel},
       view);
  TextSize(12);
}
