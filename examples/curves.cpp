// curves: two curves y = f(x) on one graph, the area under the first one
// painted. Run it, press "OK" to draw, click the drawing to get the
// Parameters dialog back, tick "Exit Graph" and press "OK" to end.
#include <cmath>

#include "vok/vok.h"

// A curve is any function taking a double and returning a double.
static double wave(double x) { return std::sin(x); }
static double decay(double x) { return std::exp(-0.3 * x); }

int main() {
  StartDrawingOnly();  // the drawing window; console output still works
  SetGraphFunction(wave);       // curve 1
  AddGraphFunction(decay);      // curve 2 (up to ten)
  SetGraphFunctionPenWidth(2, 2);  // drawn with a 2-pixel pen
  SetGraphMinDrawX(0);          // both are sampled from 0 to 2 pi ...
  SetGraphMaxDrawX(2 * M_PI);
  SetGraphFunctionStep(0.05);   // ... every 0.05 ("dx" in the dialog)
  SetGraphFunctionPaint(1, 1);  // paint between curve 1 and the frame's bottom
  SetGraphFrameRange(0, 2 * M_PI, -1, 1);
  SetGraphTitle("sin x and e^{-0.3x}");  // labels take sub- and superscripts
  SetGraphUpperTitleFlag(1);
  FunctionGraph();  // dialog and drawing in turn until "Exit Graph"
  return 0;
}
