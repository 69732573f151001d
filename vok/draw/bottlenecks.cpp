// The nine drawing bottlenecks. In buffered mode each primitive is drawn
// twice: unscaled into the redraw buffer and, mapped by the display scale,
// into the window. Then the screen is flushed and, while recording, the
// primitive's PostScript is written with the unscaled geometry.
#include "vok/draw/bottlenecks.h"

#include <cstring>

#include "vok/draw/drawing_window.h"
#include "vok/draw/postscript.h"

namespace {
void toBuffer() { s_SetGWorld(s_drawingPort, nullptr); }
void toWindow() { s_SetGWorld(s_redrawPort, s_display); }

Rect scaled(const Rect* r) {
  Rect m = *r;
  MapRect(&m, &s_windowBounds, &s_redrawBounds);
  return m;
}

// The buffer fills with the window's fill pattern, which FillRect & co. set
// only in the window's port.
void shareFillPattern(GrafVerb verb) {
  if (verb != kQDGrafVerbFill) return;
  s_drawingPort->fillPat = s_redrawPort->fillPat;
  if (s_redrawPort->fillPixPat && s_drawingPort->fillPixPat)
    CopyPixPat(s_redrawPort->fillPixPat, s_drawingPort->fillPixPat);
}

// Lines and shapes feeding an open region or polygon are not drawn: they
// define a shape, so they write no PostScript and never reach the buffer.
bool defining(CGrafPtr port) { return port->rgnSave || port->polySave; }
bool recordingShape(CGrafPtr port) { return !defining(port); }

// Buffered mode: `unscaled` draws with the caller's geometry in the current
// port, `scaledDraw` with the geometry mapped to the window. A shape being
// defined in the window keeps the caller's (unscaled) coordinates, so that
// the finished region or polygon draws right in both ports later.
template <class Unscaled, class Scaled>
void drawTwice(GrafVerb verb, Unscaled unscaled, Scaled scaledDraw) {
  if (defining(s_redrawPort)) {
    unscaled();
    return;
  }
  shareFillPattern(verb);
  toBuffer();
  unscaled();
  toWindow();
  scaledDraw();
}

// The steps every shape bottleneck shares: draw (twice while mirroring), flush
// the screen, then write the PostScript unless the shape defines a region or
// polygon.
template <class Unscaled, class Scaled, class Record>
void mirrorFlushRecord(GrafVerb verb, Unscaled unscaled, Scaled scaledDraw, Record record) {
  if (s_Mirroring()) drawTwice(verb, unscaled, scaledDraw);
  else unscaled();
  s_FlushScreen();
  if (recordingShape(GetQDPort())) record();
}

// The shapes given by a rectangle: the window's copy is drawn in the scaled one.
template <class Draw, class Record>
void rectShape(GrafVerb verb, const Rect* r, Draw draw, Record record) {
  mirrorFlushRecord(
      verb, [&] { draw(r); },
      [&] {
        Rect m = scaled(r);
        draw(&m);
      },
      record);
}

// A scaled copy of the caller's polygon: mapping the caller's own polygon
// there and back would lose points under a non-integer scale.
PolyHandle scaledPolyCopy(PolyHandle poly) {
  short size = (*poly)->polySize;
  Handle h = NewHandle(size);
  if (!h) return nullptr;
  std::memcpy(*h, *poly, size_t(size));
  PolyHandle copy = reinterpret_cast<PolyHandle>(h);
  MapPoly(copy, &s_windowBounds, &s_redrawBounds);
  return copy;
}

RgnHandle scaledRgnCopy(RgnHandle rgn) {
  if (!rgn) return nullptr;
  RgnHandle copy = NewRgn();
  CopyRgn(rgn, copy);
  MapRgn(copy, &s_windowBounds, &s_redrawBounds);
  return copy;
}
// In buffered mode the window's pen is set from the buffer's before the
// window draws: LineTo leaves the window's pen at the unscaled end point.
void followBufferPen(Point bufferPen) {
  MapPt(&bufferPen, &s_windowBounds, &s_redrawBounds);
  GetQDPort()->pnLoc = bufferPen;
}
}  // namespace

void s_CustomText(short byteCount, const void* textBuf, Point numer, Point denom) {
  Point pen = s_UnscaledPort()->pnLoc;
  if (s_Mirroring()) {
    toBuffer();
    StdText(byteCount, textBuf, numer, denom);
    toWindow();
    followBufferPen(pen);
  }
  StdText(byteCount, textBuf, numer, denom);  // the window's port carries the scaled text size
  s_FlushScreen();
  if (recordingShape(GetQDPort())) s_PSText(pen, byteCount, textBuf);
}

void s_CustomLine(Point newPt) {
  CGrafPtr port = GetQDPort();
  bool visible = port->pnVis >= 0 && recordingShape(port);
  if (s_Mirroring()) {
    if (defining(port)) {
      // The buffer's pen follows without drawing; the shape keeps the caller's point.
      toBuffer();
      MoveTo(newPt.h, newPt.v);
      toWindow();
      StdLine(newPt);
    } else {
      if (s_drawBackLineFlag == 1) {
        Point from = s_drawingPort->pnLoc;
        toBuffer();
        StdLine(newPt);
        toWindow();
        followBufferPen(from);
      }
      Point p = newPt;
      MapPt(&p, &s_windowBounds, &s_redrawBounds);
      StdLine(p);
    }
  } else {
    StdLine(newPt);
  }
  s_FlushScreen();
  if (visible) s_PSLine(newPt);
}

void s_CustomRect(GrafVerb verb, const Rect* r) {
  rectShape(verb, r, [&](const Rect* at) { StdRect(verb, at); }, [&] { s_PSRect(verb, r); });
}

// Corner sizes stay unscaled.
void s_CustomRRect(GrafVerb verb, const Rect* r, short ovalWidth, short ovalHeight) {
  rectShape(verb, r, [&](const Rect* at) { StdRRect(verb, at, ovalWidth, ovalHeight); },
            [&] { s_PSRRect(verb, r, ovalWidth, ovalHeight); });
}

void s_CustomOval(GrafVerb verb, const Rect* r) {
  rectShape(verb, r, [&](const Rect* at) { StdOval(verb, at); }, [&] { s_PSOval(verb, r); });
}

void s_CustomArc(GrafVerb verb, const Rect* r, short startAngle, short arcAngle) {
  rectShape(verb, r, [&](const Rect* at) { StdArc(verb, at, startAngle, arcAngle); },
            [&] { s_PSArc(verb, r, startAngle, arcAngle); });
}

void s_CustomPoly(GrafVerb verb, PolyHandle poly) {
  if (!poly || !*poly) return;
  mirrorFlushRecord(
      verb, [&] { StdPoly(verb, poly); },
      [&] {
        PolyHandle copy = scaledPolyCopy(poly);
        if (!copy) return;
        StdPoly(verb, copy);
        DisposeHandle(reinterpret_cast<Handle>(copy));
      },
      [&] { s_PSPoly(verb, poly); });
}

// Regions have no PostScript form.
void s_CustomRgn(GrafVerb verb, RgnHandle rgn) {
  mirrorFlushRecord(
      verb, [&] { StdRgn(verb, rgn); },
      [&] {
        RgnHandle copy = scaledRgnCopy(rgn);
        StdRgn(verb, copy);
        if (copy) DisposeRgn(copy);
      },
      [] {});
}

// Pixel copies have no PostScript form. A copy out of the window itself (a
// scroll) reads the buffer for the buffer's drawing and the window, mapped,
// for the window's; any other source is read with its own rectangle.
void s_CustomBits(const BitMap* srcBits, const Rect* srcRect, const Rect* dstRect, short mode, RgnHandle maskRgn) {
  if (s_Mirroring()) {
    bool fromWindow = srcBits && srcBits->baseAddr == s_redrawPort->portPixMap.baseAddr;
    toBuffer();
    StdBits(fromWindow ? GetPortBitMapForCopyBits(s_drawingPort) : srcBits, srcRect, dstRect, mode, maskRgn);
    toWindow();
    Rect src = fromWindow ? scaled(srcRect) : *srcRect;
    Rect dst = scaled(dstRect);
    RgnHandle mask = scaledRgnCopy(maskRgn);
    StdBits(srcBits, &src, &dst, mode, mask);
    if (mask) DisposeRgn(mask);
  } else {
    StdBits(srcBits, srcRect, dstRect, mode, maskRgn);
  }
  s_FlushScreen();
}
