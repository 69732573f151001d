// The utilities' reports until the frame and the console install theirs.
#include "vok/util/report.h"

#include <cstdio>
#include <cstdlib>

#include "platform/base/program.h"

namespace {
void outOfMemory() {
  std::fprintf(stderr, "%s: Out of Memory!\n", VokProgramName());
  std::exit(1);
}
void message(const char* text) { std::fprintf(stderr, "%s: %s", VokProgramName(), text); }
}  // namespace

void (*s_UtilOutOfMemoryP)() = outOfMemory;
void (*s_UtilMessageP)(const char* text) = message;
