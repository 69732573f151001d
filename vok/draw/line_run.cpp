// Coalescing of a polyline's lines on one pixel column.
#include "vok/draw/line_run.h"

#include <cstdlib>
#include <cstring>

#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"

namespace {
// Painting the same pixel twice gives the same result unless the mode inverts.
bool idempotentMode(short mode) { return mode >= srcCopy && mode <= notPatBic && (mode & 3) != srcXor; }

bool holdable(Point from, Point to) {
  if (from.h != to.h || !s_LineRunsEnabled()) return false;
  CGrafPtr port = GetQDPort();
  // Lines that define a polygon or region keep every vertex.
  return port && !port->rgnSave && !port->polySave && idempotentMode(port->pnMode);
}
}  // namespace

bool s_LineRunsEnabled() {
  static const bool enabled = [] {
    const char* v = std::getenv("VOK_LINE_RUNS");
    return !(v && std::strcmp(v, "off") == 0);
  }();
  return enabled;
}

bool s_LineRunTo(VOKLineRun* run, Point from, Point to) {
  if (run->open && to.h == run->h) {
    if (to.v < run->lo) run->lo = to.v;
    if (to.v > run->hi) run->hi = to.v;
    run->last = to.v;
    return true;
  }
  s_LineRunFlush(run);
  if (holdable(from, to)) {
    *run = {true, to.h, from.v, from.v < to.v ? from.v : to.v, from.v < to.v ? to.v : from.v, to.v};
    return true;
  }
  LineTo(to.h, to.v);
  return false;
}

bool s_LineRunLineTo(VOKLineRun* run, Point to) {
  Point from = run->open ? Point{run->last, run->h} : s_UnscaledPort()->pnLoc;
  return s_LineRunTo(run, from, to);
}

void s_LineRunMoveTo(VOKLineRun* run, Point to) {
  if (run->open && to.h == run->h && to.v >= run->lo && to.v <= run->hi) {
    run->last = to.v;
    return;
  }
  s_LineRunFlush(run);
  s_MoveTo(to.h, to.v);
}

// From the entry over both ends of the span to the last point, skipping lines
// of no length; a run that never left its entry is one dot.
void s_LineRunFlush(VOKLineRun* run) {
  if (!run->open) return;
  run->open = false;
  short stops[3] = {run->lo, run->hi, run->last};
  if (run->last == run->lo) stops[0] = run->hi, stops[1] = run->lo;
  short at = run->entry;
  int drawn = 0;
  for (short v : stops) {
    if (v == at) continue;
    LineTo(run->h, v);
    at = v;
    ++drawn;
  }
  if (!drawn) LineTo(run->h, run->entry);
}
