// sheetgraph: the columns of a tab-separated data file as series.
#include "vok/vok.h"

int main() {
  StartDrawingOnly();
  SetGraphDataNumber(5000);
  SpreadSheetGraph();
  return 0;
}
