// Fonts and text: family names <-> font numbers, text drawing through the
// port's text bottleneck, and measurement, over FreeType and fontconfig.
// Family names map to metric-compatible free fonts (see font_map.cpp).
// Text bytes are Mac Roman characters (Symbol: the font's own codes); sizes
// are pixels per em (size 0 = 12). Faces: bold and italic use the family's
// own files (synthesized when it has none), underline is a line; outline,
// shadow, condense and extend are accepted and not drawn.
#pragma once
#include "platform/gfx/gfx.h"

enum : short { systemFont = 0, applFont = 1 };
enum : OSStatus { kFMInvalidFontFamilyErr = -985 };

struct FontInfo {
  short ascent, descent, widMax, leading;
};

// Font number of a family name ("Times", "Helvetica", "Courier", "Symbol",
// "Monaco", "Geneva", or any family fontconfig knows); 0 (the system font)
// when nothing installed matches. The classic families keep their numbers
// even when their free counterpart is missing: they are then drawn in the
// system font and VokFontLastError names the family and its package.
void GetFNum(ConstStr255Param name, short* familyID);
// Family name of a font number: the classic name ("Times", "Helvetica", ...)
// for the mapped families, "Geneva" for the system and application fonts;
// empty string and kFMInvalidFontFamilyErr for an unknown number.
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

// The last font problem (e.g. a family fontconfig could not find), for
// messages; "" when there was none since the last VokFontClearError.
const char* VokFontLastError();
void VokFontClearError();
