// bars: a function drawn as bars, one bar per sample: the chances of k heads
// in ten tosses of a coin, k = 0 ... 10.
#include "vok/vok.h"

static double heads(double k) { return Binomial(10, int(k)) / 1024.0; }

int main() {
  StartDrawingOnly();
  SetGraphFunction(heads);
  SetGraphMinDrawX(0);
  SetGraphMaxDrawX(10);
  SetGraphFunctionStep(1);       // one bar per whole k, each one unit wide
  SetGraphBarGraphFlag(1);       // bars instead of a line ("Bar Graph")
  SetGraphFunctionPaint(1, 1);   // with bars, "paint f1" fills each bar
  SetGraphFrameRange(0, 10, 0, 0.3);  // the frame grows by half a bar each side
  SetGraphXLabel("k");
  SetGraphYLabel("P(k)");
  FunctionGraph();
  return 0;
}
