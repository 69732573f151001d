// Shared by picture and bitmap saving: where a file goes and how a failed
// write is told.
#pragma once
#include <string>

#include "platform/file/file.h"

// Writes data whole to spec (the old file stays on failure, which is told
// to the user naming the file); false on failure.
bool s_SaveFileWhole(const char* who, const FSSpec* spec, const void* data, size_t size, OSType type, OSType creator);
// The port whose pixels and drawing are saved: the drawing port, else the current one.
CGrafPtr s_SavedDrawingPort();
