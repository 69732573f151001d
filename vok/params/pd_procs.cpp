// The standard command buttons that need no output job, and AddPDProcs,
// which registers all eleven in the fixed order that the parameter files
// of programs using them rely on.
#include "vok/params/pd_procs.h"

#include "vok/draw/drawing_window.h"
#include "vok/frame/events.h"
#include "vok/params/output_procs.h"
#include "vok/params/param_table.h"
#include "vok/plot/plot.h"

namespace {
void nothing() {}
}  // namespace

VOKOutputProcs s_outputProcs = {nothing, nothing, nothing, nothing, nothing, nothing, nothing};

void ShowProc() { Stop(); }
void ClearProc() { EraseDrawing(); }

void ShrinkProc() { ShrinkPlot2D(2.0); }

void AddPDProcs() {
  struct Button {
    PDProc proc;
    const char* label;
  };
  static const Button buttons[] = {
      {ShowProc, "Show"},
      {ClearProc, "Clear"},
      {[] { s_outputProcs.printBitmap(); }, "Print BitMap"},
      {[] { s_outputProcs.saveBitmap(); }, "Save BitMap"},
      {[] { s_outputProcs.beginPrinting(); }, "Begin Printing"},
      {[] { s_outputProcs.endPrinting(); }, "End Printing"},
      {[] { s_outputProcs.beginSaving(); }, "Begin Saving"},
      {[] { s_outputProcs.endSaving(); }, "End Saving"},
      {[] { s_outputProcs.savePrinting(); }, "Save Printing"},
      {EnlargePlot2D, "Magnify"},
      {ShrinkProc, "Shrink Half"},
  };
  for (const Button& b : buttons) in_AddParameterP0(reinterpret_cast<void*>(b.proc), doType, b.label, &s_paramDialogP);
}
