// surfacegraph: a grid of x, y and value columns of a data file as a shaded surface.
#include "vok/vok.h"

int main() {
  StartColorDrawingOnly();
  SetGraphDataNumber(5000);
  Graph3DSS();
  return 0;
}
