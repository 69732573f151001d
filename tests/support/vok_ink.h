// Two pictures of one drawing compared by their ink: how many pixels differ
// and how far any ink lies from the other picture's nearest ink; ink boxes;
// printed pages against the drawing. Used where a rendering by Ghostscript
// or another decoder meets our own pixels.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "platform/gfx/gfx.h"
#include "tests/support/ghostscript.h"

namespace vtest {
struct InkOptions {
  int limit = 5;                              // distances are counted up to limit + 1
  std::function<bool(uint32_t)> ink;          // default: anything not white
  std::function<bool(int, int)> skip;         // a's pixels left out entirely
  std::function<bool(int, int)> skipNearest;  // pixels whose ink is not measured against the other's
};
struct InkMatch {
  long compared = 0, inked = 0, differing = 0;  // inked: ink in either picture
  int farthestA = 0, farthestB = 0;             // from a's ink to b's, and back
  double share() const { return compared ? double(differing) / double(compared) : 1; }
};
// Pixel (x, y) of `a` against pixel (x + dx, y + dy) of `b`, over a's area.
InkMatch compareInk(const Image& a, const Image& b, int dx, int dy, const InkOptions& how = {});
// A port's pixels (0xRRGGBB) as an image.
Image portImage(CGrafPtr port);
// The box of the pixels that are not white within `area` (the whole image
// when it is all zero), right and bottom exclusive; all zero when there are none.
Rect inkBox(const Image& img, Rect area = {0, 0, 0, 0});
// Pixels of a page rendered at `dpi` that differ from the drawing pixel under
// their centre: the drawing at `scale` from the paper's top left corner, or
// with `landscape` its top along the paper's left edge; `margin` device
// pixels round the page are left out (a printer's unprintable edge).
long pageMismatches(const Image& page, const Image& drawing, bool landscape, double scale = 1, int dpi = 72,
                    int margin = 0);
// A PNG file (a screen snapshot) through pngtopnm.
bool readPNG(const std::string& png, Image* out);
}  // namespace vtest
