// contourgraph: the level lines of a grid read from a tab-separated data file.
#include "vok/vok.h"

int main() {
  SetProgramHelp("draws the level lines of a grid read from a tab-separated data file",
                 "tab-separated data files with x, y and value columns, one row per grid node");
  StartDrawingOnly();
  SetGraphDataNumber(5000);
  Graph2DSS();
  return 0;
}
