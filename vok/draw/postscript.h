// The PostScript of each primitive, written to the EPS recording file while a
// recording is active (and never otherwise). Coordinates are the unscaled
// drawing coordinates; the file's header flips the y axis.
#pragma once
#include <cstdio>
#include <string>

#include "platform/gfx/gfx.h"

// True while an EPS recording is active.
bool s_PSRecording();
// Sends the primitives' PostScript to `file` (null: nowhere) instead of the
// EPS recording until the returned target is restored: printing replays a
// picture through this writer while an EPS recording may be running.
struct PSTarget {
  FILE* file;
  int active;
};
PSTarget s_PSRedirect(FILE* file);
void s_PSRestore(PSTarget previous);
// printf into the recording file; does nothing when no recording is active.
void s_PSPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

void s_PSMoveTo(short h, short v);
void s_PSColor(const RGBColor* c);
// Font selection: font 0, size 0 and style 255 take the value of the drawing port.
void s_PSFont(short font, short size, short style);
void s_PSText(Point pen, short byteCount, const void* text);
void s_PSLine(Point end);
void s_PSRect(GrafVerb verb, const Rect* r);
void s_PSRRect(GrafVerb verb, const Rect* r, short ovalWidth, short ovalHeight);
void s_PSOval(GrafVerb verb, const Rect* r);
void s_PSArc(GrafVerb verb, const Rect* r, short startAngle, short arcAngle);
void s_PSPoly(GrafVerb verb, PolyHandle poly);
// Writes what the writer holds back (the pen's moveto after a filled
// polygon) and forgets the last colour: before the recording's file changes
// hands or is finished.
void s_PSSettle();
// The closed paths alone, for callers that paint them their own way: an
// oval in its box, a rectangle with elliptic corners of radii rx and ry.
void s_PSOvalPath(double left, double top, double right, double bottom);
void s_PSRRectPath(double left, double top, double right, double bottom, double rx, double ry);

// The body of a PostScript string for these bytes: "(", ")" and "\" get a
// backslash, bytes outside printable ASCII become \ooo.
std::string s_PSEscape(const void* bytes, int count);
// The PostScript font name for a family and a QuickDraw style: Times gets
// -Roman/-Bold/-Italic/-BoldItalic, Helvetica and Courier -Bold/-Oblique/
// -BoldOblique, other families none. Characters that would end a PostScript
// name (blanks, delimiters) are left out.
std::string s_PSFontName(const char* family, short style);
