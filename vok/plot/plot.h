// The world-to-pixel transform every 2D graph draws through: its state, the
// forward and reverse mappings, the guarded move and line operations, the
// numbered rectangular frame, and the interactive "Magnify" and "Shrink Half".
// World y grows upward, pixel y downward; pixel values truncate toward zero.
#pragma once
#include <cstdint>

#include "platform/gfx/gfx.h"

// ---- transform state (channels n, x, y, z, u, r, s) --------------------------
extern double s_ox, s_oy, s_oz, s_ou, s_or, s_os;  // world value on the base pixel of its axis
extern int32_t s_on;                                // stored by the O setters; no mapping reads it
extern double s_wn;                                 // pixels per step of the n axis
extern double s_wx, s_wy, s_wz, s_wu, s_wr, s_ws;  // pixels per world unit
extern int32_t s_bn, s_bx, s_by, s_bz, s_bu, s_br, s_bs;  // base pixels (y: above the bottom edge)
extern double s_p_scale;                            // overall pixel scale after the transform
// Step counter and previous values of the running traces.
extern int32_t s_n;
extern double s_xx, s_yy, s_zz, s_uu, s_rr, s_sss;

struct PlotRegion {
  int32_t left, top, right, bottom;
};

// The plot state record.
struct PlotState {
  int32_t penColor[6];  // classic colour constants of panels and series 1-6
  int32_t penSize[6];   // pen sizes of panels 1-6
  int32_t xMinDigit, xMaxDigit, yMinDigit, yMaxDigit;  // decimals of the corner numbers
  int32_t lastPointInside;  // result of the latest region test (markers draw only after 1)
  PlotRegion region;        // guarded moves and lines outside it are skipped
  void (*newPageFunc)();
  int32_t newPageStop, bitmapPrinting, printing, saving;
  int32_t showXMin, showXMax, showYMin, showYMax;  // which corner numbers the frame draws
  int32_t xNumDx, xNumDy;  // offset of an x number from its anchor (right and down)
  int32_t yNumDx, yNumDy;  // offset of a y number from its anchor
};
extern PlotState s_p;

// ---- setters -------------------------------------------------------------------
void SetPlot4O(int32_t n, double x, double y, double z, double u);
void SetPlot6O(int32_t n, double x, double y, double z, double u, double r, double s);
void SetPlot4W(double n, double x, double y, double z, double u);
void SetPlot6W(double n, double x, double y, double z, double u, double r, double s);
void SetPlot4B(int32_t n, int32_t x, int32_t y, int32_t z, int32_t u);
void SetPlot6B(int32_t n, int32_t x, int32_t y, int32_t z, int32_t u, int32_t r, int32_t s);
void SetPlot4I(double x, double y, double z, double u);
void SetPlot6I(double x, double y, double z, double u, double r, double s);
void SetCoordinateDigit(int32_t d);
void SetFrame2DXMinDigit(int32_t d);
void SetFrame2DXMaxDigit(int32_t d);
void SetFrame2DYMinDigit(int32_t d);
void SetFrame2DYMaxDigit(int32_t d);
void SetPlotPenSize4(int32_t a, int32_t b, int32_t c, int32_t d);

// ---- mappings and guarded drawing ------------------------------------------------
// The unscaled drawing area (top and left 0): the window's port in plain mode,
// the redraw buffer in buffered mode; all zero before start-up. Read afresh by
// every mapping, so the y mapping follows the bottom edge when the window resizes.
Rect s_PlotArea();
// Pixel values (before truncation); NaN and infinities pass through.
double s_PlotPixelX(double x);
double s_PlotPixelY(double y);
// s_PlotPixelY for the plot area's bottom, which loops over many points look up once.
double s_PlotPixelYAbove(double y, short bottom);
// Truncation toward zero into the 32-bit and 16-bit ranges; values beyond them
// stick to the ends (so a far point never wraps around), NaN gives the low end.
int32_t s_PlotTrunc32(double v);
short s_PlotTrunc16(double v);

int32_t Plot2DTransX(double x);
int32_t Plot2DTransY(double y);
double Plot2DReverseX(int32_t p);
double Plot2DReverseY(int32_t p);
int32_t PlotPointInRegion(double px, double py);  // inclusive; sets s_p.lastPointInside
// The pixel of (x, y) when the region accepts it (as Plot2DMoveTo and Plot2DLineTo test).
bool s_PlotAccepted(double x, double y, Point* pixel);
void Plot2DMoveTo(double x, double y);            // skipped outside the region
void Plot2DLineTo(double x, double y);            // skipped outside the region; the pen stays
void Plot2D2(double x, double y);                 // Plot2DLineTo
void SetPlot2D2I(double x, double y);             // moves without a region test
void Plot2D2P(double x, double y);                // a dot the size of the pen

// ---- frames ----------------------------------------------------------------------
void PlotFrame2D(double xMin, double xMax, double yMin, double yMax);
// The outline from (xMin, yMin) to (xMax, yMax) with the four values printed at its corners.
void PlotFrame2DSeparate(double xMin, double xMax, double yMin, double yMax, double xMinValue, double xMaxValue,
                         double yMinValue, double yMaxValue);
// A step plot's frame: n horizontal, x vertical, no numbers, no region test.
void PlotFrame1D(double nMin, double nMax, double xMin, double xMax);
// Numbers at the pen, "%.*f" with `digits` decimals: an x number centred under
// the pen by (xNumDx, xNumDy), a y number ending at (yNumDx, yNumDy).
void s_PlotXNumber(double value, int32_t digits);
void s_PlotYNumber(double value, int32_t digits);

// ---- interactive zoom ------------------------------------------------------------
// Waits for a rectangle dragged with the mouse in the drawing window (Shift
// keeps the window's proportions) and maps it onto the whole window. A
// selection without width or height leaves the transform and the drawing alone.
void EnlargePlot2D();
// Divides both scales by `factor` and erases the drawing; a factor that is not
// a positive finite number, or would make a scale zero or infinite, changes nothing.
void ShrinkPlot2D(double factor);
void ShrinkPlot2DHalf();
