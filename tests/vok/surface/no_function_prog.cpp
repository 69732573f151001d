// A surface graph started without a function installed.
#include "vok/vok.h"

int main() {
  StartColorDrawingOnly();
  Graph3DFunction();
  return 0;
}
