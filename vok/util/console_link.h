// Where the utilities print to the console. The text console (vok/console)
// provides s_printf; until it is part of the build, console_fallback.cpp
// supplies a stand-in that writes to standard output, as headless runs do.
#pragma once
#if __has_include("vok/console/text.h")
#include "vok/console/text.h"
#else
int s_printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
#endif
