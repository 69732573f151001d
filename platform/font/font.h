// Fonts and text: family names <-> font numbers, text drawing through the
// port's text bottleneck, and measurement, over FreeType and fontconfig.
// Family names map to metric-compatible free fonts (see font_map.cpp).
#pragma once
#include "platform/gfx/gfx.h"

enum : short { systemFont = 0, applFont = 1 };

struct FontInfo {
  short ascent, descent, widMax, leading;
};

// Font number of a family name ("Times", "Helvetica", "Courier", "Symbol",
// "Monaco", "Geneva", or any family fontconfig knows); 0 (the system font)
// when nothing installed matches.
void GetFNum(ConstStr255Param name, short* familyID);
// Family name of a font number; empty string for an unknown number.
OSStatus FMGetFontFamilyName(short familyID, Str255 name);

void DrawChar(short ch);
void DrawString(ConstStr255Param s);
void DrawText(const void* textBuf, short firstByte, short byteCount);
short CharWidth(short ch);
short StringWidth(ConstStr255Param s);
short TextWidth(const void* textBuf, short firstByte, short byteCount);
void GetFontInfo(FontInfo* info);

// Anti-aliased glyphs (off by default, so pixel tests are exact).
void VokSetTextAntialias(bool on);

// The last font problem (e.g. a family fontconfig could not find), for messages.
const char* VokFontLastError();
