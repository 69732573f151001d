// Grids from spreadsheet files: reading the file for a contour or surface
// graph, building s_sg.grid from the x, y and f columns of series 1, and the
// grid as a function f(x, y).
//
// The grid keeps the geometry it was built with (s_sgGrid), so a column
// choice or a file that cannot make a grid leaves a grid that still agrees
// with its own coordinates. Any new data read rebuilds it: the rebuild test
// compares the column numbers and the reader's count of files read.
#include "vok/contour/grid.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "vok/contour/contour.h"
#include "vok/frame/messages.h"
#include "vok/graph/graph_frame.h"
#include "vok/graph/graph_settings.h"
#include "vok/graph/sheet_data.h"
#include "vok/graph/sheet_internal.h"
#include "vok/params/param_table.h"
#include "vok/util/arrays.h"

SGGridGeometry s_sgGrid = {0, 0, 1, 0, 0, 1, -1};
SGSurfaceRange s_sgSurface = {};

namespace {
int g_dataNumberAdded = 0;  // "Data Number" registered
int g_plotsAdded = 0;       // "Plot %d X/Y/F" registered (once series exist)

// What the last refused choice was, so each is reported once.
struct Choice {
  int x, y, f;
  long reads;
  bool operator==(const Choice& o) const { return x == o.x && y == o.y && f == o.f && reads == o.reads; }
};
Choice g_refused = {-1, -1, -1, -1};

const char* fileShown() {
  const char* name = s_sg.fileName;
  if (std::strlen(name) > 80) {
    const char* slash = std::strrchr(name, '/');
    if (slash && slash[1]) name = slash + 1;
  }
  return *name ? name : "(unnamed)";
}

// Column statistics of a column numbered from 1, or false when the tables
// have no such column.
bool columnStats(int column, double* lo, double* hi, double* step) {
  if (!s_sg.columnMin || column < 1 || column > s_sg.columnCount || column > s_sgTables.statColumns ||
      column > s_sgTables.columns)
    return false;
  *lo = s_sg.columnMin[column - 1];
  *hi = s_sg.columnMax[column - 1];
  *step = s_sg.columnStep[column - 1];
  return true;
}

// The geometry a grid of the current choice would have, or a message
// saying why the data cannot make one.
bool gridCandidate(const Choice& c, SGGridGeometry* g, long* nx, long* ny, char* why, size_t size) {
  const int columns[3] = {c.x, c.y, c.f};
  double lo, hi, step;
  for (int column : columns)
    if (!columnStats(column, &lo, &hi, &step)) {
      std::snprintf(why, size, "column %d does not exist: \"%s\" has %d columns", column, fileShown(),
                    s_sg.columnCount);
      return false;
    }
  const char* axisName[2] = {"x", "y"};
  double* mins[2] = {&g->minX, &g->minY};
  double* maxs[2] = {&g->maxX, &g->maxY};
  double* steps[2] = {&g->stepX, &g->stepY};
  double extent[2];
  for (int a = 0; a < 2; ++a) {
    columnStats(columns[a], &lo, &hi, &step);
    if (!(hi > lo) || !(step > 0) || !std::isfinite(hi - lo)) {
      std::snprintf(why, size, "the %s column (column %d) of \"%s\" %s", axisName[a], columns[a], fileShown(),
                    hi > lo ? "spans too wide a range" : "has a single value; a grid needs at least two");
      return false;
    }
    *mins[a] = lo, *maxs[a] = hi, *steps[a] = step;
    extent[a] = (hi - lo) / step + 1.5;
  }
  // A real grid file has about one row per node; far more nodes than rows
  // means steps that do not fit the data.
  double rows = double(s_sg.dataCount > 0 ? s_sg.dataCount : 0);
  double limit = std::fmin(double(kSGMaxGridNodes), std::fmax(double(1L << 20), 16 * rows));
  double nodes = std::floor(extent[0]) * std::floor(extent[1]);
  if (!(nodes <= limit)) {
    std::snprintf(why, size,
                  "the steps of the x and y columns of \"%s\" (%g and %g) make a grid of %.3g nodes from %.0f rows: "
                  "the rows do not form a grid",
                  fileShown(), g->stepX, g->stepY, nodes, rows);
    return false;
  }
  *nx = long(extent[0]);
  *ny = long(extent[1]);
  return true;
}

Choice currentChoice() {
  return {s_sg.seriesX[0], s_sg.seriesY[0], s_sg.seriesF[0], s_sgTables.reads};
}

// The candidate grid of the current choice; an unusable choice is reported
// once with an alert, and false returned.
bool usableGrid(SGGridGeometry* g, long* nx, long* ny) {
  Choice c = currentChoice();
  char why[400];
  if (gridCandidate(c, g, nx, ny, why, sizeof why)) {
    g_refused = {-1, -1, -1, -1};
    return true;
  }
  if (!(c == g_refused)) {
    g_refused = c;
    char message[512];
    std::snprintf(message, sizeof message, "Error in SG2DArray: %s; %s", why,
                  s_sg.grid ? "the previous grid stays" : "there is no grid to draw");
    s_AlertFileError(message);
  }
  return false;
}

// The frame and steps of the graph from the data's range.
void takeDataRange(int dimension, const SGGridGeometry& g) {
  if (dimension == 2) {
    s_g.minFrameX = g.minX, s_g.maxFrameX = g.maxX;
    s_g.minFrameY = g.minY, s_g.maxFrameY = g.maxY;
    s_g2d.dx = g.stepX, s_g2d.dy = g.stepY;
  } else if (dimension == 3) {
    double* targets[6] = {s_sgSurface.xMin, s_sgSurface.xMax, s_sgSurface.yMin,
                          s_sgSurface.yMax, s_sgSurface.xIncrement, s_sgSurface.yIncrement};
    const double values[6] = {g.minX, g.maxX, g.minY, g.maxY, g.stepX, g.stepY};
    for (int k = 0; k < 6; ++k)
      if (targets[k]) *targets[k] = values[k];
  }
}

// "Data Number" on the first call; the series columns once the reader has made them.
void addGridParameters() {
  if (!g_dataNumberAdded) in_Graph1DAddParameter(&s_sg.dataCount, longType, "Data Number");
  g_dataNumberAdded = 1;
  if (g_plotsAdded || !s_sg.seriesX || s_sg.seriesCount < 1) return;
  g_plotsAdded = 1;
  for (int i = 0; i < s_sg.seriesCount; ++i) {
    char label[32];
    std::snprintf(label, sizeof label, "Plot %d X", i + 1);
    in_Graph1DAddParameter(&s_sg.seriesX[i], intType, label);
    std::snprintf(label, sizeof label, "Plot %d Y", i + 1);
    in_Graph1DAddParameter(&s_sg.seriesY[i], intType, label);
    std::snprintf(label, sizeof label, "Plot %d F", i + 1);
    in_Graph1DAddParameter(&s_sg.seriesF[i], intType, label);
  }
}

void readForGrid(int dimension) {
  s_sg.maxSeries = 1;
  SGInit();
  addGridParameters();
  SGGridGeometry g;
  long nx, ny;
  if (s_sg.seriesX && usableGrid(&g, &nx, &ny)) takeDataRange(dimension, g);
}

// Rows whose x, y and f are numbers, each on its nearest node.
void fillGrid(const Choice& c) {
  long rows = s_sg.dataCount < s_sgTables.rows ? s_sg.dataCount : s_sgTables.rows;
  const double *xs = s_sg.data[c.x - 1], *ys = s_sg.data[c.y - 1], *fs = s_sg.data[c.f - 1];
  const int *xok = s_sg.valid[c.x - 1], *yok = s_sg.valid[c.y - 1], *fok = s_sg.valid[c.f - 1];
  for (long r = 0; r < rows; ++r) {
    if (!(xok[r] && yok[r] && fok[r])) continue;
    double u = (xs[r] - s_sgGrid.minX) / s_sgGrid.stepX + 0.5;
    double v = (ys[r] - s_sgGrid.minY) / s_sgGrid.stepY + 0.5;
    if (!(u >= 0 && u < s_sg.gridNx && v >= 0 && v < s_sg.gridNy)) continue;
    s_sg.grid[int(u)][int(v)] = fs[r];
  }
}
}  // namespace

void SG2DInit() { readForGrid(2); }

void SG3DInit() {
  readForGrid(3);
  if (s_sgSurface.sameXYInc) *s_sgSurface.sameXYInc = 0;
  if (s_sgSurface.useResolution) *s_sgSurface.useResolution = 0;
}

void SG2DArray() {
  if (!s_sg.seriesX || s_sg.seriesCount < 1 || !s_sg.data) return;
  Choice c = currentChoice();
  bool sameData = s_sg.grid && s_sgGrid.fileReads == c.reads;
  if (sameData && c.x == s_sg.gridX && c.y == s_sg.gridY && c.f == s_sg.gridF) return;
  SGGridGeometry g;
  long nx, ny;
  if (!usableGrid(&g, &nx, &ny)) return;
  if (!sameData || c.x != s_sg.gridX || c.y != s_sg.gridY) {
    takeDataRange(s_g.graphDimension, g);
    if (s_sg.grid) FreeArrayDouble2(s_sg.grid, s_sg.gridNx, s_sg.gridNy);
    s_sg.gridNx = int(nx), s_sg.gridNy = int(ny);
    s_sg.grid = MakeArrayDouble2(s_sg.gridNx, s_sg.gridNy);
    s_sgGrid = g;
  }
  s_sgGrid.fileReads = c.reads;
  s_sg.gridX = c.x, s_sg.gridY = c.y, s_sg.gridF = c.f;
  fillGrid(c);
}

double Graph2DSSFunc(double x, double y) {
  if (!s_sg.grid) return 0;
  double u = (x - s_sgGrid.minX) / s_sgGrid.stepX + 0.5;
  double v = (y - s_sgGrid.minY) / s_sgGrid.stepY + 0.5;
  int i = !(u >= 1) ? 0 : u >= s_sg.gridNx ? s_sg.gridNx - 1 : int(u);
  int j = !(v >= 1) ? 0 : v >= s_sg.gridNy ? s_sg.gridNy - 1 : int(v);
  return s_sg.grid[i][j];
}

void Graph2DSS() {
  s_g2d.labelsInterval = 0.1;
  s_g.spreadsheetData = 1;
  SetGraph2DFunction(Graph2DSSFunc);
  Graph2DFunction();
}
