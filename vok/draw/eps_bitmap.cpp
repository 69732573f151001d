// Bitmap EPS: the image rectangle of the drawing (its non-white pixels), and
// the drawing's pixels written as hex image tiles of at most 100 x 100, each
// placed so that image and bounding box cover the same area.
#include <cmath>

#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
#include "vok/draw/eps.h"
#include "vok/draw/eps_internal.h"
#include "vok/draw/postscript.h"

namespace {
const int kTile = 100;
const int kBytesPerLine = 30;

// The port's raster pixel at local (h, v) as 0xRRGGBB.
inline uint32_t rasterPixel(const PixMap& pm, int h, int v) {
  return pm.baseAddr[(v - pm.bounds.top) * pm.rowPixels + (h - pm.bounds.left)] & 0xFFFFFF;
}

// Pure white only: all three components full.
inline bool isWhite(uint32_t rgb) { return rgb == 0xFFFFFF; }

bool validBits(short bits) { return bits == 1 || bits == 2 || bits == 4 || bits == 8; }

// Collects samples most significant bit first into bytes written as hex.
struct HexPacker {
  short bits;
  int acc = 0, used = 0, count = 0;
  void put(int sample) {
    acc = (acc << bits) | sample;
    used += bits;
    if (used < 8) return;
    s_PSPrintf("%02X", acc & 0xFF);
    acc = used = 0;
    if (++count % kBytesPerLine == 0) s_PSPrintf("\n");
  }
  // Rows end on a byte boundary; the padded byte is not counted.
  void endRow() {
    if (used > 0) s_PSPrintf("%02X", (acc << (8 - used)) & 0xFF);
    if (count % kBytesPerLine != 0) s_PSPrintf("\n");
    acc = used = count = 0;
  }
};
}  // namespace

// Scans the raster directly (the white test is the same as through
// s_GetCPixel: 8-bit components of 255 are the 16-bit 65535).
void EPSGetImageRect(Rect* r) {
  if (!r) return;
  *r = Rect{0, 0, 0, 0};
  CGrafPtr port = s_UnscaledPort();
  Rect area;
  GetPortBounds(port, &area);
  const PixMap& pm = port->portPixMap;
  if (!pm.baseAddr) return;
  Rect scan;
  if (!SectRect(&area, &pm.bounds, &scan)) return;
  int left = scan.right, top = scan.bottom, right = scan.left, bottom = scan.top;
  for (int v = scan.top; v < scan.bottom; ++v) {
    for (int h = scan.left; h < scan.right; ++h) {
      if (isWhite(rasterPixel(pm, h, v))) continue;
      if (h < left) left = h;
      if (h >= right) right = h + 1;
      if (v < top) top = v;
      bottom = v + 1;
    }
  }
  if (right <= left) return;  // all white: the empty rectangle
  *r = Rect{short(top), short(left), short(bottom), short(right)};
}

// The tile's rows land at PostScript heights H - tile.top downwards, H being
// the drawing height: the bounding box written at the end measures from there too.
void EPSBitMapProlog(const Rect* tile, const Rect* image, short bits) {
  short width = short(tile->right - tile->left), height = short(tile->bottom - tile->top);
  short ty = short(EPSDrawingHeight() - image->bottom + image->top - tile->top);
  s_PSPrintf("%hd %hd %hd\n", width, height, bits);
  s_PSPrintf("[%hd %hd %hd %hd %hd %hd]\n", short(1), short(0), short(0), short(1), short(-tile->left), ty);
  s_PSPrintf("{<\n");
}

void EPSBitMapMain(const Rect* tile, short bits, int color, double threshold) {
  int d = 32768 >> (bits - 1);
  HexPacker packer{bits};
  for (short v = tile->top; v < tile->bottom; ++v) {
    for (short h = tile->left; h < tile->right; ++h) {
      RGBColor c;
      s_GetCPixel(h, v, &c);
      if (color) {
        packer.put(c.red / d);
        packer.put(c.green / d);
        packer.put(c.blue / d);
        continue;
      }
      long lum = long(std::trunc(0.299 * c.red + 0.587 * c.green + 0.114 * c.blue));
      if (bits == 1) packer.put(lum >= threshold * 65536 ? 1 : 0);
      else packer.put(int(lum / d));
    }
    packer.endRow();
  }
}

void EPSBitMapEpilog(short bits, int color) {
  s_PSPrintf(">}\n");
  if (color) s_PSPrintf("false %hd\ncolorimage\n", short(3));
  else if (bits > 1) s_PSPrintf("false %hd\ncolorimage\n", short(1));
  else s_PSPrintf("image\n");
}

// Bits other than 1, 2, 4 or 8 are written as 8. A 1-bit grey threshold
// outside (0, 1) would make every pixel the same colour: 0.5 is used instead.
void EPSBitMapSave(short bits, int color, double threshold) {
  if (s_eps.active) return;  // a vector recording is in progress: recordings do not nest
  if (!validBits(bits)) bits = 8;
  if (!(threshold > 0.0 && threshold < 1.0)) threshold = 0.5;
  for (int i = 0; i < 100; ++i) {
    EventRecord ev;
    EventAvail(0, &ev);
  }
  Rect img;
  EPSGetImageRect(&img);
  BeginEPSSavingBox(0, 0, short(img.right - img.left), short(img.bottom - img.top));
  if (!s_eps.active) return;
  for (int x0 = img.left; x0 < img.right; x0 += kTile) {
    for (int y0 = img.top; y0 < img.bottom; y0 += kTile) {
      Rect tile = {short(y0), short(x0), short(y0 + kTile < img.bottom ? y0 + kTile : img.bottom),
                   short(x0 + kTile < img.right ? x0 + kTile : img.right)};
      EPSBitMapProlog(&tile, &img, bits);
      EPSBitMapMain(&tile, bits, color, threshold);
      EPSBitMapEpilog(bits, color);
    }
  }
  s_EndEPSSavingWith(&img);
}
