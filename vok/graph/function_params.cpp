// The settings of a function graph as Parameters-dialog entries, in the
// places of the dialog (and of its parameter files) the graph loop gives them.
#include <cstdio>

#include "vok/graph/function_graph.h"
#include "vok/graph/graph_loop.h"
#include "vok/graph/graph_settings.h"
#include "vok/params/param_table.h"
#include "vok/util/arrays.h"

namespace {
void add(void* address, int type, const char* label) { in_AddParameterP(address, type, label, s_g.dialog); }

void addNumbered(void* address, int type, const char* format, int curve) {
  char label[32];
  std::snprintf(label, sizeof label, format, curve);
  add(address, type, label);
}

}  // namespace

// One width for every curve a program could add, so that a curve added
// after registration still has one, and a preset made before it is kept.
void s_FunctionMakePenWidths() {
  if (s_g1.functionPenWidth) return;
  s_g1.functionPenWidth = MakeArrayDouble1(kGraphMaxFunctions);
  for (int i = 0; i < kGraphMaxFunctions; ++i) s_g1.functionPenWidth[i] = 1.0;
}

void s_FunctionAddRangeParameters() {
  s_FunctionMakePenWidths();
  s_FunctionKeepStep();
  if (s_g1.graphKind == kGraphFunction) {
    add(&s_fg.minDrawX, doubleType, "Min Draw X");
    add(&s_fg.maxDrawX, doubleType, "Max Draw X");
    for (int i = 0; i < s_FunctionCount(); ++i) addNumbered(&s_g1.functionPenWidth[i], doubleType, "Pen %d Width", i + 1);
  } else if (s_g1.graphKind == kGraphXYFunction) {
    for (int i = 0; i < s_FunctionCount(); ++i) {
      addNumbered(&s_fg.minT[i], doubleType, "min t%d", i + 1);
      addNumbered(&s_fg.maxT[i], doubleType, "max t%d", i + 1);
    }
    add(&s_fg.step, doubleType, "dt");
  }
}

void s_FunctionAddBarParameters() {
  if (s_g1.graphKind != kGraphFunction) return;
  add(&s_fg.barGraph, flagType, "Bar Graph");
  add(&s_fg.step, doubleType, "dx");
}

void s_FunctionAddPaintParameters() {
  if (s_g1.graphKind != kGraphFunction && s_g1.graphKind != kGraphXYFunction) return;
  for (int i = 0; i < s_FunctionCount(); ++i) addNumbered(&s_fg.paint[i], flagType, "paint f%d", i + 1);
  for (int i = 0; i < s_FunctionCount(); ++i) addNumbered(&s_fg.paintPattern[i], intType, "f%d paint pattern", i + 1);
}
