// The series parameters in dialog order, and the presets of series made
// before the data file is read (recorded as delayed array settings).
#include <cstdio>
#include <string>

#include "vok/graph/graph_settings.h"
#include "vok/graph/series.h"
#include "vok/graph/sheet_data.h"
#include "vok/params/delay_arrays.h"
#include "vok/params/param_table.h"

namespace {
void s_SeriesAdd(void* pointer, int type, const std::string& label) {
  in_AddParameterP(pointer, type, label.c_str(), s_g.dialog);
}
std::string s_SeriesLabel(const char* format, int i) {
  char text[64];
  std::snprintf(text, sizeof text, format, i);
  return text;
}
template <typename T>
void s_SeriesGroup(T* values, int type, const char* format) {
  for (int i = 0; i < s_sg.seriesCount; ++i) s_SeriesAdd(&values[i], type, s_SeriesLabel(format, i + 1));
}
}  // namespace

void SGSS1DAddParameters() {
  s_SeriesAdd(&s_sg.dataCount, longType, "Data Number");
  for (int i = 0; i < s_sg.seriesCount; ++i) {
    s_SeriesAdd(&s_sg.seriesX[i], intType, s_SeriesLabel("Plot %d X", i + 1));
    s_SeriesAdd(&s_sg.seriesY[i], intType, s_SeriesLabel("Plot %d Y", i + 1));
    s_SeriesAdd(&s_sg.seriesSD[i], intType, s_SeriesLabel("Plot %d SD", i + 1));
  }
  for (int i = 0; i < s_sg.seriesCount; ++i) {
    s_SeriesAdd(&s_sg.seriesMin[i], doubleType, s_SeriesLabel("Plot %d Min", i + 1));
    s_SeriesAdd(&s_sg.seriesMax[i], doubleType, s_SeriesLabel("Plot %d Max", i + 1));
  }
  s_SeriesGroup(s_sg.penWidth, doubleType, "Pen %d Width");
  for (int i = 0; i < s_sg.seriesCount; ++i) in_SetParameterRange(&s_sg.penWidth[i], 0, 100, s_g.dialog);
  s_SeriesGroup(s_sg.noLine, flagType, "No Line %d");
  s_SeriesGroup(s_sg.dataMark, intType, "Data Mark %d");
  s_SeriesGroup(s_sg.markRadius, intType, "Mark %d Radius");
  for (int i = 0; i < s_sg.seriesCount; ++i) in_SetParameterRange(&s_sg.markRadius[i], 0, 1000, s_g.dialog);
  s_SeriesGroup(s_sg.dataColor, intType, "Data %d Color");
  s_SeriesAdd(&s_sg.regressionLine, flagType, "Regression Line");
  s_SeriesAdd(&s_sg.showGradient, flagType, "Show Gradient");
  s_SeriesAdd(&s_sg.gradientFontSize, intType, "Grad. FontSize");
  in_SetParameterRange(&s_sg.gradientFontSize, 0, 512, s_g.dialog);
  s_SeriesAdd(&s_sg.regRange, flagType, "Reg. Line Range");
  s_SeriesAdd(&s_sg.regMin, doubleType, "Reg. Line Min");
  s_SeriesAdd(&s_sg.regMax, doubleType, "Reg. Line Max");
  s_SeriesAdd(&s_sg.logX, flagType, "log(x)");
  s_SeriesAdd(&s_sg.logY, flagType, "log(y)");
  s_SeriesAdd(&s_sg.showData, flagType, "Show Data");
}

void SetGraphSeriesX(int series, int column) { SetParamsIntArray(&s_sg.seriesX, series - 1, column, 0); }
void SetGraphSeriesY(int series, int column) { SetParamsIntArray(&s_sg.seriesY, series - 1, column, 0); }
void SetGraphSeriesF(int series, int column) { SetParamsIntArray(&s_sg.seriesF, series - 1, column, 0); }
void SetGraphSeriesStdDev(int series, int column) { SetParamsIntArray(&s_sg.seriesSD, series - 1, column, 0); }
void SetGraphPenWidth(int series, double width) { SetParamsDoubleArray(&s_sg.penWidth, series - 1, width, 0); }
void SetGraphNoLine(int series, int flag) { SetParamsIntArray(&s_sg.noLine, series - 1, flag, 0); }
void SetGraphDataMark(int series, int kind) { SetParamsIntArray(&s_sg.dataMark, series - 1, kind, 0); }
void SetGraphRadius(int series, int radius) { SetParamsIntArray(&s_sg.markRadius, series - 1, radius, 0); }
