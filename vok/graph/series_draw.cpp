// Drawing the series of a data file: a polyline through the valid rows in
// the series' x range, error bars, and a marker at every point.
#include <cstdio>

#include "vok/console/text.h"
#include "vok/draw/draw_ops.h"
#include "vok/draw/line_run.h"
#include "vok/frame/startup.h"
#include "vok/graph/graph_frame.h"
#include "vok/graph/graph_settings.h"
#include "vok/graph/regression.h"
#include "vok/graph/series.h"
#include "vok/graph/sheet_data.h"
#include "vok/graph/sheet_internal.h"
#include "vok/plot/markers.h"
#include "vok/plot/plot.h"

int s_SeriesRows() {
  long rows = s_sg.dataCount < 0 ? 0 : s_sg.dataCount;
  return rows < s_sgTables.rows ? int(rows) : s_sgTables.rows;
}

bool s_SeriesColumnOK(int c) { return c >= 0 && c < s_sg.columnCount && c < s_sgTables.columns; }

namespace {
void s_SeriesMarker(int kind, double radius) {
  switch (kind) {
    case 1: PlotPaintCircle(radius); break;
    case 2: PlotCircle(radius); break;
    case 3: PlotPaintRect(radius); break;
    case 4: PlotRect(radius); break;
    case 5: PlotCross(radius); break;
    case 6: PlotPaintTriangle(radius); break;
    case 7: PlotTriangle(radius); break;
    default: break;
  }
}

// Colour k = dataColor mod 6 selects panel colours 1-5, 0 the sixth;
// a negative remainder keeps the current colour.
void s_SeriesColor(int dataColor) {
  int k = dataColor % 6;
  if (k < 0) return;
  s_ForeColor(s_p.penColor[k == 0 ? 5 : k - 1]);
}
}  // namespace

void StdDevBar(int xColumn, int yColumn, int sdColumn, int row) {
  double x = s_sg.data[xColumn][row], y = s_sg.data[yColumn][row], s = s_sg.data[sdColumn][row];
  Plot2DMoveTo(x, y - s);
  s_Move(-5, 0);
  Line(10, 0);
  s_Move(-5, 0);
  Plot2DLineTo(x, y + s);
  s_Move(-5, 0);
  Line(10, 0);
}

void PlotSpreadSheetOneSeries(int xColumn, int yColumn, int sdColumn, double penWidth, double radius,
                              double minX, double maxX, int noLine, int mark) {
  short n = short(penWidth / s_d_scale + 0.5);
  s_PenSize(n, n);
  int rows = s_SeriesRows();
  if (rows == 0) return;
  const double* xs = s_sg.data[xColumn];
  const double* ys = s_sg.data[yColumn];
  SetPlot2D2I(GraphConvertX(xs[0]), GraphConvertY(ys[0]));
  bool started = false;
  // Lines are held in runs only while nothing else is drawn between them.
  VOKLineRun run = {};
  bool runs = sdColumn < 0 && (mark < 1 || mark > 7);
  Point pen = {0, 0};  // the pen as the series left it; only read once a line may be drawn
  const short bottom = s_PlotArea().bottom;
  for (int r = 0; r < rows; ++r) {
    if (!s_sg.valid[xColumn][r] || !s_sg.valid[yColumn][r]) continue;  // a line runs on across gaps
    double X = GraphConvertX(xs[r]), Y = GraphConvertY(ys[r]);
    if (s_sg.showData) s_printf("%f, %f\n", X, Y);
    double v = xs[r];
    if (v < s_g.minFrameX || v < minX || v > s_g.maxFrameX || v > maxX) {
      started = false;  // outside the frame's or the series' range: neither drawn nor joined
      continue;
    }
    // The pixel once for both the line (Plot2D2) and the move (SetPlot2D2I).
    double px = s_PlotPixelX(X), py = s_PlotPixelYAbove(Y, bottom);
    short ph = s_PlotTrunc16(px), pv = s_PlotTrunc16(py);
    bool held = false;
    if (!started) {
      started = true;
    } else if (!noLine && PlotPointInRegion(px, py)) {
      if (runs) held = s_LineRunTo(&run, pen, Point{pv, ph});
      else LineTo(ph, pv);
    }
    pen = Point{pv, ph};
    if (held) continue;  // nothing else is drawn at this point: the run goes on
    s_LineRunFlush(&run);
    if (sdColumn >= 0) StdDevBar(xColumn, yColumn, sdColumn, r);
    s_MoveTo(ph, pv);
    s_SeriesMarker(mark, radius);
  }
  s_LineRunFlush(&run);
}

void GraphPlotSpreadSheet() {
  if (!s_sg.data || !s_sgTables.seriesMade) return;  // no file read yet
  for (int i = 0; i < s_sg.seriesCount; ++i) {
    int x = s_sg.seriesX[i] - 1, y = s_sg.seriesY[i] - 1, sd = s_sg.seriesSD[i] - 1;
    if (s_sg.seriesX[i] == 0) continue;
    // A series naming a column the tables do not hold is left out (its
    // error bars alone when only the SD column is out of range).
    if (!s_SeriesColumnOK(x) || !s_SeriesColumnOK(y)) continue;
    if (!s_SeriesColumnOK(sd)) sd = -1;
    if (s_g.colorFlag) s_SeriesColor(s_sg.dataColor[i]);
    PlotSpreadSheetOneSeries(x, y, sd, s_sg.penWidth[i], double(s_sg.markRadius[i]), s_sg.seriesMin[i],
                             s_sg.seriesMax[i], s_sg.noLine[i], s_sg.dataMark[i]);
  }
  if (s_sg.regressionLine && s_sg.seriesCount > 0) {
    if (s_g.colorFlag) s_ForeColor(blueColor);
    Graph1DRegressionLine(s_sg.seriesX[0] - 1, s_sg.seriesY[0] - 1);
  }
  if (s_g.colorFlag) s_ForeColor(blackColor);
}
