// Function graphs: the calls by which a program hands over its curves
// y = f(x) or (x(t), y(t)), their settings, the registration of those
// settings as parameters, and the drawing of every curve in a pass.
// Curves are counted from 1, as the dialog numbers them.
#pragma once
#include <cstdint>

#include "vok/graph/function_data.h"

// ---- handing over the curves ---------------------------------------------------
void SetGraphFunction(GraphFunction f);  // the one curve y = f(x); graph kind 0
void AddGraphFunction(GraphFunction f);  // one more; an eleventh is refused with a message
void SetGraphXYFunction(GraphFunction fx, GraphFunction fy);  // the one curve (x(t), y(t)); kind 1
void AddGraphXYFunction(GraphFunction fx, GraphFunction fy);
void SetGraphMinDrawX(double x);
void SetGraphMaxDrawX(double x);

// Presets of what the dialog edits as "dx" / "dt", "Bar Graph", "paint f%d",
// "f%d paint pattern", "min t%d", "max t%d" and "Pen %d Width". A curve
// number outside 1 ... 10 is refused with a message.
void SetGraphFunctionStep(double step);
void SetGraphBarGraphFlag(int32_t flag);
void SetGraphFunctionPaint(int curve, int32_t flag);
void SetGraphFunctionPaintPattern(int curve, int32_t pattern);
void SetGraphMinT(int curve, double t);
void SetGraphMaxT(int curve, double t);
void SetGraphFunctionPenWidth(int curve, double width);  // "Pen %d Width"; 1 unless set

// functionCount bounded to 0 ... 10, whatever a program stored there.
int s_FunctionCount();

// ---- drawing ----------------------------------------------------------------------
// Every curve of the current kind: lines, or bars, and the painted area under
// each curve whose "paint f%d" is on (bars are filled instead).
void GraphPlotFunction();
// Curve i sampled from minDrawX to maxDrawX; returns the x after the last sample.
double GraphPlotFuctionOneSeries(int i);
// One bar of curve i: `step` wide, centred on x, from minFrameY up to f(x).
void GraphPlotFuctionOneBar(double x, int i);
// Parametric curve i over its own t range; returns the t after the last sample.
double GraphPlotXYFuctionOneSeries(int i);

// A pass samples at most this many points over all its curves; a step that
// would take more is refused like one that is not a positive number.
enum : long { kFunctionMaxSamples = 4000000 };
// Refuses a step that is not a positive number, or that would take more than
// kFunctionMaxSamples samples where the previous one did not: says so on the
// console and puts the previous step back. The graph loop calls it before
// the frame, which a bar graph widens by half a step.
void s_FunctionRefuseBadStep();
// The present step, when it is a positive number, becomes the one a refused
// step falls back to (a program's preset, before the first dialog).
void s_FunctionKeepStep();

// ---- registration (graph loop, in dialog order) ------------------------------------
// Kind 0: "Min Draw X", "Max Draw X", "Pen %d Width"; kind 1: "min t%d",
// "max t%d" for each pair, then "dt". Makes the pen widths (1.0 each).
void s_FunctionAddRangeParameters();
void s_FunctionAddBarParameters();    // kind 0: "Bar Graph", "dx"
void s_FunctionAddPaintParameters();  // "paint f%d" for each curve, then "f%d paint pattern"
void s_FunctionMakePenWidths();       // s_g1.functionPenWidth, 1.0 each, once
