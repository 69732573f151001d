// Fatal and non-fatal messages: PrintError ends the program after telling
// the user; s_OOMError reports exhausted memory; AlertMessage shows an alert.
#pragma once
#include <cstddef>
#include <cstdio>

#include "platform/gfx/gfx.h"

[[noreturn]] void PrintError(const char* format, ...) __attribute__((format(printf, 1, 2)));
[[noreturn]] void s_OOMError();
void AlertMessage(const char* message, short kind);
// A caution alert for a file that could not be read, used or written: a
// headless run goes on, but ends with status 1 so that batch runs see it.
void s_AlertFileError(const char* message);
// Draws s_OOMMessage into port (current afterwards) at the pen and at the top left.
void s_DrawOOMMessage(CGrafPtr port, GDHandle device);
void* CheckCalloc(size_t count, size_t size);
void DebugWriteFile(const char* text);

extern FILE* s_debugFile;
extern unsigned char s_OOMMessage[256];
