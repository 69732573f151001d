// The frame settings as Parameters-dialog entries, in the order the dialog
// lists them and parameter files store them, and the hook by which a
// calling program adds its own parameters to the graph's dialog.
#include "vok/graph/graph_frame.h"
#include "vok/graph/graph_settings.h"
#include "vok/params/param_table.h"
#include "vok/plot/plot.h"

namespace {
void add(void* address, int type, const char* label) { in_AddParameterP(address, type, label, s_g.dialog); }

// Digits past 17 show nothing a double holds; sizes past these draw nothing useful.
void bound(void* address, double lo, double hi) { in_SetParameterRange(address, lo, hi, s_g.dialog); }
void boundFrameSettings() {
  for (int32_t* digits : {&s_g.xMinDigitSetting, &s_g.xMaxDigitSetting, &s_g.yMinDigitSetting,
                          &s_g.yMaxDigitSetting, &s_g.digitX, &s_g.digitY})
    bound(digits, 0, 17);
  bound(&s_g.labelSize, 0, 512);  // 0: the default size
  bound(&s_g.frameWidth, 0, 100);
}
}  // namespace

void GraphFrameAddParameters() {
  add(&s_g.minFrameX, doubleType, "Min Frame X");
  add(&s_g.maxFrameX, doubleType, "Max Frame X");
  add(&s_g.minFrameY, doubleType, "Min Frame Y");
  add(&s_g.maxFrameY, doubleType, "Max Frame Y");
  add(&s_g.showXMinSetting, flagType, "Show X Min");
  add(&s_g.showXMaxSetting, flagType, "Show X Max");
  add(&s_g.showYMinSetting, flagType, "Show Y Min");
  add(&s_g.showYMaxSetting, flagType, "Show Y Max");
  add(&s_g.left, intType, "Left Position");
  add(&s_g.bottom, intType, "Bottom Position");
  add(&s_g.width, intType, "Width");
  add(&s_g.height, intType, "Height");
  add(&s_g.frameWidth, doubleType, "Frame Width");
  add(&s_g.drawFrame, flagType, "Draw Frame");
  add(&s_g.drawXAxis, flagType, "Draw X Axis");
  add(&s_g.drawYAxis, flagType, "Draw Y Axis");
  add(&s_g.drawArrow, flagType, "Draw Arrow");
  add(s_g.xLabel, stringType, "X Label");
  add(s_g.yLabel, stringType, "Y Label");
  add(&s_g.labelSize, shortType, "Label Size");
  add(&s_g.xLabelX, intType, "X Label X Pos.");
  add(&s_g.xLabelY, intType, "X Label Y Pos.");
  add(&s_g.yLabelX, intType, "Y Label X Pos.");
  add(&s_g.yLabelY, intType, "Y Label Y Pos.");
  add(&s_g.xMinDigitSetting, intType, "X Min digit");
  add(&s_g.xMaxDigitSetting, intType, "X Max digit");
  add(&s_g.yMinDigitSetting, intType, "Y Min digit");
  add(&s_g.yMaxDigitSetting, intType, "Y Max digit");
  add(&s_p.xNumDx, intType, "X Num X Pos.");
  add(&s_p.xNumDy, intType, "X Num Y Pos.");
  add(&s_p.yNumDx, intType, "Y Num X Pos.");
  add(&s_p.yNumDy, intType, "Y Num Y Pos.");
  add(&s_g.scaleMarkX, flagType, "Scale Mark X");
  add(&s_g.intervalX, doubleType, "Interval");
  add(&s_g.showNumberX, flagType, "Show Number");
  add(&s_g.digitX, intType, "Digit");
  add(&s_g.scaleMarkY, flagType, "Scale Mark Y");
  add(&s_g.intervalY, doubleType, "Interval");
  add(&s_g.showNumberY, flagType, "Show Number");
  add(&s_g.digitY, intType, "Digit");
  add(s_g.title, stringType, "Title");
  add(&s_g.titleAbove, flagType, "Title above");
  add(&s_g.titleBelow, flagType, "Title below");
  add(&s_g.titleX, intType, "Title X Position");
  add(&s_g.titleY, intType, "Title Y Position");
  boundFrameSettings();
}

void in_Graph1DAddParameter(void* address, int type, const char* label) {
  if (!s_g.dialogReady) {
    in_SetUpParametersDialogP(&s_g.dialog);
    s_g.dialogReady = 1;
  }
  add(address, type, label);
}
