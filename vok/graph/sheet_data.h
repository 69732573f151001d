// The spreadsheet data file: tab-separated text, a header line of column
// names, then rows of numbers. s_sg holds the file's columns (data[c][r],
// validity marks, statistics) and the per-series plotting settings; the
// reader fills the tables, grows them when the file has more rows than
// dataNumber allows, and sets the default frame range in s_g.
//
// State of the pieces:
//   done:    the record, the reader (SGReadFile / SGReadPath), header and row
//            rules, validity marks, growth and re-reading, SGSeriesRange, the
//            default frame range, the setters, and SGInit: the next handed-
//            over document, else the open dialog (useDialog), else fileName;
//            "Series Number" and one "Data %d" per column registered into
//            s_g.dialog on the first read; the delayed series settings of
//            group 0 applied after every read.
//   for the graph loop: call SGBoundColumnNames after every
//            ParametersDialogP, before anything reads the names (SGInit
//            itself bounds them before and after each read).
//
// A file read after the first one ("Load New Data") may have fewer columns
// (the names past its own are emptied), never more: the dialog's "Data %d"
// parameters and the parameter files stand for the first file's columns,
// so a wider file is refused with an alert and the data stay as they were.
#pragma once
#include <cstddef>
#include <cstdio>

// A column name holds at most 127 characters. Its slot is larger so that a
// dialog string edit (up to 255 characters) can never run past it;
// SGBoundColumnNames cuts edited names back.
enum { kSGColumnNameMax = 127, kSGColumnNameSlot = 256 };
// SGInit reads files of at most this many columns: each column gets a
// dialog parameter, and every 26 of them a dialog page of its own (about a
// megabyte each), so a file of a few hundred thousand tabs would otherwise
// exhaust memory before anything is shown.
enum { kSGMaxColumns = 4096 };

struct SGRecord {
  FILE* file;          // the data file while it is being read
  char fileName[256];  // proposed in the open dialog, or opened directly
  int useDialog;       // 1: ask with the open dialog; 0: open fileName (SetGraphFileName)
  long dataCount;      // data rows read ("Data Number", edited as a longType)
  char seriesNumberLabel[16];          // "Series Number"
  char (*columnNames)[kSGColumnNameSlot];  // columnCount names from the header
  int columnCount;
  double** data;  // data[c][r]: column c + 1 of data row r + 1
  int** valid;    // 1 where the field held a finite number, else 0 (and data 0)
  char line[1024];  // the header line as read (cut at 1023 characters)
  int maxSeries;    // upper limit of seriesCount
  int seriesCount;  // 0 until the first file is read
  int* seriesX;     // column of each series' x values (from 1; 0 none)
  int* seriesY;
  int* seriesF;     // column of each grid's function values
  int* seriesSD;    // column of each series' standard deviations, 0 none
  double* seriesMin;  // x range in which each series is drawn
  double* seriesMax;
  double* penWidth;
  int* noLine;
  int* dataMark;
  int* markRadius;
  double* columnMin;  // per column, over the valid cells (SGSeriesRange)
  double* columnMax;
  double* columnStep;
  int* dataColor;
  int regressionLine, showGradient;
  int gradientFontSize;
  int dataNumber;  // row capacity of data and valid
  int logX, logY;
  int showData;
  double regMin, regMax;
  int regRange;
  // The grid built from the table for contour and surface graphs.
  double** grid;
  int gridX, gridY, gridF;
  int gridNx, gridNy;
};
extern SGRecord s_sg;

// Chooses, opens and reads a data file; reports a file that cannot be read
// with an alert naming it and keeps the previous data (a cancelled dialog
// keeps them without a word). The file read becomes fileName.
void SGInit();
// columnMin, columnMax, columnStep of every column over rows 1 ... dataCount.
void SGSeriesRange();
void SetGraphFileName(const char* name);  // at most 255 characters; no dialog next time
void SetGraphDataNumber(int n);           // initial row capacity (below 1 counts as 1)
void SetGraphMaxSeriesNumber(int n);      // before the first file only
// Cuts every column name to kSGColumnNameMax characters (after dialog edits).
void SGBoundColumnNames();

// The reader shared by SGInit, the tests and the tools. Reads the whole file
// from `file` (from its current position; not closed) into s_sg, then sets
// the statistics and the default frame range. A file that is empty, has no
// header line, is not text or cannot be read at all leaves s_sg as it was,
// and so does one with more columns than SGInit allows once the dialog has
// been set up for the first file (or than kSGMaxColumns before that).
// Returns kSGReadOK, or another code with
// a message naming `name` in message[0 .. messageSize).
enum SGReadStatus {
  kSGReadOK = 0,
  kSGReadCannotOpen,
  kSGReadEmpty,
  kSGReadNoHeader,
  kSGReadNotText,
  kSGReadIOError,   // nothing could be read; s_sg as it was
  kSGReadCutShort,  // a read error after the header: the rows before it are in
  kSGReadTooWide,   // more columns than the dialog was set up for (SGInit)
};
int SGReadFile(FILE* file, const char* name, char* message, size_t messageSize);
int SGReadPath(const char* path, char* message, size_t messageSize);
