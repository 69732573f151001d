// The spreadsheet record with its defaults, its setters, and SGInit: choose
// and open the data file, read it (sheet_read.cpp), and on the first read
// register the file's parameters.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "vok/frame/messages.h"
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

namespace {
int g_repeat = 0;  // a file has been read once

// The open rules, first that applies: the next document handed over by the
// desktop, the open dialog when useDialog is set, else fileName itself.
// Only the last is wired so far; the other two come with the file dialogs.
// Returns null when there is nothing to read (a message was shown if the
// user needs one).
FILE* s_SGOpenDataFile() {
  FILE* f = std::fopen(s_sg.fileName, "r");
  if (!f) {
    char message[512];
    std::snprintf(message, sizeof message, "Error in SGInit: cannot open \"%s\": %s\n", s_sg.fileName,
                  std::strerror(errno));
    AlertMessage(message, 2);
  }
  return f;
}

// First read only: "Series Number" (read-only, on columnCount) and one
// "Data %d" string parameter per column name. Comes with the parameter
// table; the name slots are kSGColumnNameSlot bytes so a string edit fits.
void s_SGRegisterColumns() {}

// Pending series settings recorded before the file was read, applied to the
// first seriesCount entries after every read. Comes with the delayed
// parameter arrays.
void s_SGApplyDelayedSettings() {}
}  // namespace

void SGInit() {
  FILE* f = s_SGOpenDataFile();
  if (!f) return;
  char message[512];
  int status = SGReadFile(f, s_sg.fileName, message, sizeof message);
  std::fclose(f);
  if (status != kSGReadOK) AlertMessage(message, 2);
  if (status != kSGReadOK && status != kSGReadIOError) return;  // refused: the old data stay
  if (!g_repeat) s_SGRegisterColumns();
  g_repeat = 1;
  s_SGApplyDelayedSettings();
}

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
