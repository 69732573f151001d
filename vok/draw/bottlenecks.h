// The nine replacement drawing bottlenecks of the drawing port: each draws its
// primitive (into buffer and window in buffered mode), flushes the screen and,
// while an EPS recording is active, writes the primitive's PostScript.
#pragma once
#include "platform/gfx/gfx.h"

void s_CustomText(short byteCount, const void* textBuf, Point numer, Point denom);
void s_CustomLine(Point newPt);
void s_CustomRect(GrafVerb verb, const Rect* r);
void s_CustomRRect(GrafVerb verb, const Rect* r, short ovalWidth, short ovalHeight);
void s_CustomOval(GrafVerb verb, const Rect* r);
void s_CustomArc(GrafVerb verb, const Rect* r, short startAngle, short arcAngle);
void s_CustomPoly(GrafVerb verb, PolyHandle poly);
void s_CustomRgn(GrafVerb verb, RgnHandle rgn);
void s_CustomBits(const BitMap* srcBits, const Rect* srcRect, const Rect* dstRect, short mode, RgnHandle maskRgn);
