// Text drawing. DrawChar/DrawString/DrawText hand their bytes to the port's
// text bottleneck (so recorders see all text); StdText, the standard
// bottleneck, lays the run out on the baseline at the pen, composes its
// glyphs and underline into one coverage mask and draws that once, so the
// transfer mode applies to the run as a whole (srcCopy paints the text's
// background box, srcXor never inverts a pixel twice where glyphs overlap).
#include <algorithm>
#include <vector>

#include "platform/font/font.h"
#include "platform/font/font_internal.h"
#include "platform/gfx/picture.h"
#include "platform/gfx/raster.h"

namespace {

struct Box {
  int left, top, right, bottom;  // relative to the pen; right/bottom exclusive
};

// The run's box: its character cells (advance x ascent+descent), every
// glyph's ink, and the underline.
Box runBox(vokfont::SizedFont* f, const uint8_t* s, int n, int extra, bool withUnderline, long width) {
  // A negative space extra can make the run's width negative.
  const int w = int(std::clamp<long>(width, -(1 << 20), 1 << 20));
  Box b{std::min(0, w), -f->ascent, std::max(0, w), f->descent};
  long x = 0;
  for (int i = 0; i < n && x < (1 << 20); ++i) {
    const vokfont::Glyph& g = f->glyph(s[i]);
    if (g.width > 0 && g.height > 0) {
      b.left = std::min<long>(b.left, x + g.left);
      b.right = std::max<long>(b.right, x + g.left + g.width);
      b.top = std::min(b.top, -g.top);
      b.bottom = std::max(b.bottom, g.height - g.top);
    }
    x += g.advance + (s[i] == ' ' ? extra : 0);
  }
  if (withUnderline) b.bottom = std::max(b.bottom, f->underlineOffset + f->underlineThickness);
  return b;
}

// Copies glyph coverage into the mask window `clip` (pen-relative), keeping
// the larger coverage where glyphs overlap.
void compose(std::vector<uint8_t>& mask, const Box& clip, int x, const vokfont::Glyph& g) {
  int gx0 = x + g.left, gy0 = -g.top;
  int x0 = std::max(gx0, clip.left), x1 = std::min(gx0 + g.width, clip.right);
  int y0 = std::max(gy0, clip.top), y1 = std::min(gy0 + g.height, clip.bottom);
  int pitch = clip.right - clip.left;
  for (int y = y0; y < y1; ++y) {
    const uint8_t* src = g.coverage.data() + size_t(y - gy0) * size_t(g.width) + (x0 - gx0);
    uint8_t* dst = mask.data() + size_t(y - clip.top) * size_t(pitch) + (x0 - clip.left);
    for (int i = 0; i < x1 - x0; ++i) dst[i] = std::max(dst[i], src[i]);
  }
}

// Draws the run at the pen without moving it.
void drawRun(GrafPort* port, vokfont::SizedFont* f, const uint8_t* s, int n, int extra, long width) {
  const bool underlined = (port->txFace & underline) != 0;
  const Point pen = port->pnLoc;
  Box box = runBox(f, s, n, extra, underlined, width);
  // Only the part over the raster is composed: a long run mostly off the
  // port costs nothing, and the mask stays small.
  const Rect& r = port->portPixMap.bounds;
  Box clip{std::max(box.left, r.left - pen.h), std::max(box.top, r.top - pen.v),
           std::min(box.right, r.right - pen.h), std::min(box.bottom, r.bottom - pen.v)};
  if (clip.right <= clip.left || clip.bottom <= clip.top) return;
  static std::vector<uint8_t> mask;
  const int w = clip.right - clip.left, h = clip.bottom - clip.top;
  mask.assign(size_t(w) * size_t(h), 0);
  long x = 0;
  for (int i = 0; i < n; ++i) {
    const vokfont::Glyph& g = f->glyph(s[i]);
    if (!g.coverage.empty()) compose(mask, clip, int(x), g);
    x += g.advance + (s[i] == ' ' ? extra : 0);
  }
  if (underlined) {
    int y0 = std::max(f->underlineOffset, clip.top), y1 = std::min(f->underlineOffset + f->underlineThickness, clip.bottom);
    int x0 = std::max(0, clip.left), x1 = int(std::min<long>(width, clip.right));
    for (int y = y0; y < y1; ++y)
      if (x1 > x0) std::fill_n(mask.data() + size_t(y - clip.top) * size_t(w) + (x0 - clip.left), x1 - x0, 255);
  }
  VokDrawGlyphMask(port, pen.h + clip.left, pen.v + clip.top, mask.data(), w, h, w);
}

void sendText(short byteCount, const void* bytes) {
  GrafPort* port = GetQDPort();
  QDTextProcPtr proc = port->grafProcs && port->grafProcs->textProc ? port->grafProcs->textProc : StdText;
  proc(byteCount, bytes, Point{1, 1}, Point{1, 1});
}

// The bottleneck table's text slots come from here; the library is linked
// so that this file is always in (platform/CMakeLists.txt).
const bool g_textProcsInstalled = (VokSetStdTextProcs(StdText, StdTxMeas), true);
}  // namespace

extern "C" const bool vok_font_linked = true;

// Scaling by numer/denom is not applied: every caller here draws 1:1.
void StdText(short byteCount, const void* textBuf, Point numer, Point denom) {
  if (byteCount <= 0 || !textBuf) return;
  GrafPort* port = GetQDPort();
  if (port->picSave) port->picSave->text(port, byteCount, textBuf, numer, denom);
  vokfont::SizedFont* f = vokfont::portFont(port);
  const auto* s = static_cast<const uint8_t*>(textBuf);
  const int extra = vokfont::spaceExtraPixels(port->spExtra);
  const long width = vokfont::runWidth(f, s, byteCount, extra);
  if (port->pnVis >= 0) drawRun(port, f, s, byteCount, extra, width);
  port->pnLoc.h = vokfont::clampShort(port->pnLoc.h + width);
}

void DrawChar(short ch) {
  uint8_t byte = uint8_t(ch);
  sendText(1, &byte);
}

void DrawString(ConstStr255Param s) {
  if (s && s[0] > 0) sendText(s[0], s + 1);
}

void DrawText(const void* textBuf, short firstByte, short byteCount) {
  if (!textBuf || byteCount <= 0 || firstByte < 0) return;
  sendText(byteCount, static_cast<const uint8_t*>(textBuf) + firstByte);
}
