// The painted area under a curve. A polygon holds only about 8000 points,
// so a long path is filled as slices that share their edges; the pattern is
// aligned to the port, so the seams do not show.
#include "vok/graph/function_paint.h"

#include <vector>

#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
#include "vok/draw/line_run.h"
#include "vok/graph/function_data.h"
#include "vok/graph/graph_settings.h"
#include "vok/plot/plot.h"

namespace {
const size_t kSlicePoints = 4000;

bool noting = false;
std::vector<Point> path;

// Lines of a polygon's outline are never held (each is a vertex).
void lineThrough(size_t from, size_t to) {
  s_MoveTo(path[from].h, path[from].v);
  VOKLineRun run = {};
  for (size_t k = from + 1; k <= to; ++k) {
    if (s_LineRunsEnabled()) s_LineRunTo(&run, path[k - 1], path[k]);
    else LineTo(path[k].h, path[k].v);
  }
  s_LineRunFlush(&run);
}

// Path points from..to, down to the bottom at `right`, back at `left`, closed.
void fillSlice(size_t from, size_t to, short left, short right, short bottom, const Pattern& pat) {
  PolyHandle poly = s_OpenPoly();
  if (!poly) return;
  lineThrough(from, to);
  LineTo(right, bottom);
  LineTo(left, bottom);
  LineTo(path[from].h, path[from].v);
  s_ClosePoly();
  s_FillPoly(poly, &pat);
  KillPoly(poly);
}
}  // namespace

void s_FunctionPaintBegin() {
  path.clear();
  noting = true;
}

void s_FunctionNotePen(Point p) {
  if (!noting) return;
  if (path.empty() || p.h != path.back().h || p.v != path.back().v) path.push_back(p);
}

void s_FunctionPaintEnd(int i, double end) {
  noting = false;
  if (path.empty()) return;
  Pattern pat;
  SetPattern(&pat, short(s_fg.paintPattern[i]));
  short bottom = s_PlotTrunc16(s_PlotPixelY(s_g.minFrameY));
  size_t last = path.size() - 1;
  for (size_t from = 0; from == 0 || from < last; from += kSlicePoints) {
    size_t to = from + kSlicePoints < last ? from + kSlicePoints : last;
    short left = from == 0 ? s_PlotTrunc16(s_PlotPixelX(s_fg.minDrawX)) : path[from].h;
    short right = to == last ? s_PlotTrunc16(s_PlotPixelX(end)) : path[to].h;
    fillSlice(from, to, left, right, bottom, pat);
  }
  lineThrough(0, last);
}
