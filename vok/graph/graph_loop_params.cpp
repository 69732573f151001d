// The registration of a graph's parameters, in the dialog order that the
// parameter files of every 2D graph program rely on.
#include <cstdint>

#include "vok/draw/eps.h"
#include "vok/graph/function_graph.h"
#include "vok/graph/graph_frame.h"
#include "vok/graph/graph_loop.h"
#include "vok/graph/graph_settings.h"
#include "vok/graph/series.h"
#include "vok/graph/sheet_data.h"
#include "vok/params/output_procs.h"
#include "vok/params/param_files.h"
#include "vok/params/param_table.h"
#include "vok/params/pd_procs.h"

namespace {
void s_GraphAdd(void* pointer, int type, const char* label) { in_AddParameterP(pointer, type, label, s_g.dialog); }
void s_GraphAddProc(PDProc proc, const char* label) { s_GraphAdd(reinterpret_cast<void*>(proc), doType, label); }
}  // namespace

void GraphAddParameters1() {
  s_GraphAddProc(SavePDParameters, "Save Params");
  s_GraphAdd(s_PD.fileName, stringType, "Param File Name");
  s_GraphAddProc(LoadPDParameters, "Load Params");
  s_GraphAdd(&s_g.exitGraph, flagType, "Exit Graph");
  s_GraphAdd(&s_g.saveGraph, flagType, "Save Graph");
  s_GraphAdd(&s_g.epsSaveGraph, flagType, "EPS Save Graph");
  s_GraphAdd(&s_g.printGraph, flagType, "Print Graph");
  s_GraphAddProc([] { s_outputProcs.saveBitmap(); }, "Bitmap Save");
  s_GraphAddProc(GraphEPSSaveProc, "EPS Bitmap Save");
  s_GraphAddProc([] { s_outputProcs.printBitmap(); }, "Bitmap Print");
}

void GraphAddParameters() {
  GraphAddParameters1();
  if (s_g1.graphKind == kGraphSpreadSheet) s_GraphAddProc(SGInit, "Load New Data");
  if (s_g.graphDimension == 1) s_GraphAdd(&s_g.colorFlag, flagType, "Color");
  s_FunctionAddRangeParameters();
  GraphFrameAddParameters();
  s_FunctionAddBarParameters();
  if (s_g1.graphKind == kGraphSpreadSheet) {
    // The file is read here, so its columns decide how many series
    // parameters follow and the frame range first shown is the data's.
    SGInit();
    SGSS1DAddParameters();
  }
  s_FunctionAddPaintParameters();
}

void GraphEPSSaveProc() {
  switch (s_g.graphDimension) {
    case 1: EPSBitMapSave(1, s_g.colorFlag, 0.0); break;
    case 2: EPSBitMapSave(1, 0, 0.5); break;
    case 3: EPSBitMapSave(8, 1, 0.0); break;
    default: break;
  }
}
