// PNG files of rasters: export of any port or pixel map (tests, screen
// snapshots, the demo's test card). Writing goes to a temporary file in the
// same folder, renamed into place only when complete.
#pragma once
#include <string>

#include "platform/gfx/gfx.h"

// Writes the pixel map's bounds as an 8-bit RGB PNG. On failure returns
// false, leaves no file behind and, if error is given, says why.
bool VokWritePNG(const PixMap* pm, const char* path, std::string* error);
bool VokWritePortPNG(GrafPort* port, const char* path, std::string* error);
