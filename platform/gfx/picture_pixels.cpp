// Pixel images in pictures: direct 32-bit pixel maps whose rows hold the
// red, green and blue planes one after the other, each row packed on its
// own with a byte count in front (one byte up to 250 bytes a row, two
// above). Readers disagree on where that count widens for rows a little
// wider than 48 pixels, so such images are written as two narrower ones.
#include <algorithm>

#include "platform/gfx/picture_format.h"

namespace vokpict {
namespace {
constexpr uint32_t kFakeBaseAddr = 0x000000FF;
constexpr uint32_t kSeventyTwoDpi = 0x00480000;
constexpr uint16_t kPixMapFlag = 0x8000;
constexpr uint16_t kPackPlanes = 4;
constexpr uint16_t kRGBDirect = 16;
constexpr int kMaxChunk = 8000;  // keeps one packed row within a 16-bit count
constexpr long kMaxPixels = 64L << 20;

// Widths of the pieces an image of width w is written as.
std::vector<int> chunkWidths(int w) {
  if (w <= 48) return {w};
  if (w < 63) return {w / 2, w - w / 2};
  int n = (w + kMaxChunk - 1) / kMaxChunk;
  std::vector<int> out;
  for (int i = 0; i < n; ++i) out.push_back(w * (i + 1) / n - w * i / n);
  return out;
}

bool wideCount(int rowBytes) { return rowBytes > 250; }

void writeHeader(Writer& w, int width, int height) {
  w.u32(kFakeBaseAddr);
  w.u16(uint16_t(kPixMapFlag | (width * 4)));
  Rect bounds{0, 0, short(height), short(width)};
  w.rect(bounds);
  w.u16(0);  // version
  w.u16(width == 1 ? 1 : kPackPlanes);
  w.u32(0);  // packSize
  w.u32(kSeventyTwoDpi);
  w.u32(kSeventyTwoDpi);
  w.u16(kRGBDirect);
  w.u16(32);  // pixelSize
  w.u16(3);   // cmpCount
  w.u16(8);   // cmpSize
  w.u32(0);   // planeBytes
  w.u32(0);   // pmTable
  w.u32(0);   // reserved
}

uint32_t sourcePixel(const PixMap& src, int x, int y) {
  const Rect& b = src.bounds;
  if (!src.baseAddr || x < b.left || x >= b.right || y < b.top || y >= b.bottom) return 0xFFFFFFFFu;
  return src.baseAddr[long(y - b.top) * src.rowPixels + (x - b.left)];
}

void writeRows(Writer& w, const PixMap& src, int x0, int width, int y0, int height) {
  std::vector<uint8_t> planes(size_t(width) * 3), packed(size_t(width) * 3 + size_t(width) * 3 / 128 + 2);
  for (int y = y0; y < y0 + height; ++y) {
    if (width == 1) {  // rows under 8 bytes are stored unpacked
      w.u32(sourcePixel(src, x0, y) & 0x00FFFFFFu);
      continue;
    }
    for (int i = 0; i < width; ++i) {
      uint32_t p = sourcePixel(src, x0 + i, y);
      planes[size_t(i)] = uint8_t(p >> 16);
      planes[size_t(width + i)] = uint8_t(p >> 8);
      planes[size_t(2 * width + i)] = uint8_t(p);
    }
    Ptr in = reinterpret_cast<Ptr>(planes.data()), out = reinterpret_cast<Ptr>(packed.data());
    PackBits(&in, &out, short(planes.size()));
    size_t n = size_t(out - reinterpret_cast<Ptr>(packed.data()));
    if (wideCount(width * 4))
      w.u16(uint16_t(n));
    else
      w.u8(uint8_t(n));
    w.raw(packed.data(), n);
  }
}
}  // namespace

void writeDirectBits(Writer& w, const PixMap& src, const Rect& srcRect, const Rect& dstRect, short mode,
                     const OpaqueRgn* mask, short dh, short dv) {
  int width = srcRect.right - srcRect.left, height = srcRect.bottom - srcRect.top;
  int dstW = dstRect.right - dstRect.left;
  if (width <= 0 || height <= 0 || dstW <= 0 || dstRect.bottom <= dstRect.top) return;
  int done = 0;
  for (int cw : chunkWidths(width)) {
    // The piece's share of the destination, by the same rounding as MapRect.
    short left = short(vokgfx::mapCoord(srcRect.left + done, srcRect.left, width, dstRect.left, dstW));
    short right = short(vokgfx::mapCoord(srcRect.left + done + cw, srcRect.left, width, dstRect.left, dstW));
    if (right > left) {
      w.u16(mask ? kOpDirectBitsRgn : kOpDirectBitsRect);
      writeHeader(w, cw, height);
      w.rect(Rect{0, 0, short(height), short(cw)});
      w.rect(Rect{short(dstRect.top + dv), short(left + dh), short(dstRect.bottom + dv), short(right + dh)});
      w.i16(mode);
      if (mask) writeRegion(w, *mask, dh, dv);
      writeRows(w, src, srcRect.left + done, cw, srcRect.top, height);
      w.pad();
    }
    done += cw;
  }
}

bool readDirectBits(Reader& r, bool withMask, DirectBits* out) {
  r.u32();  // base address: meaningless in a file
  uint16_t rowWord = r.u16();
  out->bounds = r.rect();
  r.u16();  // version
  uint16_t packType = r.u16();
  r.skip(12);  // packSize, resolutions
  r.u16();     // pixelType
  uint16_t pixelSize = r.u16(), cmpCount = r.u16(), cmpSize = r.u16();
  r.skip(12);  // planeBytes, table, reserved
  out->srcRect = r.rect();
  out->dstRect = r.rect();
  out->mode = r.i16();
  out->hasMask = withMask;
  if (withMask && !readRegion(r, &out->mask)) return false;
  if (!r.ok() || !(rowWord & kPixMapFlag) || pixelSize != 32 || cmpSize != 8) return false;
  const long width = long(out->bounds.right) - out->bounds.left, height = long(out->bounds.bottom) - out->bounds.top;
  const long rowBytes = rowWord & 0x7FFF;
  if (width <= 0 || height <= 0 || width * height > kMaxPixels || rowBytes < width * 4) return false;
  out->pixels.assign(size_t(width * height), 0xFFFFFFFFu);
  const bool raw = rowBytes < 8 || packType == 1;
  if (!raw && (packType != kPackPlanes || (cmpCount != 3 && cmpCount != 4))) return false;
  std::vector<uint8_t> row(size_t(width) * cmpCount);
  for (long y = 0; y < height; ++y) {
    uint32_t* dst = out->pixels.data() + y * width;
    if (raw) {
      for (long x = 0; x < rowBytes / 4; ++x) {
        uint32_t p = r.u32();
        if (x < width) dst[x] = 0xFF000000u | (p & 0x00FFFFFFu);
      }
      r.skip(size_t(rowBytes % 4));
      if (!r.ok()) return false;
      continue;
    }
    size_t count = wideCount(int(rowBytes)) ? r.u16() : r.u8();
    if (!r.need(count) || VokUnpackBitsBounded(r.here(), long(count), row.data(), long(row.size())) < 0)
      return false;
    r.skip(count);
    const uint8_t* red = row.data() + (cmpCount == 4 ? width : 0);  // four planes start with alpha
    for (long x = 0; x < width; ++x)
      dst[x] = 0xFF000000u | uint32_t(red[x]) << 16 | uint32_t(red[width + x]) << 8 | red[2 * width + x];
  }
  r.pad();
  return r.ok();
}

}  // namespace vokpict
