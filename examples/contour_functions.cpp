// A calculation program that draws its own functions as a contour graph: a
// saddle and a ripple over the same square, level numbers on, the negative
// regions shaded. Run it headless with a script, or with a display:
//   build/examples/contour_functions
#include <cmath>

#include "vok/vok.h"

static double saddle(double x, double y) { return x * x - y * y; }
static double ripple(double x, double y) { return std::sin(3 * x) * std::cos(2 * y); }

int main() {
  StartDrawingOnly();
  SetGraphFrameRange(-1.5, 1.5, -1.5, 1.5);
  SetGraph2DFunction(saddle);
  AddGraph2DFunction(ripple);
  SetGraph2DDXYF(0.05, 0.05, 0.25);
  SetGraph2DContourLabelFlag(1);
  SetGraph2DPaintNegativeFlag(1);
  Graph2DFunction();
  return 0;
}
