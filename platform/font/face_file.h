// A FreeType face read from its file on demand (see face_file.cpp).
#pragma once
#include <ft2build.h>
#include FT_FREETYPE_H

namespace vokfont {
// FT_New_Face, reading the file with pread instead of mapping it whole.
FT_Error OpenFaceFile(FT_Library library, const char* path, long index, FT_Face* face);
}  // namespace vokfont
