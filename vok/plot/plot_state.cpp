// The transform variables and the plot state record with their defaults, and
// the setters that store into them.
#include "vok/plot/plot.h"

double s_ox = 0, s_oy = 0, s_oz = 0, s_ou = 0, s_or = 0, s_os = 0;
int32_t s_on = 0;
double s_wn = 1;
double s_wx = 100, s_wy = 100, s_wz = 100, s_wu = 100, s_wr = 100, s_ws = 100;
int32_t s_bn = 0, s_bx = 0, s_by = 0, s_bz = 0, s_bu = 0, s_br = 0, s_bs = 0;
double s_p_scale = 1.0;
int32_t s_n = 0;
double s_xx = 0, s_yy = 0, s_zz = 0, s_uu = 0, s_rr = 0, s_sss = 0;

PlotState s_p = {
    {341, 205, 273, 137, 409, 69},  // penColor: green, red, cyan, magenta, blue, yellow
    {1, 2, 3, 4, 5, 6},             // penSize
    3, 3, 3, 3,                     // xMinDigit, xMaxDigit, yMinDigit, yMaxDigit
    1,                              // lastPointInside
    {-1000, -1000, 3000, 3000},     // region: left, top, right, bottom
    nullptr,                        // newPageFunc
    0, 0, 0, 0,                     // newPageStop, bitmapPrinting, printing, saving
    1, 1, 1, 1,                     // showXMin, showXMax, showYMin, showYMax
    0, 25,                          // xNumDx, xNumDy
    -10, 5,                         // yNumDx, yNumDy
};

void SetPlot4O(int32_t n, double x, double y, double z, double u) {
  s_on = n;
  s_ox = x;
  s_oy = y;
  s_oz = z;
  s_ou = u;
}

void SetPlot6O(int32_t n, double x, double y, double z, double u, double r, double s) {
  SetPlot4O(n, x, y, z, u);
  s_or = r;
  s_os = s;
}

void SetPlot4W(double n, double x, double y, double z, double u) {
  s_wn = n;
  s_wx = x;
  s_wy = y;
  s_wz = z;
  s_wu = u;
}

void SetPlot6W(double n, double x, double y, double z, double u, double r, double s) {
  SetPlot4W(n, x, y, z, u);
  s_wr = r;
  s_ws = s;
}

void SetPlot4B(int32_t n, int32_t x, int32_t y, int32_t z, int32_t u) {
  s_bn = n;
  s_bx = x;
  s_by = y;
  s_bz = z;
  s_bu = u;
}

void SetPlot6B(int32_t n, int32_t x, int32_t y, int32_t z, int32_t u, int32_t r, int32_t s) {
  SetPlot4B(n, x, y, z, u);
  s_br = r;
  s_bs = s;
}

void SetPlot4I(double x, double y, double z, double u) {
  s_xx = x;
  s_yy = y;
  s_zz = z;
  s_uu = u;
}

void SetPlot6I(double x, double y, double z, double u, double r, double s) {
  SetPlot4I(x, y, z, u);
  s_rr = r;
  s_sss = s;
}

void SetCoordinateDigit(int32_t d) { s_p.xMinDigit = s_p.xMaxDigit = s_p.yMinDigit = s_p.yMaxDigit = d; }
void SetFrame2DXMinDigit(int32_t d) { s_p.xMinDigit = d; }
void SetFrame2DXMaxDigit(int32_t d) { s_p.xMaxDigit = d; }
void SetFrame2DYMinDigit(int32_t d) { s_p.yMinDigit = d; }
void SetFrame2DYMaxDigit(int32_t d) { s_p.yMaxDigit = d; }

void SetPlotPenSize4(int32_t a, int32_t b, int32_t c, int32_t d) {
  s_p.penSize[0] = a;
  s_p.penSize[1] = b;
  s_p.penSize[2] = c;
  s_p.penSize[3] = d;
}
