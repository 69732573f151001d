// Format helpers that touch no window: sprintf with line ends left alone,
// and the rewrite of scanf-style double conversions for printf.
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "vok/console/text.h"

int s_sprintfModifyLF(char* buffer, const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  int n = std::vsprintf(buffer, format, ap);
  va_end(ap);
  return n;
}

// Drops the length letter l of floating-point conversions ("%8.3lf" -> "%8.3f").
void LFToF(const char* from, char* to) {
  while (*from) {
    char c = *from++;
    *to++ = c;
    if (c != '%') continue;
    while (*from && std::strchr(" #*+-.0123456789", *from)) *to++ = *from++;
    if (*from == 'l' && from[1] && std::strchr("efgEG", from[1])) ++from;
    if (*from) *to++ = *from++;
  }
  *to = 0;
}
