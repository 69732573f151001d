// The utilities' reports until the frame and the console install theirs.
#include "vok/util/report.h"

#include <cstdio>
#include <cstdlib>

namespace {
void outOfMemory() {
  std::fputs("Out of Memory!\n", stderr);
  std::exit(1);
}
void message(const char* text) { std::fputs(text, stderr); }
}  // namespace

void (*s_UtilOutOfMemoryP)() = outOfMemory;
void (*s_UtilMessageP)(const char* text) = message;
