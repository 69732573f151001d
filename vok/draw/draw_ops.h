// The s_ drawing operations: pen, text and colour state, pixels and pattern
// fills of the current port. Each does what the platform call of the same name
// does, and also keeps the redraw buffer of buffered mode in step and records
// what PostScript can express while an EPS recording is active.
#pragma once
#include "platform/font/font.h"
#include "platform/gfx/picture.h"

// ---- pen position ------------------------------------------------------------
void s_MoveTo(short h, short v);  // ends the program when no start-up call ran
void s_Move(short dh, short dv);
void s_LineTo(short h, short v);
void s_Line(short dh, short dv);
void s_GlobalToLocal(Point* pt);  // the result is in unscaled drawing coordinates
// The pen's height in the buffer and, when mirroring, in the window: a raised
// or lowered text group comes back to it exactly, even where its moves stopped
// at the edge of the coordinate space.
struct PenHeights {
  short drawn = 0, window = 0;
};
PenHeights s_GetPenHeights();
void s_SetPenHeights(PenHeights heights);

// ---- colours -------------------------------------------------------------------
void s_ForeColor(long color);
void s_BackColor(long color);
void s_RGBForeColor(const RGBColor* color);
void s_RGBBackColor(const RGBColor* color);

// ---- pen state ---------------------------------------------------------------
void s_HidePen();
void s_ShowPen();
void s_PenNormal();
void s_SetPenState(const PenState* ps);
void s_PenSize(short width, short height);
void s_PenMode(short mode);
void s_PenPat(const Pattern* pat);
void s_PenPixPat(PixPatHandle pp);
void s_BackPat(const Pattern* pat);

// ---- text state ----------------------------------------------------------------
void s_TextFont(short font);
void s_TextFace(short face);
void s_TextSize(short size);
void s_TextMode(short mode);
void s_SpaceExtra(Fixed extra);

// ---- pixels ------------------------------------------------------------------
void s_SetCPixel(short h, short v, const RGBColor* color);
void s_GetCPixel(short h, short v, RGBColor* color);
Boolean s_GetPixel(short h, short v);

// ---- polygons, regions and pictures ---------------------------------------------
PolyHandle s_OpenPoly();
void s_ClosePoly();
void s_OpenRgn();
void s_CloseRgn(RgnHandle dst);
// Pictures pass straight through (inline: they reach the picture code only where used).
inline PicHandle s_OpenPicture(const Rect* picFrame) { return OpenPicture(picFrame); }
inline void s_ClosePicture() { ClosePicture(); }
inline void s_DrawPicture(PicHandle pic, const Rect* dstRect) { DrawPicture(pic, dstRect); }

// ---- pattern fills -------------------------------------------------------------
void s_FillRect(const Rect* r, const Pattern* pat);
void s_FillOval(const Rect* r, const Pattern* pat);
void s_FillRoundRect(const Rect* r, short ovalWidth, short ovalHeight, const Pattern* pat);
void s_FillArc(const Rect* r, short startAngle, short arcAngle, const Pattern* pat);
void s_FillPoly(PolyHandle poly, const Pattern* pat);
void s_FillRgn(RgnHandle rgn, const Pattern* pat);
void s_FillCRect(const Rect* r, PixPatHandle pp);
void s_FillCOval(const Rect* r, PixPatHandle pp);
void s_FillCArc(const Rect* r, short startAngle, short arcAngle, PixPatHandle pp);
void s_FillCPoly(PolyHandle poly, PixPatHandle pp);
void s_FillCRgn(RgnHandle rgn, PixPatHandle pp);
void s_FillCRoundRect(const Rect* r, short ovalWidth, short ovalHeight, PixPatHandle pp);

// Formats like printf (at most 1023 characters) and draws the text at the pen.
int s_DirectDprintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Formats like printf (at most 1023 characters) and draws the text at (h, v)
// in the drawing window; the pen stays where it was.
int s_Dprintf(int h, int v, const char* format, ...) __attribute__((format(printf, 3, 4)));
