// lissajous: a parametric curve (x(t), y(t)), t from 0 to 2 pi.
#include <cmath>

#include "vok/vok.h"

static double x(double t) { return std::sin(3 * t); }
static double y(double t) { return std::sin(4 * t); }

int main() {
  StartDrawingOnly();
  SetGraphXYFunction(x, y);     // curve 1; AddGraphXYFunction adds more
  SetGraphMinT(1, 0);           // its own t range ("min t1", "max t1")
  SetGraphMaxT(1, 2 * M_PI);
  SetGraphFunctionStep(0.01);   // "dt"
  SetGraphFrameRange(-1.1, 1.1, -1.1, 1.1);
  XYFunctionGraph();
  return 0;
}
