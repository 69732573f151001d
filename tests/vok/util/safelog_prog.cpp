// SafeLog of non-positive values: the messages go to the console (standard
// output in a headless run), the results to standard error.
#include <cmath>
#include <cstdio>

#include "vok/util/numerics.h"
#if __has_include("vok/frame/startup.h")
#include "vok/frame/startup.h"
#define VOK_HAVE_STARTUP 1
#endif

int main() {
#ifdef VOK_HAVE_STARTUP
  MinimumStart();  // console output needs a started program
#endif
  double r[4] = {SafeLog(0.0), SafeLog(-1.0), SafeLog(-0.0), SafeLog(-INFINITY)};
  std::fprintf(stderr, "%g %g %g %g\n", r[0], r[1], r[2], r[3]);
  return 0;
}
