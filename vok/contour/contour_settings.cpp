// The contour settings record with its defaults, the functions that install
// contour functions and change settings, and the registration of the
// contour graph's parameters in the order its parameter files rely on.
#include <cstdio>

#include "vok/console/text.h"
#include "vok/contour/contour.h"
#include "vok/contour/extra_labels.h"
#include "vok/contour/grid.h"
#include "vok/graph/graph_frame.h"
#include "vok/graph/graph_loop.h"
#include "vok/graph/graph_settings.h"
#include "vok/params/param_table.h"

Graph2DSettings s_g2d = {
    {},                               // functions
    0,                                // functionNumber
    0.1, 0.1, 0.1,                    // dx, dy, df
    0.0, 0.0,                         // levelMax, levelMin
    1000.0, -1000.0,                  // funcMax, funcMin
    1000, 0,                          // maxLevelNumber, levelNumber
    {},                               // pattern
    {23, 26, 0, 0, 0, 0, 0, 0, 0, 0},  // patternIndex
    1, 0,                             // contourLabel, paintNegative
    {1, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // plotFlag
    0,                                // onlyZero
    5.0, 2, 9,                        // labelsInterval, labelDigit, labelSize
    100, 0,                           // maxExtraNumber, extraNumber
    nullptr, nullptr, nullptr,        // extraX, extraY, extraValue
};

void SetGraph2DFunction(Graph2DFunc f) {
  s_g2d.functionNumber = 0;
  AddGraph2DFunction(f);
}

void AddGraph2DFunction(Graph2DFunc f) {
  if (s_g2d.functionNumber <= kGraph2DMaxFunctions - 1) {
    s_g2d.functions[s_g2d.functionNumber++] = f;
    return;
  }
  s_printf("Error in AddGraph2DFunc:\n Too many functions\n");
}

void SetGraph2DDXYF(double dx, double dy, double df) { s_g2d.dx = dx, s_g2d.dy = dy, s_g2d.df = df; }
void SetGraph2DContourLabelFlag(int32_t flag) { s_g2d.contourLabel = flag; }
void SetGraph2DPaintNegativeFlag(int32_t flag) { s_g2d.paintNegative = flag; }
void SetGraph2DOnlyZero(int32_t flag) { s_g2d.onlyZero = flag; }

void in_Graph2DAddParameter(void* pointer, int type, const char* name) { in_Graph1DAddParameter(pointer, type, name); }

void Graph2DFAddParameters() {
  s_g.parametersAdded = 1;
  if (!s_g.dialogReady) {
    in_SetUpParametersDialogP(&s_g.dialog);
    s_g.dialogReady = 1;
  }
  auto add = [](void* pointer, int type, const char* name) { in_AddParameterP(pointer, type, name, s_g.dialog); };
  auto addProc = [&add](PDProc proc, const char* name) { add(reinterpret_cast<void*>(proc), doType, name); };
  GraphAddParameters1();
  if (s_g.spreadsheetData) {
    addProc(SG2DInit, "Load New Data");
  } else {
    add(&s_g2d.dx, doubleType, "dx");
    add(&s_g2d.dy, doubleType, "dy");
  }
  add(&s_g2d.df, doubleType, "df");
  add(&s_g2d.funcMax, doubleType, "Func Max Bound");
  add(&s_g2d.funcMin, doubleType, "Func Min Bound");
  GraphFrameAddParameters();
  if (s_g.spreadsheetData) SG2DInit();
  add(&s_g2d.contourLabel, flagType, "Contour Labels");
  add(&s_g2d.labelSize, intType, "Label Size");
  add(&s_g2d.labelDigit, intType, "Label Digit");
  in_SetParameterRange(&s_g2d.labelSize, 0, 512, s_g.dialog);
  in_SetParameterRange(&s_g2d.labelDigit, 0, 17, s_g.dialog);
  add(&s_g2d.labelsInterval, doubleType, "Labels Interval");
  addProc(ExtraHeightNew, "New Label");
  addProc(ResetExtraHeight, "Reset Label");
  add(&s_g2d.paintNegative, flagType, "Paint Negative Region");
  add(&s_g2d.onlyZero, flagType, "Only Zero Level");
  for (int k = 0; k < s_g2d.functionNumber; ++k) {
    char name[32];
    std::snprintf(name, sizeof name, "Plot f%d", k + 1);
    s_g2d.plotFlag[k] = 1;
    add(&s_g2d.plotFlag[k], flagType, name);
  }
}
