// Messages of the parameter subsystem: formatted here first, so that long
// labels and lines never meet a fixed buffer, then written as plain text.
#include "vok/params/pd_print.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "vok/console/text.h"

void pdPrint(const char* format, ...) {
  va_list ap, ap2;
  va_start(ap, format);
  va_copy(ap2, ap);
  int n = std::vsnprintf(nullptr, 0, format, ap);
  va_end(ap);
  if (n < 0) {
    va_end(ap2);
    return;
  }
  std::string text(size_t(n) + 1, '\0');
  std::vsnprintf(&text[0], text.size(), format, ap2);
  va_end(ap2);
  text.resize(size_t(n));
  s_printf("%s", text.c_str());
}
