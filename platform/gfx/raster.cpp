// Glyph masks and single spans for the text code (see raster.h): both go
// through the port's cached clip like every other primitive.
#include "platform/gfx/raster.h"

#include <algorithm>

#include "platform/gfx/gfx_internal.h"

using namespace vokgfx;

namespace {
inline uint32_t blend(uint32_t dst, uint32_t src, unsigned c) {
  if (c >= 255) return src;
  uint32_t out = 0xFF000000u;
  for (int shift = 0; shift <= 16; shift += 8) {
    int d = int(dst >> shift & 0xFF), s = int(src >> shift & 0xFF);
    out |= uint32_t(d + ((s - d) * int(c) + 127) / 255) << shift;
  }
  return out;
}

struct GlyphInk {
  int op;  // srcCopy, srcOr, srcXor or srcBic
  bool invert;
  uint32_t fg, bg;

  void apply(uint32_t* p, const uint8_t* cov, int n) const {
    for (int i = 0; i < n; ++i) {
      unsigned c = invert ? 255u - cov[i] : cov[i];
      switch (op) {
        case srcCopy:
          p[i] = blend(bg, fg, c);
          break;
        case srcXor:
          if (c >= 128) p[i] ^= kRGBMask;
          break;
        case srcBic:
          if (c) p[i] = blend(p[i], bg, c);
          break;
        default:
          if (c) p[i] = blend(p[i], fg, c);
          break;
      }
    }
  }
};
}  // namespace

void VokDrawGlyphMask(GrafPort* port, int x, int y, const uint8_t* coverage, int w, int h, int pitch) {
  if (!port || !coverage || w <= 0 || h <= 0) return;
  const ClipState& clip = portClip(port);
  if (clip.empty) return;
  short mode = port->txMode;
  GlyphInk ink{mode >= 0 && mode <= notSrcBic ? mode & 3 : srcOr, mode >= notSrcCopy && mode <= notSrcBic,
               toPixel(port->rgbFgColor), toPixel(port->rgbBkColor)};
  Painter px(port, makeInk(patCopy, Pattern{{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}, 0, 0));
  size_t band = 0;
  int y0 = std::max(y, clip.top), y1 = std::min(y + h, clip.bottom);
  for (int row = y0; row < y1; ++row) {
    const uint8_t* cov = coverage + ptrdiff_t(row - y) * pitch;
    auto run = [&](int a, int e) {
      a = std::max(a, x);
      e = std::min(e, x + w);
      if (a < e) ink.apply(px.pixel(a, row), cov + (a - x), e - a);
    };
    if (clip.isRect) {
      run(clip.left, clip.right);
    } else if (const OpaqueRgn::Band* b = findBand(*clip.rgn, row, &band)) {
      for (uint32_t i = 0; i < b->count; ++i) run(clip.rgn->xs[b->first + 2 * i], clip.rgn->xs[b->first + 2 * i + 1]);
    }
  }
}

void VokFillSpan(GrafPort* port, int y, int x0, int x1, short mode) {
  if (!port || x0 >= x1) return;
  static const Pattern kBlack{{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};
  bool patterned = mode >= patCopy && mode <= notPatBic;
  Ink ink = makeInk(short(patterned ? mode : (mode & 7) | 8), patterned ? port->pnPat : kBlack,
                    toPixel(port->rgbFgColor), toPixel(port->rgbBkColor));
  Painter p(port, ink);
  p.span(y, x0, x1);
}
