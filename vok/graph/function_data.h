// The function-graph record s_fg: the curves a calling program hands over,
// their x or t ranges, the sampling step (also the bar width) and the bar
// and paint switches. Data only; the frame reads the bar switch and step to
// widen a bar graph's frame by half a bar on each side.
#pragma once
#include <cstdint>

enum { kGraphMaxFunctions = 10 };

typedef double (*GraphFunction)(double);

struct FunctionGraphSettings {
  int32_t functionCount;                       // functions or function pairs, at most 10
  GraphFunction function[kGraphMaxFunctions];  // y = f(x) curves
  GraphFunction xFunction[kGraphMaxFunctions]; // x(t) of the parametric curves
  GraphFunction yFunction[kGraphMaxFunctions]; // y(t) of the parametric curves
  double minDrawX, maxDrawX;                   // x interval of every y = f(x) curve
  double minT[kGraphMaxFunctions];             // t interval of each parametric curve
  double maxT[kGraphMaxFunctions];
  double step;                                 // "dx" / "dt": sampling step and bar width
  int32_t paintPattern[kGraphMaxFunctions];    // system pattern number of each curve's paint
  int32_t paint[kGraphMaxFunctions];           // paint under the curve, or fill its bars
  int32_t barGraph;                            // "Bar Graph": y = f(x) curves as bars
};
extern FunctionGraphSettings s_fg;
