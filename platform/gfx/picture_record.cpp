// Recording pictures. While a picture is open on a port, every primitive
// reaching the port's bottlenecks is written as version-2 opcodes. State
// (clip, pen, patterns, colours, text) is compared with what was written
// last and written again only when it changed, just before the primitive
// that uses it, so the picture replays the same however the state was set.
#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/gfx/gfx_internal.h"
#include "platform/gfx/picture_format.h"

using namespace vokpict;

namespace {
constexpr size_t kMaxRegionBytes = 32766;  // a region's size word is signed
constexpr int kMaxTextRun = 255;           // the text opcodes count in one byte

void writeHeader(Writer& w, const Rect& frame) {
  w.u16(0);  // picSize, set on close
  w.rect(frame);
  w.u16(kOpVersion);
  w.u16(kOpVersion2);
  w.u16(kOpHeader);
  w.u16(0xFFFE);  // extended version 2 header
  w.u16(0);
  w.u32(0x00480000);  // 72 dpi
  w.u32(0x00480000);
  w.rect(frame);
  w.u32(0);
  w.u16(kOpDefHilite);
}

struct Recorded {  // the state the picture holds so far
  bool valid = false;
  Pattern pnPat{}, bkPat{}, fillPat{};
  Point pnSize{}, ovSize{};
  short pnMode = 0, txFont = 0, txFace = 0, txMode = 0, txSize = 0;
  Fixed spExtra = 0;
  RGBColor fg{}, bk{};
  bool textValid = false, ovValid = false;
  OpaqueRgn clip;
  short clipDh = 0, clipDv = 0;
};

class Recorder final : public PictureRecorder {
 public:
  Recorder(GrafPort* port, PicHandle handle, const Rect& frame)
      : port_(port), handle_(handle), origin_(port->origin) {
    writeHeader(w_, frame);
    vokgfx::rgnSetRect(&last_.clip, vokgfx::kCoordMin, vokgfx::kCoordMin, vokgfx::kCoordMax, vokgfx::kCoordMax);
  }
  GrafPort* port() const { return port_; }
  PicHandle handle() const { return handle_; }
  void detach() {
    if (port_ && port_->picSave == this) port_->picSave = nullptr;
    port_ = nullptr;
  }
  // Writes the end opcode and hands the bytes to the picture's block.
  void finish() {
    w_.u16(kOpEnd);
    std::vector<uint8_t>& b = w_.bytes();
    b[0] = uint8_t(b.size() >> 8);
    b[1] = uint8_t(b.size());
    Handle h = reinterpret_cast<Handle>(handle_);
    SetHandleSize(h, Size(b.size()));
    if (GetHandleSize(h) != Size(b.size())) return;  // out of memory: the picture stays empty
    std::memcpy(*h, b.data(), b.size());
  }

  void line(GrafPort* port, Point from, Point to) override {
    if (defining(port)) return;
    sync(port, false);
    w_.u16(kOpLine);
    w_.point(shift(from));
    w_.point(shift(to));
  }
  void rect(GrafPort* port, GrafVerb verb, const Rect& r) override {
    if (verb != kQDGrafVerbFrame || !defining(port)) shape(port, kOpRectBase + verb, r);
  }
  void rRect(GrafPort* port, GrafVerb verb, const Rect& r, short ovalWidth, short ovalHeight) override {
    if (verb == kQDGrafVerbFrame && defining(port)) return;
    Point ov{ovalHeight, ovalWidth};
    if (!last_.ovValid || ov.h != last_.ovSize.h || ov.v != last_.ovSize.v) {
      w_.u16(kOpOvSize);
      w_.point(ov);
      last_.ovSize = ov;
      last_.ovValid = true;
    }
    shape(port, kOpRRectBase + verb, r);
  }
  void oval(GrafPort* port, GrafVerb verb, const Rect& r) override {
    if (verb != kQDGrafVerbFrame || !defining(port)) shape(port, kOpOvalBase + verb, r);
  }
  void arc(GrafPort* port, GrafVerb verb, const Rect& r, short startAngle, short arcAngle) override {
    if (verb == kQDGrafVerbFrame && defining(port)) return;
    shape(port, kOpArcBase + verb, r);
    w_.i16(startAngle);
    w_.i16(arcAngle);
  }
  void poly(GrafPort* port, GrafVerb verb, PolyHandle poly) override {
    int n = PolyPointCount(poly);
    if (n <= 0 || (verb == kQDGrafVerbFrame && defining(port))) return;
    sync(port, false);
    w_.u16(uint16_t(kOpPolyBase + verb));
    w_.u16(uint16_t(10 + 4 * n));
    w_.rect(shift((*poly)->polyBBox));
    for (int i = 0; i < n; ++i) w_.point(shift((*poly)->polyPoints[i]));
  }
  void rgn(GrafPort* port, GrafVerb verb, RgnHandle rgn) override {
    if (!rgn || (verb == kQDGrafVerbFrame && defining(port))) return;
    sync(port, false);
    writeRegionOp(verb, *rgn, 0, rgn->bands.size());
  }
  void text(GrafPort* port, short byteCount, const void* textBuf, Point, Point) override {
    if (byteCount <= 0 || !textBuf) return;
    sync(port, true);
    const auto* s = static_cast<const char*>(textBuf);
    Point at = shift(port->pnLoc);
    QDTxMeasProcPtr measure = vokgfx::procsOf(port)->txMeasProc;
    for (int done = 0; done < byteCount;) {
      int n = std::min(kMaxTextRun, byteCount - done);
      w_.u16(kOpLongText);
      w_.point(at);
      w_.u8(uint8_t(n));
      w_.raw(s + done, size_t(n));
      w_.pad();
      done += n;
      if (done < byteCount) {  // later runs start where this one ends
        if (!measure) break;
        Point numer{1, 1}, denom{1, 1};
        at.h = short(at.h + measure(short(n), s + done - n, &numer, &denom, nullptr));
      }
    }
  }
  void bits(GrafPort* port, const BitMap* srcBits, const Rect& srcRect, const Rect& dstRect, short mode,
            RgnHandle maskRgn) override {
    if (!srcBits) return;
    sync(port, false);
    writeDirectBits(w_, *srcBits, srcRect, dstRect, mode, maskRgn, dh(), dv());
  }
  void comment(GrafPort* /*port*/, short kind, short dataSize, Handle dataHandle) override {
    if (dataSize <= 0 || !dataHandle || !*dataHandle) {
      w_.u16(kOpShortComment);
      w_.i16(kind);
      return;
    }
    dataSize = short(std::min<Size>(dataSize, GetHandleSize(dataHandle)));
    w_.u16(kOpLongComment);
    w_.i16(kind);
    w_.i16(dataSize);
    w_.raw(*dataHandle, size_t(dataSize));
    w_.pad();
  }

 private:
  short dh() const { return short(origin_.h - port_->origin.h); }
  short dv() const { return short(origin_.v - port_->origin.v); }
  Point shift(Point p) const { return Point{short(p.v + dv()), short(p.h + dh())}; }
  Rect shift(const Rect& r) const {
    return Rect{short(r.top + dv()), short(r.left + dh()), short(r.bottom + dv()), short(r.right + dh())};
  }

  // Lines and frames that define an open polygon or region behind a hidden
  // pen: the screen never shows them, so the picture leaves them out (a
  // shown pen draws them, and then they are recorded).
  static bool defining(const GrafPort* port) { return (port->polySave || port->rgnSave) && port->pnVis < 0; }

  // The state, then a shape's opcode and rectangle.
  void shape(GrafPort* port, int op, const Rect& r) {
    sync(port, false);
    w_.u16(uint16_t(op));
    w_.rect(shift(r));
  }

  // A region too large for one opcode goes as several, band by band.
  void writeRegionOp(GrafVerb verb, const OpaqueRgn& rgn, size_t b0, size_t b1) {
    OpaqueRgn part;
    const OpaqueRgn* piece = &rgn;
    if (b0 != 0 || b1 != rgn.bands.size()) {
      vokgfx::RgnWriter out;
      for (size_t i = b0; i < b1; ++i) {
        const auto& b = rgn.bands[i];
        out.band(b.top, b.bottom, rgn.xs.data() + b.first, 2 * b.count);
      }
      out.finish(&part);
      piece = &part;
    }
    if (regionDataSize(*piece) > kMaxRegionBytes && b1 - b0 > 1) {
      size_t mid = b0 + (b1 - b0) / 2;
      writeRegionOp(verb, rgn, b0, mid);
      writeRegionOp(verb, rgn, mid, b1);
      return;
    }
    w_.u16(uint16_t(kOpRgnBase + verb));
    writeRegion(w_, *piece, dh(), dv());
  }

  void syncClip(GrafPort* port) {
    if (!port->clipRgn) return;
    if (last_.clipDh == dh() && last_.clipDv == dv() && EqualRgn(port->clipRgn, &last_.clip)) return;
    CopyRgn(port->clipRgn, &last_.clip);
    last_.clipDh = dh();
    last_.clipDv = dv();
    // Written within the 16-bit range after the shift; a clip too complex
    // for one region opcode is kept as its bounding box.
    OpaqueRgn clip;
    Rect wide{short(vokgfx::kCoordMin + std::max(0, -int(dv()))), short(vokgfx::kCoordMin + std::max(0, -int(dh()))),
              short(vokgfx::kCoordMax - std::max(0, int(dv()))), short(vokgfx::kCoordMax - std::max(0, int(dh())))};
    RectRgn(&clip, &wide);
    SectRgn(port->clipRgn, &clip, &clip);
    if (regionDataSize(clip) > kMaxRegionBytes) vokgfx::rgnSetRect(&clip, clip.left, clip.top, clip.right, clip.bottom);
    w_.u16(kOpClip);
    writeRegion(w_, clip, dh(), dv());
  }

  template <class T>
  bool changed(T& last, const T& now) {
    if (last_.valid && std::memcmp(&last, &now, sizeof(T)) == 0) return false;
    last = now;
    return true;
  }

  void syncPattern(uint16_t op, Pattern& last, const Pattern& now) {
    if (!changed(last, now)) return;
    w_.u16(op);
    w_.raw(now.pat, 8);
  }
  void syncColor(uint16_t op, RGBColor& last, const RGBColor& now) {
    if (!changed(last, now)) return;
    w_.u16(op);
    w_.u16(now.red);
    w_.u16(now.green);
    w_.u16(now.blue);
  }
  void syncWord(uint16_t op, short& last, short now) {
    if (!changed(last, now)) return;
    w_.u16(op);
    w_.i16(now);
  }

  void sync(GrafPort* port, bool withText) {
    syncClip(port);
    if (changed(last_.pnSize, port->pnSize)) {
      w_.u16(kOpPnSize);
      w_.point(port->pnSize);
    }
    syncWord(kOpPnMode, last_.pnMode, port->pnMode);
    syncPattern(kOpPnPat, last_.pnPat, port->pnPat);
    syncPattern(kOpBkPat, last_.bkPat, port->bkPat);
    syncPattern(kOpFillPat, last_.fillPat, port->fillPat);
    syncColor(kOpRGBFgCol, last_.fg, port->rgbFgColor);
    syncColor(kOpRGBBkCol, last_.bk, port->rgbBkColor);
    if (withText) syncText(port);
    last_.valid = true;
  }

  void syncText(GrafPort* port) {
    bool all = !last_.textValid;
    if (all || port->txFont != last_.txFont) {
      w_.u16(kOpTxFont);
      w_.i16(port->txFont);
    }
    if (all || port->txFace != last_.txFace) {
      w_.u16(kOpTxFace);
      w_.u8(uint8_t(port->txFace));
      w_.pad();
    }
    if (all || port->txMode != last_.txMode) {
      w_.u16(kOpTxMode);
      w_.i16(port->txMode);
    }
    if (all || port->txSize != last_.txSize) {
      w_.u16(kOpTxSize);
      w_.i16(port->txSize);
    }
    if (all || port->spExtra != last_.spExtra) {
      w_.u16(kOpSpExtra);
      w_.u32(uint32_t(port->spExtra));
    }
    last_.txFont = port->txFont;
    last_.txFace = port->txFace;
    last_.txMode = port->txMode;
    last_.txSize = port->txSize;
    last_.spExtra = port->spExtra;
    last_.textValid = true;
  }

  GrafPort* port_;
  PicHandle handle_;
  Point origin_;  // the port's origin when the picture was opened
  Writer w_;
  Recorded last_;
};

// Open recordings, so that KillPicture of an open picture can stop it.
std::vector<Recorder*>& openRecorders() {
  static std::vector<Recorder*> all;
  return all;
}

Recorder* recorderOf(GrafPort* port) {
  for (Recorder* r : openRecorders())
    if (r->port() == port) return r;
  return nullptr;
}

void forget(Recorder* r) {
  auto& all = openRecorders();
  all.erase(std::remove(all.begin(), all.end(), r), all.end());
  r->detach();
  delete r;
}
}  // namespace

// One picture per port at a time: opening another while one records gives null.
PicHandle OpenPicture(const Rect* picFrame) {
  if (!picFrame) return nullptr;
  GrafPort* port = GetQDPort();
  if (port->picSave) return nullptr;
  // Until closed the block holds an empty picture of the frame.
  Writer empty;
  writeHeader(empty, *picFrame);
  empty.u16(kOpEnd);
  empty.bytes()[1] = uint8_t(empty.size());
  Handle h = NewHandle(Size(empty.size()));
  if (!h) return nullptr;
  std::memcpy(*h, empty.bytes().data(), empty.size());
  auto pic = reinterpret_cast<PicHandle>(h);
  auto* rec = new Recorder(port, pic, *picFrame);
  openRecorders().push_back(rec);
  port->picSave = rec;
  HidePen();  // recorded, not shown, unless the caller shows the pen again
  return pic;
}

void ClosePicture() {
  GrafPort* port = GetQDPort();
  Recorder* rec = recorderOf(port);
  if (!rec) return;
  rec->finish();
  forget(rec);
  ShowPen();
}

void KillPicture(PicHandle pic) {
  if (!pic) return;
  for (Recorder* r : openRecorders()) {
    if (r->handle() != pic) continue;
    GrafPort* port = r->port();
    forget(r);
    if (port) {  // the hidden pen of the recording is given back
      GrafPort* saved = GetQDPort();
      SetPort(port);
      ShowPen();
      SetPort(saved);
    }
    break;
  }
  DisposeHandle(reinterpret_cast<Handle>(pic));
}
