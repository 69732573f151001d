// DrawGraph: register once, then dialog and drawing pass in turn until
// "Exit Graph". Each pass opens the ticked outputs, draws frame, user
// procedure and data, and closes the outputs in the same order.
#include "vok/graph/graph_loop.h"

#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
#include "vok/draw/eps.h"
#include "vok/draw/styled_text.h"
#include "vok/frame/events.h"
#include "vok/frame/startup.h"
#include "vok/graph/function_graph.h"
#include "vok/graph/graph_frame.h"
#include "vok/graph/graph_settings.h"
#include "vok/graph/series.h"
#include "vok/graph/sheet_data.h"
#include "vok/params/dialog_run.h"
#include "vok/params/output_procs.h"
#include "vok/plot/plot.h"

GraphKindState s_g1 = {kGraphFunction, nullptr, nullptr, 0};

namespace {
// The dialog may have lengthened a column name past what a name holds.
void s_GraphDialog() {
  ParametersDialogP(s_g.dialog);
  SGBoundColumnNames();
}

void s_GraphPass() {
  CheckPause();
  if (s_g1.graphKind != kGraphSpreadSheet) s_FunctionRefuseBadStep();  // before a bar graph's frame uses it
  s_GraphSetTransform();
  EraseDrawing();
  s_GraphBeginOutputs();
  GraphFrameAndLabel();
  if (s_g1.userProcSet && s_g1.userProc) s_g1.userProc();
  if (s_g1.graphKind == kGraphSpreadSheet)
    GraphPlotSpreadSheet();
  else
    GraphPlotFunction();
  s_GraphEndOutputs();
  Stop();
}
}  // namespace

void s_GraphBeginOutputs() {
  if (s_g.printGraph) s_outputProcs.beginPrinting();
  if (s_g.saveGraph) s_outputProcs.beginSaving();
  if (s_g.epsSaveGraph) BeginEPSSaving();
}

void s_GraphEndOutputs() {
  if (s_g.printGraph) s_outputProcs.endPrinting();
  if (s_g.saveGraph) s_outputProcs.endSaving();
  if (s_g.epsSaveGraph) EndEPSSaving();
}

void s_GraphSetTransform() {
  double x0, x1, y0, y1;
  GraphPlottedFrameRange(&x0, &x1, &y0, &y1);  // widened where it has no width
  SetPlot4B(0, int32_t(s_g.left / s_d_scale), int32_t(s_g.bottom / s_d_scale), 0, 0);
  SetPlot4O(0, x0, y0, 0, 0);
  SetPlot4W(0, (s_g.width / s_d_scale) / (x1 - x0), (s_g.height / s_d_scale) / (y1 - y0), 0, 0);
}

void DrawGraph() {
  s_g.graphDimension = 1;
  PenState pen;
  GetPenState(&pen);
  s_PenMode(patOr);
  if (!s_g.dialogReady) {
    in_SetUpParametersDialogP(&s_g.dialog);
    s_g.dialogReady = 1;
  }
  s_sg.dataCount = 0;
  if (!s_g.parametersAdded) GraphAddParameters();

  ShowDrawing();
  s_TextSize(short(s_g.labelSize / s_d_scale));
  SetFont("Times");
  SetPlot4W(0, 300 / s_d_scale, 300 / s_d_scale, 0, 0);
  short n = short(1 / s_d_scale);
  s_PenSize(n, n);

  s_GraphDialog();
  while (!s_g.exitGraph) {
    s_GraphPass();
    s_GraphDialog();
  }
  s_PenMode(pen.pnMode);
}

void SpreadSheetGraph() {
  s_g1.graphKind = kGraphSpreadSheet;
  DrawGraph();
}

void FunctionGraph() {
  s_g1.graphKind = kGraphFunction;
  DrawGraph();
}

void XYFunctionGraph() {
  s_g1.graphKind = kGraphXYFunction;
  DrawGraph();
}

void SetGraphUserProc(void (*proc)()) {
  s_g1.userProc = proc;
  s_g1.userProcSet = 1;
}
