// SafeLog of non-positive values: the messages go to the console (standard
// output in a headless run), the results to standard error.
#include <cmath>
#include <cstdio>

#include "vok/frame/startup.h"
#include "vok/util/numerics.h"

int main() {
  MinimumStart();  // console output needs a started program
  double r[4] = {SafeLog(0.0), SafeLog(-1.0), SafeLog(-0.0), SafeLog(-INFINITY)};
  std::fprintf(stderr, "%g %g %g %g\n", r[0], r[1], r[2], r[3]);
  return 0;
}
