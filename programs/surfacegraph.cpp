// surfacegraph: a grid of x, y and value columns of a data file as a shaded surface.
#include "vok/vok.h"

int main() {
  SetProgramHelp("draws a grid read from a tab-separated data file as a shaded surface",
                 "tab-separated data files with x, y and value columns, one row per grid node");
  StartColorDrawingOnly();
  SetGraphDataNumber(5000);
  Graph3DSS();
  return 0;
}
