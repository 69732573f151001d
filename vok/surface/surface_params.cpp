// The surface graph's parameters, in the dialog order its parameter files
// rely on. Labels are the dialog's own texts, spelling included.
#include <initializer_list>

#include "vok/contour/grid.h"
#include "vok/frame/events.h"
#include "vok/graph/graph_frame.h"
#include "vok/graph/graph_loop.h"
#include "vok/graph/graph_settings.h"
#include "vok/params/param_table.h"
#include "vok/surface/surface_loop.h"
#include "vok/surface/surface_settings.h"

namespace {
struct Entry {
  void* pointer;
  int type;
  const char* label;
};

void addAll(std::initializer_list<Entry> entries) {
  for (const Entry& e : entries) in_Graph3DAddParameter(e.pointer, e.type, e.label);
}

void* proc(PDProc p) { return reinterpret_cast<void*>(p); }
}  // namespace

// The surface shares the graphs' page list.
void in_Graph3DAddParameter(void* pointer, int type, const char* name) { in_Graph1DAddParameter(pointer, type, name); }

// Once per process: a second graph would otherwise show every setting twice
// and write parameter files that no longer read back line by line.
void Graph3DFAddParameters() {
  static bool added = false;
  if (added) return;
  added = true;
  G3DSettings& g = s_g3d;
  if (!s_g.dialogReady) {
    in_SetUpParametersDialogP(&s_g.dialog);
    s_g.dialogReady = 1;
  }
  GraphAddParameters1();
  if (s_g.spreadsheetData) in_Graph3DAddParameter(proc(SG3DInit), doType, "Load New Data");
  addAll({{proc(Stop), doType, "Show"},
          {&g.color, flagType, "Color"},
          {&g.gridLines, flagType, "Glid"},
          {&g.xMin, doubleType, "X Min"},
          {&g.xMax, doubleType, "X Max"},
          {&g.yMin, doubleType, "Y Min"},
          {&g.yMax, doubleType, "Y Max"},
          {&g.xWidth, intType, "X Width"},
          {&g.yWidth, intType, "Y Width"},
          {&g.sameXYScale, flagType, "Same X Y Scale"},
          {&g.funcScale, doubleType, "Func Scale"}});
  if (s_g.spreadsheetData) {
    // The file is read here: its columns and increments come next.
    s_sgSurface = {&g.xMin, &g.xMax, &g.yMin, &g.yMax, &g.xIncrement, &g.yIncrement, &g.sameXYInc, &g.useResolution};
    SG3DInit();
  } else {
    addAll({{&g.xIncrement, doubleType, "X Increment"},
            {&g.yIncrement, doubleType, "Y Increment"},
            {&g.sameXYInc, flagType, "Same X Y Inc."},
            {&g.useResolution, flagType, "Use Resolution"},
            {&g.xResolution, doubleType, "X Resolustion"},
            {&g.yResolution, doubleType, "Y Resolustion"},
            {&g.sameXYRes, flagType, "Same X Y Res."}});
  }
  addAll({{&g.horizontalPos, doubleType, "Horizontal Pos."},
          {&g.verticalPos, doubleType, "Vertical Pos."},
          {&g.angleXY, doubleType, "Angle XY"},
          {&g.angleZ, doubleType, "Angle Z"},
          {&g.lightXYAngle, doubleType, "Light XY Angle"},
          {&g.lightZAngle, doubleType, "Light Z Angle"},
          {&g.lightRed, doubleType, "Light Red"},
          {&g.lightGreen, doubleType, "Light Green"},
          {&g.lightBlue, doubleType, "Light Blue"},
          {&g.shadowRed, doubleType, "Shadow Red"},
          {&g.shadowGreen, doubleType, "Shadow Green"},
          {&g.shadowBlue, doubleType, "Shadow Blue"},
          {&g.showAxis, flagType, "Show Axis"},
          {&g.arrow, flagType, "Arrow"},
          {&g.showXLabel, flagType, "Show X Label"},
          {&g.showYLabel, flagType, "Show Y Label"},
          {&g.showFuncLabel, flagType, "Show Func Label"},
          {g.xLabel, stringType, "X Label"},
          {g.yLabel, stringType, "Y Label"},
          {g.funcLabel, stringType, "Func Label"},
          {&g.labelSize, intType, "Label Size"},
          {&g.funcMin, doubleType, "Func Min"},
          {&g.funcMax, doubleType, "Func Max"},
          {&g.showXMin, flagType, "Show X Min"},
          {&g.showXMax, flagType, "Show X Max"},
          {&g.showYMin, flagType, "Show Y Min"},
          {&g.showYMax, flagType, "Show Y Max"},
          {&g.showFuncMin, flagType, "Show Func Min"},
          {&g.showFuncMax, flagType, "Show Func Max"},
          {&g.xMinDigit, intType, "X Min Digit"},
          {&g.xMaxDigit, intType, "X Max Digit"},
          {&g.yMinDigit, intType, "Y Min Digit"},
          {&g.yMaxDigit, intType, "Y Max Digit"},
          {&g.funcMinDigit, intType, "Func Min Digit"},
          {&g.funcMaxDigit, intType, "Func Max Digit"},
          {&g.xLabelDx, intType, "X Label X Pos."},
          {&g.xLabelDy, intType, "X Label Y Pos."},
          {&g.yLabelDx, intType, "Y Label X Pos."},
          {&g.yLabelDy, intType, "Y Label Y Pos."},
          {&g.funcLabelDx, intType, "Func. Label X Pos."},
          {&g.funcLabelDy, intType, "Func. Label Y Pos."},
          {&g.xNumDx, intType, "X Num X Pos."},
          {&g.xNumDy, intType, "X Num Y Pos."},
          {&g.yNumDx, intType, "Y Num X Pos."},
          {&g.yNumDy, intType, "Y Num Y Pos."},
          {&g.funcNumDx, intType, "Func. Num X Pos."},
          {&g.funcNumDy, intType, "Func. Num Y Pos."}});
}
