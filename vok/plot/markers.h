// Data markers drawn around the pen after a guarded move (nothing when that
// move fell outside the region), the colour switch of the panel plots and
// the pen reset that goes with it. Radii are in pixels of the drawing window.
#pragma once
#include <cstdint>

extern int32_t s_color_flag;  // 1: panels and series differ by colour, 0: by pen size

void PlotPaintCircle(double radius);
void PlotCircle(double radius);
void PlotPaintRect(double radius);
void PlotRect(double radius);
void PlotCross(double radius);
void PlotPaintTriangle(double radius);
void PlotTriangle(double radius);

void SetColorPlotOn();
void SetColorPlotOff();
// Colour mode: foreground to the first panel colour; else pen to the first panel size.
void ResetPen();
