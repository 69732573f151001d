// contourgraph: the level lines of a grid read from a tab-separated data file.
#include "vok/vok.h"

int main() {
  StartDrawingOnly();
  SetGraphDataNumber(5000);
  Graph2DSS();
  return 0;
}
