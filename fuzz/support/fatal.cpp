// The fatal paths for fuzz targets built from a few sources instead of the
// whole toolkit: out of memory aborts, so the fuzzer reports it.
#include <cstdio>
#include <cstdlib>

#include "vok/frame/messages.h"

void s_OOMError() {
  std::fputs("Out of Memory!\n", stderr);
  std::abort();
}

void* CheckCalloc(size_t count, size_t size) {
  void* p = std::calloc(count ? count : 1, size ? size : 1);
  if (!p) s_OOMError();
  return p;
}
