// The Begin/End wrappers of chart-recorder pages: each calls the printing or
// saving operation and sets or clears its flag in s_p, and hands the plots
// the page operations they cannot reach themselves (they sit below output).
#include "vok/output/plot_output.h"

#include "vok/output/printing.h"
#include "vok/output/saving.h"
#include "vok/plot/panels.h"
#include "vok/plot/plot.h"

namespace {
void endPrintingPage() { EndPrinting(); }

// Bitmap printing asks once: every later page prints with the same page
// setup in a fresh job, so the pages after the first are not lost.
void endBitMapPrintingPage() {
  EndBitMapPrinting();
  if (s_print.bitMapAccepted) BeginBitMapPrintingSamePageSetUp();
}

void installPageOutputs() {
  s_plotPageOutputs = {endPrintingPage, endBitMapPrintingPage, EndBitMapSavingAuto, BeginPrinting};
}
}  // namespace

void BeginPlotPrinting() {
  installPageOutputs();
  BeginPrinting();
  s_p.printing = 1;
}

void EndPlotPrinting() {
  EndPrinting();
  s_p.printing = 0;
}

void BeginPlotBitMapPrinting() {
  installPageOutputs();
  BeginBitMapPrinting();
  s_p.bitmapPrinting = 1;
}

void EndPlotBitMapPrinting() {
  EndBitMapPrinting();
  s_p.bitmapPrinting = 0;
}

void BeginPlotSaving() {
  installPageOutputs();
  BeginBitMapSaving();
  s_p.saving = 1;
}

void EndPlotSaving() {
  EndBitMapSavingAuto();
  s_p.saving = 0;
}

void BeginPlotBitMapSaving() { BeginPlotSaving(); }
void EndPlotBitMapSaving() { EndPlotSaving(); }
