// The picture format (version 2): big-endian words, every opcode a word at
// an even offset, data padded to an even length. Shared by the recorder,
// the replay and the pixel-map and region codecs.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/gfx/gfx.h"
#include "platform/gfx/region_impl.h"

namespace vokpict {

enum Op : uint16_t {
  kOpNop = 0x0000,
  kOpClip = 0x0001,
  kOpBkPat = 0x0002,
  kOpTxFont = 0x0003,
  kOpTxFace = 0x0004,
  kOpTxMode = 0x0005,
  kOpSpExtra = 0x0006,
  kOpPnSize = 0x0007,
  kOpPnMode = 0x0008,
  kOpPnPat = 0x0009,
  kOpFillPat = 0x000A,
  kOpOvSize = 0x000B,
  kOpOrigin = 0x000C,
  kOpTxSize = 0x000D,
  kOpFgColor = 0x000E,
  kOpBkColor = 0x000F,
  kOpTxRatio = 0x0010,
  kOpVersion = 0x0011,
  kOpRGBFgCol = 0x001A,
  kOpRGBBkCol = 0x001B,
  kOpHiliteMode = 0x001C,
  kOpHiliteColor = 0x001D,
  kOpDefHilite = 0x001E,
  kOpOpColor = 0x001F,
  kOpLine = 0x0020,
  kOpLineFrom = 0x0021,
  kOpShortLine = 0x0022,
  kOpShortLineFrom = 0x0023,
  kOpLongText = 0x0028,
  kOpDHText = 0x0029,
  kOpDVText = 0x002A,
  kOpDHDVText = 0x002B,
  kOpFontName = 0x002C,
  kOpRectBase = 0x0030,   // + verb; + 8 for the "same" forms
  kOpRRectBase = 0x0040,
  kOpOvalBase = 0x0050,
  kOpArcBase = 0x0060,
  kOpPolyBase = 0x0070,
  kOpRgnBase = 0x0080,
  kOpBitsRect = 0x0090,
  kOpBitsRgn = 0x0091,
  kOpPackBitsRect = 0x0098,
  kOpPackBitsRgn = 0x0099,
  kOpDirectBitsRect = 0x009A,
  kOpDirectBitsRgn = 0x009B,
  kOpShortComment = 0x00A0,
  kOpLongComment = 0x00A1,
  kOpEnd = 0x00FF,
  kOpHeader = 0x0C00,
  kOpVersion2 = 0x02FF,  // the version opcode's data in version 2
};

// Appends big-endian data.
class Writer {
 public:
  std::vector<uint8_t>& bytes() { return b_; }
  size_t size() const { return b_.size(); }
  void u8(uint8_t v) { b_.push_back(v); }
  void u16(uint16_t v) {
    u8(uint8_t(v >> 8));
    u8(uint8_t(v));
  }
  void u32(uint32_t v) {
    u16(uint16_t(v >> 16));
    u16(uint16_t(v));
  }
  void i16(int v) { u16(uint16_t(int16_t(v))); }
  void point(Point p) {
    i16(p.v);
    i16(p.h);
  }
  void rect(const Rect& r) {
    i16(r.top);
    i16(r.left);
    i16(r.bottom);
    i16(r.right);
  }
  void raw(const void* p, size_t n) {
    const auto* s = static_cast<const uint8_t*>(p);
    b_.insert(b_.end(), s, s + n);
  }
  void pad() {
    if (b_.size() & 1) u8(0);
  }

 private:
  std::vector<uint8_t> b_;
};

// Reads big-endian data from untrusted bytes: once anything runs past the
// end the reader is failed and every further read gives zero.
class Reader {
 public:
  Reader(const uint8_t* p, size_t n) : p_(p), n_(n) {}
  bool ok() const { return ok_; }
  bool atEnd() const { return pos_ >= n_; }
  size_t pos() const { return pos_; }
  size_t left() const { return ok_ ? n_ - pos_ : 0; }
  const uint8_t* here() const { return p_ + pos_; }
  bool need(size_t k) {
    if (!ok_ || k > n_ - pos_) ok_ = false;
    return ok_;
  }
  void skip(size_t k) {
    if (need(k)) pos_ += k;
  }
  uint8_t u8() { return need(1) ? p_[pos_++] : 0; }
  uint16_t u16() {
    if (!need(2)) return 0;
    uint16_t v = uint16_t(p_[pos_] << 8 | p_[pos_ + 1]);
    pos_ += 2;
    return v;
  }
  uint32_t u32() {
    uint32_t hi = u16();
    return hi << 16 | u16();
  }
  short i16() { return short(int16_t(u16())); }
  Point point() {
    Point p;
    p.v = i16();
    p.h = i16();
    return p;
  }
  Rect rect() {
    Rect r;
    r.top = i16();
    r.left = i16();
    r.bottom = i16();
    r.right = i16();
    return r;
  }
  void pad() {
    if (pos_ & 1) skip(1);
  }

 private:
  const uint8_t* p_;
  size_t n_;
  size_t pos_ = 0;
  bool ok_ = true;
};

// Regions as the format stores them: size word, bounding box, then (unless
// a plain rectangle) rows of inversion points "y x x ... 0x7FFF" ending in
// 0x7FFF. The offset moves every coordinate.
size_t regionDataSize(const OpaqueRgn& rgn);  // what writeRegion writes
void writeRegion(Writer& w, const OpaqueRgn& rgn, short dh, short dv);
// False when the data is malformed (the reader is then failed or the data
// inconsistent); dst is the decoded region otherwise.
bool readRegion(Reader& r, OpaqueRgn* dst);

// Pixel images (direct 32-bit pixels, R, G and B planes per packed row).
// srcRect is in the source's coordinates; pixels outside its bounds are white.
void writeDirectBits(Writer& w, const PixMap& src, const Rect& srcRect, const Rect& dstRect, short mode,
                     const OpaqueRgn* mask, short dh, short dv);
// A decoded pixel-image opcode (after its opcode word).
struct DirectBits {
  std::vector<uint32_t> pixels;  // bounds-sized, 0xFFRRGGBB
  Rect bounds, srcRect, dstRect;
  short mode;
  bool hasMask;
  OpaqueRgn mask;
};
bool readDirectBits(Reader& r, bool withMask, DirectBits* out);

}  // namespace vokpict
