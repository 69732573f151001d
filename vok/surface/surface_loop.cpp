// Graph3DFunction: the Parameters dialog and a drawing pass in turn until
// "Exit Graph". Unlike the 2D graphs, printing and saving a picture are
// exclusive in one pass: printing wins.
#include "vok/surface/surface_loop.h"

#include <algorithm>

#include "vok/contour/grid.h"
#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
#include "vok/draw/eps.h"
#include "vok/frame/events.h"
#include "vok/frame/messages.h"
#include "vok/graph/graph_settings.h"
#include "vok/graph/sheet_data.h"
#include "vok/params/dialog_run.h"
#include "vok/params/output_procs.h"
#include "vok/surface/surface_frame.h"
#include "vok/surface/surface_settings.h"

namespace {
SG3DView s_view = {};  // the loop's view; its row table outlives the graph

// The frame may not reach past the data: the grid has no nodes there.
void narrowToData() {
  if (!s_sg.grid) return;
  s_g3d.xMin = std::max(s_g3d.xMin, s_sgGrid.minX);
  s_g3d.xMax = std::min(s_g3d.xMax, s_sgGrid.maxX);
  s_g3d.yMin = std::max(s_g3d.yMin, s_sgGrid.minY);
  s_g3d.yMax = std::min(s_g3d.yMax, s_sgGrid.maxY);
}

void surfacePass() {
  if (s_g.spreadsheetData) {
    SG2DArray();
    narrowToData();
  }
  SG3DSetting(&s_view);
  SG3DMakeArray(&s_view);
  EraseDrawing();
  if (s_g.printGraph)
    s_outputProcs.beginPrinting();
  else if (s_g.saveGraph)
    s_outputProcs.beginSaving();
  if (s_g.epsSaveGraph) BeginEPSSaving();
  SG3DDrawCells(&s_view);
  if (s_g3d.showAxis) {
    s_ForeColor(blackColor);
    SG3DFrame(&s_view);
  }
  s_ForeColor(blackColor);
  if (s_g.printGraph)
    s_outputProcs.endPrinting();
  else if (s_g.saveGraph)
    s_outputProcs.endSaving();
  if (s_g.epsSaveGraph) EndEPSSaving();
  Stop();
}
}  // namespace

void Graph3DFunction() {
  if (!s_g3d.function) PrintError("Error in Graph3DF: No function");
  s_g.graphDimension = 3;
  Graph3DFAddParameters();
  if (s_g3d.useResolution) {
    s_g3d.xIncrement = s_g3d.xResolution / s_g3d.xScale;
    s_g3d.yIncrement = s_g3d.yResolution / s_g3d.yScale;
  }
  s_view.row = nullptr;
  ShowDrawing();
  for (;;) {
    ParametersDialogP(s_g.dialog);
    SGBoundColumnNames();  // the dialog may have lengthened a column name past what a name holds
    if (s_g.exitGraph) return;
    surfacePass();
  }
}

void Graph3DSS() {
  s_g.spreadsheetData = 1;
  SetGraph3DFunction(Graph2DSSFunc);
  Graph3DFunction();
}
