// The spreadsheet record with its defaults, and its setters.
#include <cstdio>

#include "vok/graph/sheet_data.h"
#include "vok/graph/sheet_internal.h"

SGRecord s_sg = {
    nullptr,          // file
    "data",           // fileName
    1,                // useDialog
    0,                // dataCount
    "Series Number",  // seriesNumberLabel
    nullptr, 0,       // columnNames, columnCount
    nullptr, nullptr,  // data, valid
    "",               // line
    20, 0,            // maxSeries, seriesCount
    nullptr, nullptr, nullptr, nullptr,  // seriesX, seriesY, seriesF, seriesSD
    nullptr, nullptr, nullptr,           // seriesMin, seriesMax, penWidth
    nullptr, nullptr, nullptr,           // noLine, dataMark, markRadius
    nullptr, nullptr, nullptr,           // columnMin, columnMax, columnStep
    nullptr,                             // dataColor
    0, 0, 12,                            // regressionLine, showGradient, gradientFontSize
    300,                                 // dataNumber
    0, 0, 0,                             // logX, logY, showData
    0.0, 1.0, 0,                         // regMin, regMax, regRange
    nullptr, 0, 0, 0, 0, 0,              // grid, gridX, gridY, gridF, gridNx, gridNy
};

void SetGraphFileName(const char* name) {
  std::snprintf(s_sg.fileName, sizeof s_sg.fileName, "%s", name ? name : "");
  s_sg.useDialog = 0;
}

void SetGraphDataNumber(int n) { s_sg.dataNumber = n < 1 ? 1 : n; }

void SetGraphMaxSeriesNumber(int n) { s_sg.maxSeries = n; }

void SGBoundColumnNames() {
  if (!s_sg.columnNames) return;
  for (int c = 0; c < s_sg.columnCount && c < s_sgTables.nameSlots; ++c) s_sg.columnNames[c][kSGColumnNameMax] = 0;
}
