// The level table: the range of values the installed functions take over
// the frame, and one label countdown per level step. It is recomputed only
// when the frame grows, df shrinks, labels are switched on, "Only Zero
// Level" is switched off or another f column is chosen.
#include <cmath>
#include <cstdlib>

#include "vok/contour/contour.h"
#include "vok/contour/trace.h"
#include "vok/frame/events.h"
#include "vok/frame/messages.h"
#include "vok/graph/graph_settings.h"
#include "vok/graph/sheet_data.h"
#include "vok/util/numerics.h"

int32_t* s_g2dArray = nullptr;

namespace {
struct LevelCache {
  int32_t first;
  int32_t contourLabel, onlyZero;
  double xMin, xMax, yMin, yMax;
  double df;
  int32_t fColumn;
};
LevelCache old = {1, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr double kMaxLevels = 1 << 20;

bool needsRecompute() {
  return old.first || s_g2d.contourLabel > old.contourLabel || s_g2d.onlyZero < old.onlyZero ||
         s_g.minFrameX < old.xMin || s_g.maxFrameX > old.xMax || s_g.minFrameY < old.yMin ||
         s_g.maxFrameY > old.yMax || s_g2d.df < old.df || (s_sg.seriesF && s_sg.seriesF[0] != old.fColumn);
}
}  // namespace

void s_Graph2DForgetLevels() { old.first = 1; }

void SG2DResetArray() {
  if (!s_g2d.contourLabel || !needsRecompute()) return;
  old = {0,         s_g2d.contourLabel, s_g2d.onlyZero, s_g.minFrameX, s_g.maxFrameX, s_g.minFrameY,
         s_g.maxFrameY, s_g2d.df,       old.fColumn};
  if (s_sg.seriesF) old.fColumn = s_sg.seriesF[0];
  Graph2DMaxAndMin();
  Graph2DMakeArray();
}

// Samples every node of the frame's grid; values beyond the bounds stop at
// them, and sampling ends once both bounds have been hit. When no value is
// a number the bounds themselves are the range.
void Graph2DMaxAndMin() {
  bool any = false, upperHit = false, lowerHit = false;
  double lo = 0, hi = 0, dx = s_g2d.dx, dy = s_g2d.dy;
  bool steps = dx > 0 && dy > 0 && std::isfinite(dx + dy);
  for (int k = 0; steps && k < s_g2d.functionNumber && !(upperHit && lowerHit); ++k) {
    Graph2DFunc f = s_g2d.functions[k];
    if (!f) continue;
    for (double x = s_g.minFrameX; x < s_g.maxFrameX + dx / 2 && !(upperHit && lowerHit);) {
      for (double y = s_g.minFrameY; y < s_g.maxFrameY + dy / 2;) {
        double v = f(x, y);
        if (!NotADouble(v)) {
          if (!any) {
            lo = hi = v;
            any = true;
          } else if (v > hi) {
            hi = v;
            if (v > s_g2d.funcMax) hi = s_g2d.funcMax, upperHit = true;
          } else if (v < lo) {
            lo = v;
            if (v < s_g2d.funcMin) lo = s_g2d.funcMin, lowerHit = true;
          }
          if (upperHit && lowerHit) break;
        }
        if (!(y + dy > y)) break;
        y += dy;
      }
      CheckPause();
      if (!(x + dx > x)) break;
      x += dx;
    }
  }
  if (!any) lo = s_g2d.funcMin, hi = s_g2d.funcMax;
  s_g2d.levelMin = lo;
  s_g2d.levelMax = hi;
}

// One countdown per level step; a range of more steps than maxLevelNumber
// is first cut to df times the bounds. Bounds set far out could still ask
// for any number of counters: the table stops at kMaxLevels, and levels
// beyond it get no number.
void Graph2DMakeArray() {
  std::free(s_g2dArray);
  s_g2dArray = nullptr;
  double n = std::trunc((s_g2d.levelMax - s_g2d.levelMin) / s_g2d.df);
  if (n > s_g2d.maxLevelNumber) {
    s_g2d.levelMax = std::fmin(s_g2d.df * s_g2d.funcMax, s_g2d.levelMax);
    s_g2d.levelMin = std::fmax(s_g2d.df * s_g2d.funcMin, s_g2d.levelMin);
    n = std::trunc((s_g2d.levelMax - s_g2d.levelMin) / s_g2d.df);
  }
  if (!(n >= 0)) n = 0;
  if (n > kMaxLevels) n = kMaxLevels;
  s_g2d.levelNumber = int32_t(n);
  s_g2dArray = static_cast<int32_t*>(std::calloc(size_t(n) + 1, sizeof(int32_t)));
  if (!s_g2dArray) s_OOMError();
}

void Graph2DInitArray() {
  if (!s_g2dArray) return;
  for (int32_t i = 0; i <= s_g2d.levelNumber; ++i) {
    double count = std::trunc(s_g2d.labelsInterval * ((8 * i) % 21) + 1.0);
    s_g2dArray[i] = int32_t(count > -1e9 ? std::fmin(count, 1e9) : 0);
  }
}
