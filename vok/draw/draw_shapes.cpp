// The s_ wrappers of pixels, polygons, regions, pictures and pattern fills.
// A pattern fill reaches the buffer of buffered mode as a paint with the
// pattern in the pen, since the fill pattern lives in one port only.
#include <cmath>

#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"

namespace {
void toBuffer() { s_SetGWorld(s_drawingPort, nullptr); }
void toWindow() { s_SetGWorld(s_redrawPort, s_display); }
short scaledBy(short value) { return short(std::trunc(value * s_d_scale)); }

// Paints with `pat` in the pen (both ports), then gives the pen its pattern back.
template <class Paint>
void paintWithPattern(const Pattern* pat, Paint paint) {
  PenState saved;
  GetPenState(&saved);
  s_PenPat(pat);
  paint();
  s_PenPat(&saved.pnPat);
}

// The same with a pixel pattern; a pen without one gets its plain pattern back.
template <class Paint>
void paintWithPixPat(PixPatHandle pp, Paint paint) {
  PenState saved;
  GetPenState(&saved);
  PixPatHandle savedPix = GetQDPort()->pnPixPat;
  PixPatHandle keep = nullptr;
  if (savedPix) {
    keep = NewPixPat();
    CopyPixPat(savedPix, keep);
  }
  s_PenPixPat(pp);
  paint();
  if (keep) {
    s_PenPixPat(keep);
    DisposePixPat(keep);
  } else {
    s_PenPat(&saved.pnPat);
  }
}
}  // namespace

// ---- pixels ------------------------------------------------------------------
void s_SetCPixel(short h, short v, const RGBColor* color) {
  if (!color) return;
  if (!s_Mirroring()) {
    SetCPixel(h, v, color);
    return;
  }
  s_drawBackLineFlag = 0;
  toBuffer();
  SetCPixel(h, v, color);
  toWindow();
  SetCPixel(scaledBy(h), scaledBy(v), color);
  s_drawBackLineFlag = 1;
}

void s_GetCPixel(short h, short v, RGBColor* color) {
  if (!color) return;
  if (!s_Mirroring()) {
    GetCPixel(h, v, color);
    return;
  }
  toBuffer();
  GetCPixel(h, v, color);
  toWindow();
}

Boolean s_GetPixel(short h, short v) {
  if (!s_Mirroring()) return GetPixel(h, v);
  toBuffer();
  Boolean set = GetPixel(h, v);
  toWindow();
  return set;
}

// ---- polygons and regions ---------------------------------------------
// The lines that define a polygon leave no trace in the buffer.
PolyHandle s_OpenPoly() {
  if (s_Mirroring()) {
    toBuffer();
    HidePen();
    toWindow();
  }
  return OpenPoly();
}

void s_ClosePoly() {
  if (s_Mirroring()) {
    toBuffer();
    ShowPen();
    toWindow();
  }
  ClosePoly();
}

void s_OpenRgn() { OpenRgn(); }
void s_CloseRgn(RgnHandle dst) { CloseRgn(dst); }

// ---- pattern fills -------------------------------------------------------------
void s_FillRect(const Rect* r, const Pattern* pat) {
  if (!s_Mirroring()) return FillRect(r, pat);
  paintWithPattern(pat, [&] { PaintRect(r); });
}

void s_FillOval(const Rect* r, const Pattern* pat) {
  if (!s_Mirroring()) return FillOval(r, pat);
  paintWithPattern(pat, [&] { PaintOval(r); });
}

void s_FillRoundRect(const Rect* r, short ovalWidth, short ovalHeight, const Pattern* pat) {
  if (!s_Mirroring()) return FillRoundRect(r, ovalWidth, ovalHeight, pat);
  paintWithPattern(pat, [&] { PaintRoundRect(r, ovalWidth, ovalHeight); });
}

void s_FillArc(const Rect* r, short startAngle, short arcAngle, const Pattern* pat) {
  if (!s_Mirroring()) return FillArc(r, startAngle, arcAngle, pat);
  paintWithPattern(pat, [&] { PaintArc(r, startAngle, arcAngle); });
}

void s_FillPoly(PolyHandle poly, const Pattern* pat) {
  if (!s_Mirroring()) return FillPoly(poly, pat);
  paintWithPattern(pat, [&] { PaintPoly(poly); });
}

void s_FillRgn(RgnHandle rgn, const Pattern* pat) {
  if (!s_Mirroring()) return FillRgn(rgn, pat);
  paintWithPattern(pat, [&] { PaintRgn(rgn); });
}

void s_FillCRect(const Rect* r, PixPatHandle pp) {
  if (!s_Mirroring()) return FillCRect(r, pp);
  paintWithPixPat(pp, [&] { PaintRect(r); });
}

void s_FillCOval(const Rect* r, PixPatHandle pp) {
  if (!s_Mirroring()) return FillCOval(r, pp);
  paintWithPixPat(pp, [&] { PaintOval(r); });
}

void s_FillCArc(const Rect* r, short startAngle, short arcAngle, PixPatHandle pp) {
  if (!s_Mirroring()) return FillCArc(r, startAngle, arcAngle, pp);
  paintWithPixPat(pp, [&] { PaintArc(r, startAngle, arcAngle); });
}

void s_FillCPoly(PolyHandle poly, PixPatHandle pp) {
  if (!s_Mirroring()) return FillCPoly(poly, pp);
  paintWithPixPat(pp, [&] { PaintPoly(poly); });
}

void s_FillCRgn(RgnHandle rgn, PixPatHandle pp) { FillCRgn(rgn, pp); }

void s_FillCRoundRect(const Rect* r, short ovalWidth, short ovalHeight, PixPatHandle pp) {
  FillCRoundRect(r, ovalWidth, ovalHeight, pp);
}
