// Prints the main device's size: the screen-size test runs it with VOK_SCREEN set.
#include <cstdio>

#include "platform/gfx/gfx.h"

int main() {
  GDHandle gd = GetMainDevice();
  std::printf("%d %d\n", (*gd)->gdRect.right - (*gd)->gdRect.left, (*gd)->gdRect.bottom - (*gd)->gdRect.top);
  return 0;
}
