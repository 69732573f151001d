// sheetgraph: the columns of a tab-separated data file as series.
#include "vok/vok.h"

int main() {
  SetProgramHelp("plots the columns of a tab-separated data file as series against one another",
                 "tab-separated data files: a header line of column names, then rows of numbers");
  StartDrawingOnly();
  SetGraphDataNumber(5000);
  SpreadSheetGraph();
  return 0;
}
