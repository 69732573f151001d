// Chart-recorder plots: Plot1 ... Plot6 draw one step of up to six running
// traces, each in its own band of the drawing window (offset, scale and base
// from the SetPlot4/6 O, W and B setters). When the next step would pass the
// right edge a new page begins: the page just drawn is printed or saved when
// the Begin wrappers (vok/output/plot_output.h) asked for it, the window is
// erased and the traces go on from the left.
#pragma once

void SetPlotNewPageFunc(void (*func)());  // called on each new page (black, 1 x 1 pen), e.g. to draw axes
void SetPlotNewPageStopOn();               // hold each full page until a click
void SetPlotNewPageStopOff();

void Plot1(double x);
void Plot2(double x, double y);
void Plot3(double x, double y, double z);
void Plot4(double x, double y, double z, double u);
void Plot6(double x, double y, double z, double u, double r, double s);
void PlotNewPage();

// What a new page does with the page just drawn. The output layer, which sits
// above the plots, fills these in when a Begin wrapper first runs; until then
// the printing and saving flags of s_p cannot be set and nothing is called.
struct PlotPageOutputs {
  void (*endPrinting)();
  void (*endBitMapPrinting)();
  void (*endBitMapSavingAuto)();
  void (*beginPrinting)();
};
extern PlotPageOutputs s_plotPageOutputs;
