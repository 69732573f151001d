// The graph loop every 2D graph runs: registration of the settings as
// parameters, then the Parameters dialog and a drawing pass in turn until
// the user ticks "Exit Graph". The entry functions pick the kind of graph.
#pragma once
#include <cstdint>

enum : int32_t { kGraphFunction = 0, kGraphXYFunction = 1, kGraphSpreadSheet = 10 };

struct GraphKindState {
  int32_t graphKind;          // kGraphFunction, kGraphXYFunction or kGraphSpreadSheet
  double* functionPenWidth;   // one pen width per function curve
  void (*userProc)();         // called on every pass, after the frame
  int32_t userProcSet;
};
extern GraphKindState s_g1;

void SpreadSheetGraph();  // series of the columns of a data file
void FunctionGraph();     // curves y = f(x)
void XYFunctionGraph();   // parametric curves (x(t), y(t))
void DrawGraph();
void SetGraphUserProc(void (*proc)());

void GraphAddParameters();   // every parameter of the graph kind, in dialog order
void GraphAddParameters1();  // the ten command buttons and flags that lead the dialog
void GraphEPSSaveProc();     // "EPS Bitmap Save"

// The pass's transform from the frame settings. A range of zero width or
// height, or with an end that is not finite in plotted units, is widened as
// the data reader widens a constant column, so no scale becomes infinite.
void s_GraphSetTransform();
// The outputs ticked in the dialog ("Print Graph", "Save Graph", "EPS Save
// Graph"): opened in that order before a pass draws, closed in the same order.
void s_GraphBeginOutputs();
void s_GraphEndOutputs();
