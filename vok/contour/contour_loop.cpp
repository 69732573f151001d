// Graph2DFunction: register once, then the Parameters dialog and a drawing
// pass in turn until "Exit Graph". A pass brings the grid and the level
// table up to date, opens the ticked outputs, draws frame, level lines and
// extra labels, and closes the outputs in the same order.
#include <cmath>

#include "vok/console/text.h"
#include "vok/contour/contour.h"
#include "vok/contour/extra_labels.h"
#include "vok/contour/grid.h"
#include "vok/contour/trace.h"
#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
#include "vok/frame/events.h"
#include "vok/frame/messages.h"
#include "vok/graph/graph_frame.h"
#include "vok/graph/graph_loop.h"
#include "vok/graph/graph_settings.h"
#include "vok/graph/sheet_data.h"
#include "vok/params/dialog_run.h"
#include "vok/plot/plot.h"

namespace {
void dialog() {
  ParametersDialogP(s_g.dialog);
  SGBoundColumnNames();
}

// The frame never reaches beyond the grid's data; it may be narrowed.
void narrowFrameToGrid() {
  if (!s_sg.grid) return;
  s_g.minFrameX = std::fmax(s_g.minFrameX, s_sgGrid.minX);
  s_g.maxFrameX = std::fmin(s_g.maxFrameX, s_sgGrid.maxX);
  s_g.minFrameY = std::fmax(s_g.minFrameY, s_sgGrid.minY);
  s_g.maxFrameY = std::fmin(s_g.maxFrameY, s_sgGrid.maxY);
}

void drawFunctions() {
  bool refused = false;
  for (int k = 0; k < s_g2d.functionNumber; ++k) {
    if (!s_g2d.plotFlag[k]) continue;
    if (s_g2d.contourLabel && !s_g2d.onlyZero) Graph2DInitArray();
    SetPattern(&s_g2d.pattern, short(s_g2d.patternIndex[k]));
    if (!s_Graph2DContourPass(k)) refused = true;
  }
  if (refused)
    s_printf("Error in Graph2DF: dx (%g), dy (%g) and df (%g) must be positive numbers and the frame finite\n",
             s_g2d.dx, s_g2d.dy, s_g2d.df);
}

void pass() {
  if (s_g.spreadsheetData) {
    SG2DArray();
    narrowFrameToGrid();
  }
  SG2DResetArray();
  EraseDrawing();
  s_GraphBeginOutputs();
  s_GraphSetTransform();
  GraphFrameAndLabel();
  drawFunctions();
  for (int i = 0; i < s_g2d.extraNumber; ++i) ExtraHeightDraw(i);
  s_GraphEndOutputs();
  Stop();
}
}  // namespace

void Graph2DFunction() {
  s_g.graphDimension = 2;
  if (s_g2d.functionNumber == 0) PrintError("Error in Graph2DF: No function");
  SetPlot4O(0, 0, 0, 0, 0);
  PenState pen;
  GetPenState(&pen);
  s_PenMode(patOr);
  if (!s_g.parametersAdded) Graph2DFAddParameters();
  dialog();
  while (!s_g.exitGraph) {
    pass();
    dialog();
  }
  s_PenMode(pen.pnMode);
}
