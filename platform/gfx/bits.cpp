// Pixel copies (CopyBits and its bottleneck, scaled by nearest neighbour,
// with the source transfer modes and a mask region), single pixels, and
// ScrollRect. A source pixel counts as ink when it is not white; the notSrc
// modes invert the source first. A 1-bit destination keeps only black and
// white: colours of at least half brightness become white.
#include <algorithm>
#include <vector>

#include "platform/gfx/gfx_internal.h"

using namespace vokgfx;

namespace {
inline bool insideBounds(const PixMap& pm, int x, int y) {
  return x >= pm.bounds.left && x < pm.bounds.right && y >= pm.bounds.top && y < pm.bounds.bottom;
}
inline uint32_t* at(const PixMap& pm, int x, int y) {
  return pm.baseAddr + ptrdiff_t(y - pm.bounds.top) * pm.rowPixels + (x - pm.bounds.left);
}
inline uint32_t toOneBit(uint32_t p) {
  unsigned lum = (299 * (p >> 16 & 0xFF) + 587 * (p >> 8 & 0xFF) + 114 * (p & 0xFF)) / 1000;
  return lum >= 128 ? kWhitePixel : kBlackPixel;
}

struct CopyOp {
  int op;  // srcCopy, srcOr, srcXor, srcBic
  bool invert, oneBit;
  uint32_t bg;
  inline void apply(uint32_t* d, uint32_t s) const {
    s = 0xFF000000u | (invert ? ~s : s);
    bool ink = (s & kRGBMask) != kRGBMask;
    uint32_t v = *d;
    switch (op) {
      case srcCopy: v = s; break;
      case srcOr: if (ink) v = s; break;
      case srcXor: v ^= ~s & kRGBMask; break;
      default: if (ink) v = bg; break;
    }
    *d = oneBit ? toOneBit(v) : v;
  }
};

// Source of a copy: a private copy when it shares the destination's raster,
// so that overlapping copies read the pixels from before the copy.
struct Source {
  PixMap pm;
  std::vector<uint32_t> own;
  Source(const PixMap& src, const PixMap& dst, const Rect& srcRect) : pm(src) {
    if (src.baseAddr != dst.baseAddr) return;
    Rect r;
    if (!SectRect(&srcRect, &src.bounds, &r)) return;
    int w = r.right - r.left, h = r.bottom - r.top;
    own.resize(size_t(w) * h);
    for (int y = 0; y < h; ++y) std::copy_n(at(src, r.left, r.top + y), w, &own[size_t(y) * w]);
    pm.baseAddr = own.data();
    pm.rowPixels = w;
    pm.bounds = r;
  }
};
}  // namespace

namespace vokgfx {
void copyPixels(const PixMap& src, const Rect& srcRect, PixMap* dst, const Rect& dstRect, short mode,
                const OpaqueRgn* clip, RgnHandle mask, uint32_t bg) {
  if (!src.baseAddr || !dst || !dst->baseAddr || EmptyRect(&srcRect) || EmptyRect(&dstRect)) return;
  int m = mode >= 0 && mode <= 15 ? mode & 7 : srcCopy;
  CopyOp op{m & 3, m >= notSrcCopy, dst->pixelSize == 1, bg};
  // Where to write: the destination rectangle within the clip and the mask.
  OpaqueRgn area;
  rgnSetRect(&area, std::max(dstRect.left, dst->bounds.left), std::max(dstRect.top, dst->bounds.top),
             std::min(dstRect.right, dst->bounds.right), std::min(dstRect.bottom, dst->bounds.bottom));
  if (clip) rgnCombine(area, *clip, &area, kOpSect);
  if (mask) rgnCombine(area, *mask, &area, kOpSect);
  if (area.bands.empty()) return;
  Source s(src, *dst, srcRect);
  const int sw = srcRect.right - srcRect.left, sh = srcRect.bottom - srcRect.top;
  const int dw = dstRect.right - dstRect.left, dh = dstRect.bottom - dstRect.top;
  // Nearest source column of each destination column, sampled at pixel centres.
  std::vector<int> colOf(size_t(area.right - area.left));
  for (int x = area.left; x < area.right; ++x)
    colOf[size_t(x - area.left)] = srcRect.left + int((int64_t(2 * (x - dstRect.left) + 1) * sw) / (2 * int64_t(dw)));
  const bool plain = sw == dw && sh == dh && op.op == srcCopy && !op.invert && !op.oneBit;
  const int shift = dstRect.left - srcRect.left;  // destination x of a source column, when plain
  for (const auto& band : area.bands) {
    for (int y = band.top; y < band.bottom; ++y) {
      int sy = srcRect.top + int((int64_t(2 * (y - dstRect.top) + 1) * sh) / (2 * int64_t(dh)));
      if (sy < s.pm.bounds.top || sy >= s.pm.bounds.bottom) continue;
      const uint32_t* srow = at(s.pm, s.pm.bounds.left, sy);
      uint32_t* drow = at(*dst, dst->bounds.left, y);
      for (uint32_t k = 0; k < band.count; ++k) {
        if (plain) {  // unscaled plain copy: whole runs at once
          int x0 = std::max(area.xs[band.first + 2 * k], s.pm.bounds.left + shift);
          int x1 = std::min(area.xs[band.first + 2 * k + 1], s.pm.bounds.right + shift);
          if (x0 < x1)
            std::copy_n(srow + (x0 - shift - s.pm.bounds.left), x1 - x0, drow + (x0 - dst->bounds.left));
          continue;
        }
        for (int x = area.xs[band.first + 2 * k]; x < area.xs[band.first + 2 * k + 1]; ++x) {
          int sx = colOf[size_t(x - area.left)];
          if (sx >= s.pm.bounds.left && sx < s.pm.bounds.right)
            op.apply(drow + (x - dst->bounds.left), srow[sx - s.pm.bounds.left]);
        }
      }
    }
  }
}
}  // namespace vokgfx

void StdBits(const BitMap* srcBits, const Rect* srcRect, const Rect* dstRect, short mode, RgnHandle maskRgn) {
  if (!srcBits || !srcRect || !dstRect) return;
  GrafPort* port = GetQDPort();
  if (port->picSave) port->picSave->bits(port, srcBits, *srcRect, *dstRect, mode, maskRgn);
  const ClipState& clip = portClip(port);
  if (clip.empty) return;
  copyPixels(*srcBits, *srcRect, &port->portPixMap, *dstRect, mode, clip.rgn, maskRgn, toPixel(port->rgbBkColor));
}

// Into the current port's own raster the copy goes through its bits
// bottleneck (and so into pictures and mirrors); any other destination is a
// plain memory copy clipped to its bounds.
void CopyBits(const BitMap* src, const BitMap* dst, const Rect* srcRect, const Rect* dstRect, short mode,
              RgnHandle maskRgn) {
  if (!src || !dst || EmptyRect(srcRect) || EmptyRect(dstRect)) return;
  GrafPort* port = GetQDPort();
  if (dst == &port->portPixMap || (dst->baseAddr && dst->baseAddr == port->portPixMap.baseAddr)) {
    procsOf(port)->bitsProc(src, srcRect, dstRect, mode, maskRgn);
    return;
  }
  copyPixels(*src, *srcRect, const_cast<BitMap*>(dst), *dstRect, mode, nullptr, maskRgn,
             toPixel(port->rgbBkColor));
}

// Outside the raster a pixel reads as white.
void GetCPixel(short h, short v, RGBColor* c) {
  if (!c) return;
  const PixMap& pm = GetQDPort()->portPixMap;
  *c = pm.baseAddr && insideBounds(pm, h, v) ? fromPixel(*at(pm, h, v)) : RGBColor{0xFFFF, 0xFFFF, 0xFFFF};
}

void SetCPixel(short h, short v, const RGBColor* c) {
  if (!c) return;
  GrafPort* port = GetQDPort();
  const ClipState& clip = portClip(port);
  if (clip.empty || !PtInRgn(Point{v, h}, const_cast<OpaqueRgn*>(clip.rgn))) return;
  uint32_t p = toPixel(*c);
  if (port->portPixMap.pixelSize == 1) p = (p & kRGBMask) == kRGBMask ? kWhitePixel : kBlackPixel;  // as drawing does
  *at(port->portPixMap, h, v) = p;
}

Boolean GetPixel(short h, short v) {
  RGBColor c;
  GetCPixel(h, v, &c);
  return !(c.red == 0xFFFF && c.green == 0xFFFF && c.blue == 0xFFFF);
}

// Shifts the pixels inside r (and the port's clip) by (dh, dv); what is
// uncovered is erased with the background and returned in updateRgn.
void ScrollRect(const Rect* r, short dh, short dv, RgnHandle updateRgn) {
  if (updateRgn) SetEmptyRgn(updateRgn);
  if (EmptyRect(r)) return;
  GrafPort* port = GetQDPort();
  const ClipState& clip = portClip(port);
  OpaqueRgn area, moved, vacated;
  rgnSetRect(&area, r->left, r->top, r->right, r->bottom);
  rgnCombine(area, *clip.rgn, &area, kOpSect);
  if (area.bands.empty()) return;
  moved = area;
  OffsetRgn(&moved, dh, dv);
  rgnCombine(moved, area, &moved, kOpSect);
  Rect to = *r;
  OffsetRect(&to, dh, dv);
  copyPixels(port->portPixMap, *r, &port->portPixMap, to, srcCopy, &moved, nullptr, 0);
  rgnCombine(area, moved, &vacated, kOpDiff);
  Painter p(port, makeInk(patCopy, port->bkPat, toPixel(port->rgbFgColor), toPixel(port->rgbBkColor)));
  for (const auto& band : vacated.bands)
    for (uint32_t k = 0; k < band.count; ++k)
      p.rows(band.top, band.bottom, vacated.xs[band.first + 2 * k], vacated.xs[band.first + 2 * k + 1]);
  if (updateRgn) CopyRgn(&vacated, updateRgn);
}
