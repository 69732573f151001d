// Stand-in for the console's s_printf while vok/console is not in the build:
// writes to standard output. Weak, so the real one wins wherever it is linked;
// it compiles to nothing once the console header exists.
#include "vok/util/console_link.h"

#if !__has_include("vok/console/text.h")
#include <cstdarg>
#include <cstdio>

__attribute__((weak)) int s_printf(const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  int n = std::vprintf(format, ap);
  va_end(ap);
  std::fflush(stdout);
  return n;
}
#endif
