// Public lines and shapes: each validates its arguments once (null, empty
// rectangle) and hands the primitive to the current port's bottleneck. The
// fill calls first make their pattern the port's fill pattern, which is what
// the fill verb of every bottleneck draws with.
#include "platform/gfx/gfx_internal.h"

using vokgfx::procsOf;

namespace {
inline CQDProcs* current(GrafPort** port) {
  *port = GetQDPort();
  return procsOf(*port);
}

void setFillPat(GrafPort* port, const Pattern* pat) {
  port->fillPat = *pat;
  DisposePixPat(port->fillPixPat);
  port->fillPixPat = nullptr;
}

// false when pp carries no pattern; the port keeps its own copy.
bool setFillPixPat(GrafPort* port, PixPatHandle pp) {
  if (!pp || !*pp) return false;
  if (!port->fillPixPat) port->fillPixPat = NewPixPat();
  if (port->fillPixPat) CopyPixPat(pp, port->fillPixPat);
  port->fillPat = (*pp)->pat1Data;
  return true;
}

void rect(GrafVerb verb, const Rect* r) {
  if (EmptyRect(r)) return;
  GrafPort* port;
  current(&port)->rectProc(verb, r);
}
void rrect(GrafVerb verb, const Rect* r, short ow, short oh) {
  if (EmptyRect(r)) return;
  GrafPort* port;
  current(&port)->rRectProc(verb, r, ow, oh);
}
void oval(GrafVerb verb, const Rect* r) {
  if (EmptyRect(r)) return;
  GrafPort* port;
  current(&port)->ovalProc(verb, r);
}
void arc(GrafVerb verb, const Rect* r, short start, short angle) {
  if (EmptyRect(r)) return;
  GrafPort* port;
  current(&port)->arcProc(verb, r, start, angle);
}
void poly(GrafVerb verb, PolyHandle p) {
  if (!p || !*p) return;
  GrafPort* port;
  current(&port)->polyProc(verb, p);
}
void rgn(GrafVerb verb, RgnHandle r) {
  if (!r) return;
  GrafPort* port;
  current(&port)->rgnProc(verb, r);
}
}  // namespace

// The bottleneck moves the pen too (so a table that replaces it still
// leaves the pen at the end point).
void LineTo(short h, short v) {
  GrafPort* port;
  current(&port)->lineProc(Point{v, h});
  port->pnLoc = Point{v, h};
}

void Line(short dh, short dv) {
  Point to = GetQDPort()->pnLoc;
  AddPt(Point{dv, dh}, &to);
  LineTo(to.h, to.v);
}

void FrameRect(const Rect* r) { rect(kQDGrafVerbFrame, r); }
void PaintRect(const Rect* r) { rect(kQDGrafVerbPaint, r); }
void EraseRect(const Rect* r) { rect(kQDGrafVerbErase, r); }
void InvertRect(const Rect* r) { rect(kQDGrafVerbInvert, r); }
void FillRect(const Rect* r, const Pattern* pat) {
  if (!pat || EmptyRect(r)) return;
  setFillPat(GetQDPort(), pat);
  rect(kQDGrafVerbFill, r);
}
void FillCRect(const Rect* r, PixPatHandle pp) {
  if (!EmptyRect(r) && setFillPixPat(GetQDPort(), pp)) rect(kQDGrafVerbFill, r);
}

void FrameRoundRect(const Rect* r, short ow, short oh) { rrect(kQDGrafVerbFrame, r, ow, oh); }
void PaintRoundRect(const Rect* r, short ow, short oh) { rrect(kQDGrafVerbPaint, r, ow, oh); }
void EraseRoundRect(const Rect* r, short ow, short oh) { rrect(kQDGrafVerbErase, r, ow, oh); }
void InvertRoundRect(const Rect* r, short ow, short oh) { rrect(kQDGrafVerbInvert, r, ow, oh); }
void FillRoundRect(const Rect* r, short ow, short oh, const Pattern* pat) {
  if (!pat || EmptyRect(r)) return;
  setFillPat(GetQDPort(), pat);
  rrect(kQDGrafVerbFill, r, ow, oh);
}
void FillCRoundRect(const Rect* r, short ow, short oh, PixPatHandle pp) {
  if (!EmptyRect(r) && setFillPixPat(GetQDPort(), pp)) rrect(kQDGrafVerbFill, r, ow, oh);
}

void FrameOval(const Rect* r) { oval(kQDGrafVerbFrame, r); }
void PaintOval(const Rect* r) { oval(kQDGrafVerbPaint, r); }
void EraseOval(const Rect* r) { oval(kQDGrafVerbErase, r); }
void InvertOval(const Rect* r) { oval(kQDGrafVerbInvert, r); }
void FillOval(const Rect* r, const Pattern* pat) {
  if (!pat || EmptyRect(r)) return;
  setFillPat(GetQDPort(), pat);
  oval(kQDGrafVerbFill, r);
}
void FillCOval(const Rect* r, PixPatHandle pp) {
  if (!EmptyRect(r) && setFillPixPat(GetQDPort(), pp)) oval(kQDGrafVerbFill, r);
}

void FrameArc(const Rect* r, short s, short a) { arc(kQDGrafVerbFrame, r, s, a); }
void PaintArc(const Rect* r, short s, short a) { arc(kQDGrafVerbPaint, r, s, a); }
void EraseArc(const Rect* r, short s, short a) { arc(kQDGrafVerbErase, r, s, a); }
void InvertArc(const Rect* r, short s, short a) { arc(kQDGrafVerbInvert, r, s, a); }
void FillArc(const Rect* r, short s, short a, const Pattern* pat) {
  if (!pat || EmptyRect(r)) return;
  setFillPat(GetQDPort(), pat);
  arc(kQDGrafVerbFill, r, s, a);
}
void FillCArc(const Rect* r, short s, short a, PixPatHandle pp) {
  if (!EmptyRect(r) && setFillPixPat(GetQDPort(), pp)) arc(kQDGrafVerbFill, r, s, a);
}

void FramePoly(PolyHandle p) { poly(kQDGrafVerbFrame, p); }
void PaintPoly(PolyHandle p) { poly(kQDGrafVerbPaint, p); }
void ErasePoly(PolyHandle p) { poly(kQDGrafVerbErase, p); }
void InvertPoly(PolyHandle p) { poly(kQDGrafVerbInvert, p); }
void FillPoly(PolyHandle p, const Pattern* pat) {
  if (!pat || !p || !*p) return;
  setFillPat(GetQDPort(), pat);
  poly(kQDGrafVerbFill, p);
}
void FillCPoly(PolyHandle p, PixPatHandle pp) {
  if (p && *p && setFillPixPat(GetQDPort(), pp)) poly(kQDGrafVerbFill, p);
}

void FrameRgn(RgnHandle r) { rgn(kQDGrafVerbFrame, r); }
void PaintRgn(RgnHandle r) { rgn(kQDGrafVerbPaint, r); }
void EraseRgn(RgnHandle r) { rgn(kQDGrafVerbErase, r); }
void InvertRgn(RgnHandle r) { rgn(kQDGrafVerbInvert, r); }
void FillRgn(RgnHandle r, const Pattern* pat) {
  if (!pat || !r) return;
  setFillPat(GetQDPort(), pat);
  rgn(kQDGrafVerbFill, r);
}
void FillCRgn(RgnHandle r, PixPatHandle pp) {
  if (r && setFillPixPat(GetQDPort(), pp)) rgn(kQDGrafVerbFill, r);
}
