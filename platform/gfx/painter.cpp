// The span filler: inks reduce a transfer mode and pattern to a few cases
// once per primitive, and the Painter fills clipped spans with them. The
// pattern is aligned to the port's local origin: pixel (x, y) takes bit
// 7 - (x & 7) of row y & 7.
#include <algorithm>
#include <cstring>

#include "platform/gfx/gfx_internal.h"

namespace vokgfx {

Ink makeInk(short mode, const Pattern& pat, uint32_t fg, uint32_t bg) {
  Ink ink;
  ink.fg = fg;
  ink.bg = bg;
  int m = (mode & 15) | 8;
  uint64_t all;
  std::memcpy(&all, pat.pat, 8);
  if (m >= notPatCopy) all = ~all;
  std::memcpy(ink.pat, &all, 8);
  bool ones = all == ~uint64_t(0), zeros = all == 0;
  switch (m & 3) {
    case 0:  // copy
      ink.kind = ones || zeros ? InkKind::Solid : InkKind::PatCopy;
      if (zeros) ink.fg = bg;
      break;
    case 1:  // or
      ink.kind = zeros ? InkKind::None : ones ? InkKind::Solid : InkKind::PatOr;
      break;
    case 2:  // xor
      ink.kind = zeros ? InkKind::None : ones ? InkKind::Invert : InkKind::PatXor;
      break;
    default:  // bic
      ink.kind = zeros ? InkKind::None : ones ? InkKind::Solid : InkKind::PatBic;
      if (ones) ink.fg = bg;
      break;
  }
  return ink;
}

Ink inkForVerb(GrafPort* port, GrafVerb verb) {
  uint32_t fg = toPixel(port->rgbFgColor), bg = toPixel(port->rgbBkColor);
  switch (verb) {
    case kQDGrafVerbFrame:
      if (!penShows(port)) return Ink{};
      return makeInk(port->pnMode, port->pnPat, fg, bg);
    case kQDGrafVerbErase:
      return makeInk(patCopy, port->bkPat, fg, bg);
    case kQDGrafVerbInvert: {
      Ink ink;
      ink.kind = InkKind::Invert;
      return ink;
    }
    case kQDGrafVerbFill:
      return makeInk(patCopy, port->fillPat, fg, bg);
    default:
      return makeInk(port->pnMode, port->pnPat, fg, bg);
  }
}

Painter::Painter(GrafPort* port, const Ink& ink) : ink_(ink) {
  const PixMap& pm = port->portPixMap;
  base_ = pm.baseAddr;
  stride_ = pm.rowPixels;
  rasterLeft_ = pm.bounds.left;
  rasterTop_ = pm.bounds.top;
  // A black-and-white raster draws every colour but white as black, so that
  // coloured lines stay visible.
  if (pm.pixelSize == 1) {
    ink_.fg = (ink_.fg & kRGBMask) == kRGBMask ? kWhitePixel : kBlackPixel;
    ink_.bg = (ink_.bg & kRGBMask) == kRGBMask ? kWhitePixel : kBlackPixel;
  }
  clip_ = &portClip(port);
  idle_ = ink.kind == InkKind::None || clip_->empty;
  isRect_ = clip_->isRect;
  left_ = clip_->left, top_ = clip_->top, right_ = clip_->right, bottom_ = clip_->bottom;
  if (idle_) left_ = top_ = right_ = bottom_ = 0;
}

void Painter::rows(int y0, int y1, int x0, int x1) {
  if (idle_) return;
  y0 = std::max(y0, top_);
  y1 = std::min(y1, bottom_);
  if (isRect_) {
    x0 = std::max(x0, left_);
    x1 = std::min(x1, right_);
    if (x0 >= x1) return;
    for (int y = y0; y < y1; ++y) fill(y, x0, x1);
  } else {
    for (int y = y0; y < y1; ++y) spanInRegion(y, x0, x1);
  }
}

void Painter::spanInRegion(int y, int x0, int x1) {
  const OpaqueRgn& rgn = *clip_->rgn;
  const OpaqueRgn::Band* b = band_ < rgn.bands.size() ? &rgn.bands[band_] : nullptr;
  if (!b || y < b->top || y >= b->bottom) b = findBand(rgn, y, &band_);
  if (!b) return;
  const int32_t* xs = &rgn.xs[b->first];
  for (uint32_t i = 0; i < b->count; ++i) {
    int a = std::max<int>(x0, xs[2 * i]), e = std::min<int>(x1, xs[2 * i + 1]);
    if (a < e) fill(y, a, e);
    if (xs[2 * i + 1] >= x1) break;
  }
}

void Painter::fillSlow(int y, int x0, int x1) {
  uint32_t* p = pixel(x0, y);
  int n = x1 - x0;
  uint8_t bits = ink_.pat[y & 7];
  auto bitAt = [bits](int x) { return (bits >> (7 - (x & 7))) & 1; };
  switch (ink_.kind) {
    case InkKind::Solid:
      std::fill_n(p, n, ink_.fg);
      break;
    case InkKind::Invert:
      for (int i = 0; i < n; ++i) p[i] ^= kRGBMask;
      break;
    case InkKind::PatCopy: {
      uint32_t row[8];
      for (int k = 0; k < 8; ++k) row[k] = (bits >> (7 - k)) & 1 ? ink_.fg : ink_.bg;
      for (int i = 0; i < n; ++i) p[i] = row[(x0 + i) & 7];
      break;
    }
    case InkKind::PatOr:
      for (int i = 0; i < n; ++i)
        if (bitAt(x0 + i)) p[i] = ink_.fg;
      break;
    case InkKind::PatXor:
      for (int i = 0; i < n; ++i)
        if (bitAt(x0 + i)) p[i] ^= kRGBMask;
      break;
    case InkKind::PatBic:
      for (int i = 0; i < n; ++i)
        if (bitAt(x0 + i)) p[i] = ink_.bg;
      break;
    case InkKind::None:
      break;
  }
}

}  // namespace vokgfx
