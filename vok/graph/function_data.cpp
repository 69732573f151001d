// The one function-graph record with its defaults, and the calls by which a
// program fills it before starting the graph.
#include "vok/graph/function_data.h"

#include "vok/console/text.h"
#include "vok/graph/function_graph.h"
#include "vok/graph/graph_loop.h"

FunctionGraphSettings s_fg = {
    0,              // functionCount
    {}, {}, {},     // function, xFunction, yFunction
    0.0, 1.0,       // minDrawX, maxDrawX
    {},             // minT
    {1.0},          // maxT: 1 for the first curve, 0 for the others
    0.01,           // step
    {8, 21},        // paintPattern: 8 and 21 for the first two curves, 0 for the others
    {},             // paint
    0,              // barGraph
};

namespace {
// Room for one more curve; the message names the call that asked, as users
// of both kinds of graph have always read it.
bool roomForOneMore() {
  if (s_fg.functionCount < 0) s_fg.functionCount = 0;
  if (s_fg.functionCount <= kGraphMaxFunctions - 1) return true;
  s_printf("Error in AddGraphFunction:\nToo many functions\n");
  return false;
}

// The array index of curve `curve` (from 1), or -1 with a message naming `who`.
int curveIndex(const char* who, int curve) {
  if (curve >= 1 && curve <= kGraphMaxFunctions) return curve - 1;
  s_printf("Error in %s:\nCurve %d is not one of 1 ... %d\n", who, curve, int(kGraphMaxFunctions));
  return -1;
}
}  // namespace

int s_FunctionCount() {
  int n = s_fg.functionCount;
  return n < 0 ? 0 : n > kGraphMaxFunctions ? int(kGraphMaxFunctions) : n;
}

void SetGraphFunction(GraphFunction f) {
  s_fg.functionCount = 1;
  s_fg.function[0] = f;
  s_g1.graphKind = kGraphFunction;
}

void AddGraphFunction(GraphFunction f) {
  if (!roomForOneMore()) return;
  s_fg.function[s_fg.functionCount++] = f;
  s_g1.graphKind = kGraphFunction;
}

void SetGraphXYFunction(GraphFunction fx, GraphFunction fy) {
  s_fg.functionCount = 1;
  s_fg.xFunction[0] = fx;
  s_fg.yFunction[0] = fy;
  s_g1.graphKind = kGraphXYFunction;
}

void AddGraphXYFunction(GraphFunction fx, GraphFunction fy) {
  if (!roomForOneMore()) return;
  s_fg.xFunction[s_fg.functionCount] = fx;
  s_fg.yFunction[s_fg.functionCount++] = fy;
  s_g1.graphKind = kGraphXYFunction;
}

void SetGraphMinDrawX(double x) { s_fg.minDrawX = x; }
void SetGraphMaxDrawX(double x) { s_fg.maxDrawX = x; }
void SetGraphFunctionStep(double step) { s_fg.step = step; }
void SetGraphBarGraphFlag(int32_t flag) { s_fg.barGraph = flag; }

void SetGraphFunctionPaint(int curve, int32_t flag) {
  int i = curveIndex("SetGraphFunctionPaint", curve);
  if (i >= 0) s_fg.paint[i] = flag;
}

void SetGraphFunctionPaintPattern(int curve, int32_t pattern) {
  int i = curveIndex("SetGraphFunctionPaintPattern", curve);
  if (i >= 0) s_fg.paintPattern[i] = pattern;
}

void SetGraphMinT(int curve, double t) {
  int i = curveIndex("SetGraphMinT", curve);
  if (i >= 0) s_fg.minT[i] = t;
}

void SetGraphMaxT(int curve, double t) {
  int i = curveIndex("SetGraphMaxT", curve);
  if (i >= 0) s_fg.maxT[i] = t;
}

void SetGraphFunctionPenWidth(int curve, double width) {
  int i = curveIndex("SetGraphFunctionPenWidth", curve);
  if (i < 0) return;
  s_FunctionMakePenWidths();
  s_g1.functionPenWidth[i] = width;
}
