// Pictures: recorded drawing. While port->picSave is set, every standard
// bottleneck of that port hands its primitive to the recorder before drawing
// it, and the state setters report pen, colour, text and clip changes. The
// recorder (and the picture format) lives with the picture code; the drawing
// layer only knows this interface.
#pragma once
#include "platform/gfx/gfx.h"

struct PictureRecorder {
  virtual ~PictureRecorder() = default;
  // Primitives, in the drawing port's local coordinates, as the bottlenecks get them.
  virtual void line(GrafPort* port, Point from, Point to) = 0;
  virtual void rect(GrafPort* port, GrafVerb verb, const Rect& r) = 0;
  virtual void rRect(GrafPort* port, GrafVerb verb, const Rect& r, short ovalWidth, short ovalHeight) = 0;
  virtual void oval(GrafPort* port, GrafVerb verb, const Rect& r) = 0;
  virtual void arc(GrafPort* port, GrafVerb verb, const Rect& r, short startAngle, short arcAngle) = 0;
  virtual void poly(GrafPort* port, GrafVerb verb, PolyHandle poly) = 0;
  virtual void rgn(GrafPort* port, GrafVerb verb, RgnHandle rgn) = 0;
  // Text at the port's pen location (called by the text bottleneck).
  virtual void text(GrafPort* port, short byteCount, const void* textBuf, Point numer, Point denom) = 0;
  virtual void bits(GrafPort* port, const BitMap* srcBits, const Rect& srcRect, const Rect& dstRect, short mode,
                    RgnHandle maskRgn) = 0;
  virtual void comment(GrafPort* port, short kind, short dataSize, Handle dataHandle) = 0;
  // State changes of the port (read the new values from it).
  virtual void penChanged(GrafPort* /*port*/) {}    // size, mode, pattern
  virtual void colorChanged(GrafPort* /*port*/) {}  // fore or back colour, back pattern
  virtual void textChanged(GrafPort* /*port*/) {}   // font, face, size, mode, space extra
  virtual void clipChanged(GrafPort* /*port*/) {}   // clipRgn or origin
};

// A picture is a relocatable block holding the standard picture bytes
// (big-endian, as a picture file stores them after its 512-byte header):
// this header, then the opcodes; the block's size (GetHandleSize) is the
// picture's length. Read the frame with QDGetPictureBounds, not the field.
struct Picture {
  short picSize;  // low 16 bits of the length
  Rect picFrame;
};
typedef Picture* PicPtr;
typedef PicPtr* PicHandle;

PicHandle OpenPicture(const Rect* picFrame);  // records the current port's drawing
void ClosePicture();
void DrawPicture(PicHandle pic, const Rect* dstRect);  // replays through the current port's bottlenecks
void KillPicture(PicHandle pic);
Rect* QDGetPictureBounds(PicHandle pic, Rect* bounds);  // the frame; empty for a broken picture
