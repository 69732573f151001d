// The output jobs that the Parameters dialog's buttons and the graph loops
// start (printing, picture saving, bitmap printing and saving). The output
// layer sits above them and installs the real ones (vok/output/install.cpp,
// always linked); until then each does nothing.
#pragma once

struct VOKOutputProcs {
  void (*beginPrinting)();  // BeginPrintingProc
  void (*endPrinting)();    // EndPrintingProc
  void (*beginSaving)();    // BeginSavingProc
  void (*endSaving)();      // EndSavingProc
  void (*printBitmap)();    // PrintProc: the drawing window's pixels to the printer
  void (*saveBitmap)();     // SaveProc: the drawing window's pixels to a file
  void (*savePrinting)();   // EndSavingInPrintingProc: the printed picture to a file
};
extern VOKOutputProcs s_outputProcs;
