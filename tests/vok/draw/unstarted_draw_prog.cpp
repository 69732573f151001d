// A program that draws without a start-up call: the first s_MoveTo must end it.
#include <cstdio>

#include "vok/vok.h"

int main() {
  s_MoveTo(10, 10);
  std::printf("drew anyway\n");
  return 0;
}
