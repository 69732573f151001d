// Shared inside of the drawing layer: colour conversion, the standard
// bottleneck table, the effective clip of a port, inks (what a transfer mode
// and pattern do to a pixel) and the Painter, the one span filler every
// filled shape, line, frame and region ends in.
#pragma once
#include <cstdint>
#include <cstring>

#include "platform/gfx/gfx.h"
#include "platform/gfx/picture.h"
#include "platform/gfx/region_impl.h"

namespace vokgfx {

inline uint32_t toPixel(const RGBColor& c) {
  return 0xFF000000u | uint32_t(c.red >> 8) << 16 | uint32_t(c.green >> 8) << 8 | uint32_t(c.blue >> 8);
}
inline RGBColor fromPixel(uint32_t p) {
  auto up = [](uint32_t v) { return uint16_t(v << 8 | v); };
  return RGBColor{up(p >> 16 & 0xFF), up(p >> 8 & 0xFF), up(p & 0xFF)};
}
constexpr uint32_t kWhitePixel = 0xFFFFFFFFu;
constexpr uint32_t kBlackPixel = 0xFF000000u;
constexpr uint32_t kRGBMask = 0x00FFFFFFu;

// The standard procedures (filled on first use); ports without a table use it.
CQDProcs* stdProcs();
inline CQDProcs* procsOf(GrafPort* port) { return port->grafProcs ? port->grafProcs : stdProcs(); }

// Clipping of one port: clipRgn ∩ visRgn ∩ the raster's bounds, computed once
// and cached until one of them changes.
struct ClipState {
  bool empty;
  bool isRect;  // then the box below is the whole clip
  int32_t left, top, right, bottom;
  const OpaqueRgn* rgn;  // the clip as a region (also when isRect)
};
const ClipState& portClip(GrafPort* port);

// What a transfer mode with a pattern does, reduced to the cases that differ.
enum class InkKind : uint8_t { None, Solid, Invert, PatCopy, PatOr, PatXor, PatBic };
struct Ink {
  InkKind kind = InkKind::None;
  uint32_t fg = kBlackPixel, bg = kWhitePixel;
  uint8_t pat[8] = {};
};
// mode: 0..15; source modes 0..7 act as their pattern modes 8..15.
Ink makeInk(short mode, const Pattern& pat, uint32_t fg, uint32_t bg);
// The ink a shape verb draws with in port (frame and paint: pen; erase:
// background pattern; fill: fill pattern; invert). None when nothing shows.
Ink inkForVerb(GrafPort* port, GrafVerb verb);

// Fills clipped spans of one port with one ink. Built once per primitive.
class Painter {
 public:
  Painter(GrafPort* port, const Ink& ink);
  bool idle() const { return idle_; }
  // Local pixels x0 <= x < x1 of row y.
  inline void span(int y, int x0, int x1) {
    if (y < top_ || y >= bottom_) return;  // also true when idle
    if (isRect_) {
      if (x0 < left_) x0 = left_;
      if (x1 > right_) x1 = right_;
      if (x0 < x1) fill(y, x0, x1);
    } else {
      spanInRegion(y, x0, x1);
    }
  }
  // Single pixels, for one-pixel lines in a solid colour inside a
  // rectangular clip: a copy of what the writes need, kept in registers.
  static constexpr bool kHasDots = true;
  bool solidDots() const { return !idle_ && isRect_ && ink_.kind == InkKind::Solid; }
  struct Dots {
    uint32_t* base;
    ptrdiff_t stride;
    int rasterLeft, rasterTop, left, top, right, bottom;
    uint32_t fg;
    void operator()(int x, int y) const {
      if (x >= left && x < right && y >= top && y < bottom)
        base[ptrdiff_t(y - rasterTop) * stride + (x - rasterLeft)] = fg;
    }
  };
  Dots dots() const { return Dots{base_, stride_, rasterLeft_, rasterTop_, left_, top_, right_, bottom_, ink_.fg}; }
  // Rows y0 <= y < y1 of the same span.
  void rows(int y0, int y1, int x0, int x1);
  // Applies the ink to an already clipped span; solid colour (the common
  // case) inline, patterns and inversion out of line.
  void fill(int y, int x0, int x1) {
    if (ink_.kind == InkKind::Solid) {
      uint32_t* p = pixel(x0, y);
      const uint32_t fg = ink_.fg;
      for (int i = 0, n = x1 - x0; i < n; ++i) p[i] = fg;
    } else {
      fillSlow(y, x0, x1);
    }
  }
  uint32_t* pixel(int x, int y) const { return base_ + ptrdiff_t(y - rasterTop_) * stride_ + (x - rasterLeft_); }
  struct Box {
    int left, top, right, bottom;
  };
  Box box() const { return Box{left_, top_, right_, bottom_}; }

 private:
  void spanInRegion(int y, int x0, int x1);
  void fillSlow(int y, int x0, int x1);
  uint32_t* base_;
  ptrdiff_t stride_;
  int rasterLeft_, rasterTop_;
  const ClipState* clip_;
  int left_, top_, right_, bottom_;  // the clip's box; empty when idle
  bool isRect_;
  Ink ink_;
  bool idle_;
  size_t band_ = 0;  // band cursor into a region clip: shapes go top to bottom
};

// Finds the band of a region holding row y, moving a cursor (kept between
// calls) so that top-to-bottom walks cost O(1) per row.
const OpaqueRgn::Band* findBand(const OpaqueRgn& rgn, int y, size_t* cursor);

// Region being recorded by OpenRgn: lines give edges, frames xor their area.
struct RgnRecording {
  struct Edge {
    int x0, y0, x1, y1;
  };
  std::vector<Edge> edges;
  OpaqueRgn area;
};
inline RgnRecording* recordingOf(GrafPort* port) { return static_cast<RgnRecording*>(port->rgnSave); }
void recordAreaXor(GrafPort* port, const OpaqueRgn& area);
void recordEdge(GrafPort* port, int x0, int y0, int x1, int y1);

// Polygon recording of OpenPoly: adds a line's end points.
void polyRecordLine(GrafPort* port, Point from, Point to);

// Copies pixels (scaled by nearest neighbour) from src into dst with a
// transfer mode, within clip (dst's local coordinates; null: dst's bounds)
// and, if given, the mask region. bg is the colour srcBic paints.
void copyPixels(const PixMap& src, const Rect& srcRect, PixMap* dst, const Rect& dstRect, short mode,
                const OpaqueRgn* clip, RgnHandle mask, uint32_t bg);

// False when lines and frames draw nothing: hidden pen or an empty pen size.
inline bool penShows(const GrafPort* port) { return port->pnVis >= 0 && port->pnSize.h > 0 && port->pnSize.v > 0; }

}  // namespace vokgfx
