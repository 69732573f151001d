// Replaying pictures: the opcodes are read back and drawn through the
// current port's bottlenecks, mapped from the picture's frame onto the
// destination rectangle. The port's own state is restored afterwards and the
// picture's clip only narrows the caller's. Replay stops at the end opcode,
// at an opcode it does not know, or at data that runs short.
#include <algorithm>
#include <cstring>

#include "platform/gfx/gfx_internal.h"
#include "platform/gfx/picture_format.h"

using namespace vokpict;

namespace {
// The port state a picture may change.
class SavedState {
 public:
  explicit SavedState(GrafPort* port) : port_(port) {
    GetPenState(&pen_);
    GetForeColor(&fg_);
    GetBackColor(&bk_);
    bkPat_ = port->bkPat;
    fillPat_ = port->fillPat;
    font_ = port->txFont;
    face_ = port->txFace;
    size_ = port->txSize;
    mode_ = port->txMode;
    extra_ = port->spExtra;
    clip_ = NewRgn();
    GetClip(clip_);
  }
  ~SavedState() {
    SetPenState(&pen_);
    RGBForeColor(&fg_);
    RGBBackColor(&bk_);
    BackPat(&bkPat_);
    port_->fillPat = fillPat_;
    TextFont(font_);
    TextFace(face_);
    TextSize(size_);
    TextMode(mode_);
    SpaceExtra(extra_);
    SetClip(clip_);
    DisposeRgn(clip_);
  }
  RgnHandle clip() const { return clip_; }
  SavedState(const SavedState&) = delete;
  SavedState& operator=(const SavedState&) = delete;

 private:
  GrafPort* port_;
  PenState pen_;
  RGBColor fg_, bk_;
  Pattern bkPat_, fillPat_;
  short font_, face_, size_, mode_;
  Fixed extra_;
  RgnHandle clip_;
};

class Player {
 public:
  Player(GrafPort* port, const Rect& frame, const Rect& dst, RgnHandle callerClip)
      : port_(port), frame_(frame), dst_(dst), callerClip_(callerClip) {}

  void run(Reader& r) {
    while (r.ok() && !r.atEnd()) {
      r.pad();
      uint16_t op = r.u16();
      if (!r.ok() || op == kOpEnd || !step(op, r)) return;
    }
  }

 private:
  Point map(Point p) const {
    MapPt(&p, &frame_, &dst_);
    return p;
  }
  Rect map(Rect r) const {
    MapRect(&r, &frame_, &dst_);
    return r;
  }
  short scaleH(short v) const { return scaleBy(v, frame_.right - frame_.left, dst_.right - dst_.left); }
  short scaleV(short v) const { return scaleBy(v, frame_.bottom - frame_.top, dst_.bottom - dst_.top); }
  static short scaleBy(short v, int from, int to) {
    if (from <= 0 || from == to) return v;
    long s = long(v) * to / from;
    if (v > 0 && s < 1) s = 1;
    return short(std::clamp<long>(s, -32768, 32767));
  }

  static Pattern readPattern(Reader& r) {
    Pattern p{};
    for (auto& b : p.pat) b = r.u8();
    return p;
  }
  static RGBColor readColor(Reader& r) {
    RGBColor c;
    c.red = r.u16();
    c.green = r.u16();
    c.blue = r.u16();
    return c;
  }

  // Frame, paint, erase, invert or fill of one shape.
  template <class Frame, class Paint, class Erase, class Invert, class Fill>
  void verb(int v, Frame fr, Paint pa, Erase er, Invert in, Fill fi) {
    switch (v) {
      case 0: fr(); break;
      case 1: pa(); break;
      case 2: er(); break;
      case 3: in(); break;
      case 4: fi(); break;
      default: break;
    }
  }

  void drawRect(int v, const Rect& r) {
    Rect m = map(r);
    verb(v, [&] { FrameRect(&m); }, [&] { PaintRect(&m); }, [&] { EraseRect(&m); }, [&] { InvertRect(&m); },
         [&] { FillRect(&m, &fillPat_); });
  }
  void drawRRect(int v, const Rect& r) {
    Rect m = map(r);
    short w = scaleH(ovSize_.h), h = scaleV(ovSize_.v);
    verb(v, [&] { FrameRoundRect(&m, w, h); }, [&] { PaintRoundRect(&m, w, h); }, [&] { EraseRoundRect(&m, w, h); },
         [&] { InvertRoundRect(&m, w, h); }, [&] { FillRoundRect(&m, w, h, &fillPat_); });
  }
  void drawOval(int v, const Rect& r) {
    Rect m = map(r);
    verb(v, [&] { FrameOval(&m); }, [&] { PaintOval(&m); }, [&] { EraseOval(&m); }, [&] { InvertOval(&m); },
         [&] { FillOval(&m, &fillPat_); });
  }
  void drawArc(int v, const Rect& r, short a, short b) {
    Rect m = map(r);
    verb(v, [&] { FrameArc(&m, a, b); }, [&] { PaintArc(&m, a, b); }, [&] { EraseArc(&m, a, b); },
         [&] { InvertArc(&m, a, b); }, [&] { FillArc(&m, a, b, &fillPat_); });
  }
  bool drawPoly(int v, Reader& r) {
    uint16_t size = r.u16();
    if (!r.ok() || size < 10 || (size - 10) % 4 || !r.need(size_t(size) - 2)) return false;
    Handle h = NewHandle(Size(size) + 4);
    if (!h) return false;
    auto poly = reinterpret_cast<PolyHandle>(h);
    (*poly)->polySize = short(size);
    (*poly)->polyBBox = r.rect();
    for (int i = 0; i < (size - 10) / 4; ++i) (*poly)->polyPoints[i] = r.point();
    MapPoly(poly, &frame_, &dst_);
    verb(v, [&] { FramePoly(poly); }, [&] { PaintPoly(poly); }, [&] { ErasePoly(poly); }, [&] { InvertPoly(poly); },
         [&] { FillPoly(poly, &fillPat_); });
    KillPoly(poly);
    return true;
  }
  // The picture's region mapped onto the destination.
  RgnHandle mappedRegion(Reader& r) {
    RgnHandle rgn = NewRgn();
    if (!readRegion(r, rgn)) {
      DisposeRgn(rgn);
      return nullptr;
    }
    MapRgn(rgn, &frame_, &dst_);
    return rgn;
  }
  bool drawRgn(int v, Reader& r) {
    RgnHandle rgn = mappedRegion(r);
    if (!rgn) return false;
    verb(v, [&] { FrameRgn(rgn); }, [&] { PaintRgn(rgn); }, [&] { EraseRgn(rgn); }, [&] { InvertRgn(rgn); },
         [&] { FillRgn(rgn, &fillPat_); });
    DisposeRgn(rgn);
    return true;
  }
  bool setClip(Reader& r) {
    RgnHandle rgn = mappedRegion(r);
    if (!rgn) return false;
    SectRgn(rgn, callerClip_, rgn);
    SetClip(rgn);
    DisposeRgn(rgn);
    return true;
  }
  bool drawText(Reader& r, Point at) {
    uint8_t n = r.u8();
    if (!r.need(n)) return false;
    Point m = map(at);
    MoveTo(m.h, m.v);
    Point numer{1, 1}, denom{1, 1};
    vokgfx::procsOf(port_)->textProc(n, r.here(), numer, denom);
    r.skip(n);
    return true;
  }
  bool drawBits(Reader& r, bool withMask) {
    DirectBits bits;
    if (!readDirectBits(r, withMask, &bits)) return false;
    PixMap pm{};
    pm.baseAddr = bits.pixels.data();
    pm.rowPixels = bits.bounds.right - bits.bounds.left;
    pm.bounds = bits.bounds;
    pm.pixelSize = 32;
    Rect d = map(bits.dstRect);
    RgnHandle mask = nullptr;
    if (withMask) {
      mask = NewRgn();
      CopyRgn(&bits.mask, mask);
      MapRgn(mask, &frame_, &dst_);
    }
    CopyBits(&pm, GetPortBitMapForCopyBits(port_), &bits.srcRect, &d, bits.mode, mask);
    if (mask) DisposeRgn(mask);
    return true;
  }
  bool comment(Reader& r, bool withData) {
    short kind = r.i16();
    QDCommentProcPtr proc = vokgfx::procsOf(port_)->commentProc;
    if (!withData) {
      if (r.ok()) proc(kind, 0, nullptr);
      return r.ok();
    }
    uint16_t size = r.u16();
    if (!r.need(size)) return false;
    Handle h = NewHandle(Size(size));
    if (h && size) std::memcpy(*h, r.here(), size);
    r.skip(size);
    proc(kind, short(size), h);
    if (h) DisposeHandle(h);
    return true;
  }

  // One opcode; false stops the replay.
  bool step(uint16_t op, Reader& r) {
    if (op >= kOpRectBase && op < kOpRectBase + 5) return drawRect(op - kOpRectBase, lastRect_ = r.rect()), r.ok();
    if (op >= kOpRectBase + 8 && op < kOpRectBase + 13) return drawRect(op - kOpRectBase - 8, lastRect_), true;
    if (op >= kOpRRectBase && op < kOpRRectBase + 5) return drawRRect(op - kOpRRectBase, lastRect_ = r.rect()), r.ok();
    if (op >= kOpRRectBase + 8 && op < kOpRRectBase + 13) return drawRRect(op - kOpRRectBase - 8, lastRect_), true;
    if (op >= kOpOvalBase && op < kOpOvalBase + 5) return drawOval(op - kOpOvalBase, lastRect_ = r.rect()), r.ok();
    if (op >= kOpOvalBase + 8 && op < kOpOvalBase + 13) return drawOval(op - kOpOvalBase - 8, lastRect_), true;
    if (op >= kOpArcBase && op < kOpArcBase + 5) {
      lastRect_ = r.rect();
      short a = r.i16(), b = r.i16();
      return r.ok() && (drawArc(op - kOpArcBase, lastRect_, a, b), true);
    }
    if (op >= kOpPolyBase && op < kOpPolyBase + 5) return drawPoly(op - kOpPolyBase, r);
    if (op >= kOpRgnBase && op < kOpRgnBase + 5) return drawRgn(op - kOpRgnBase, r);
    switch (op) {
      case kOpNop: return true;
      case kOpHeader: return r.skip(24), r.ok();
      case kOpVersion: return r.skip(2), r.ok();
      case kOpDefHilite: return true;
      case kOpClip: return setClip(r);
      case kOpBkPat: {
        Pattern p = readPattern(r);
        BackPat(&p);
        return r.ok();
      }
      case kOpPnPat: {
        Pattern p = readPattern(r);
        PenPat(&p);
        return r.ok();
      }
      case kOpFillPat: return fillPat_ = readPattern(r), r.ok();
      case kOpPnSize: {
        Point p = r.point();
        PenSize(scaleH(p.h), scaleV(p.v));
        return r.ok();
      }
      case kOpPnMode: return PenMode(r.i16()), r.ok();
      case kOpOvSize: return ovSize_ = r.point(), r.ok();
      case kOpTxFont: return TextFont(r.i16()), r.ok();
      case kOpTxFace: {
        short face = r.u8();
        r.pad();
        TextFace(face);
        return r.ok();
      }
      case kOpTxMode: return TextMode(r.i16()), r.ok();
      case kOpTxSize: return TextSize(scaleV(r.i16())), r.ok();
      case kOpSpExtra: return SpaceExtra(Fixed(r.u32())), r.ok();
      case kOpRGBFgCol: {
        RGBColor c = readColor(r);
        RGBForeColor(&c);
        return r.ok();
      }
      case kOpRGBBkCol: {
        RGBColor c = readColor(r);
        RGBBackColor(&c);
        return r.ok();
      }
      case kOpLine: {
        Point a = map(r.point()), b = map(r.point());
        if (!r.ok()) return false;
        MoveTo(a.h, a.v);
        LineTo(b.h, b.v);
        return true;
      }
      case kOpLongText: {
        Point at = r.point();
        return r.ok() && drawText(r, at);
      }
      case kOpDirectBitsRect: return drawBits(r, false);
      case kOpDirectBitsRgn: return drawBits(r, true);
      case kOpShortComment: return comment(r, false);
      case kOpLongComment: return comment(r, true);
      default: return false;  // not one of ours
    }
  }

  GrafPort* port_;
  Rect frame_, dst_;
  RgnHandle callerClip_;
  Rect lastRect_{};
  Point ovSize_{};
  Pattern fillPat_{};
};
}  // namespace

Rect* QDGetPictureBounds(PicHandle pic, Rect* bounds) {
  if (!bounds) return bounds;
  *bounds = Rect{0, 0, 0, 0};
  if (!pic || !*pic || GetHandleSize(reinterpret_cast<Handle>(pic)) < Size(sizeof(Picture))) return bounds;
  Reader r(reinterpret_cast<const uint8_t*>(*pic), sizeof(Picture));
  r.u16();
  *bounds = r.rect();
  return bounds;
}

void DrawPicture(PicHandle pic, const Rect* dstRect) {
  if (!pic || !*pic || !dstRect) return;
  Size size = GetHandleSize(reinterpret_cast<Handle>(pic));
  if (size < Size(sizeof(Picture)) + 4) return;
  Reader r(reinterpret_cast<const uint8_t*>(*pic), size_t(size));
  r.u16();  // picSize: only the low 16 bits of the length
  Rect frame = r.rect();
  if (r.u16() != kOpVersion || r.u16() != kOpVersion2) return;
  if (EmptyRect(&frame) || EmptyRect(dstRect)) return;
  GrafPort* port = GetQDPort();
  SavedState saved(port);
  Player(port, frame, *dstRect, saved.clip()).run(r);
}
