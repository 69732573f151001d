// Pixel copies for vector printing: the copied pixels become an image laid
// over the destination rectangle, which PostScript samples by nearest
// pixel as the screen's copy does. On paper the destination is white, so
// each transfer mode reduces to one of three forms:
//   copy:      every pixel (one-bit when the source is pure black and white);
//   or, xor:   the ink (non-white pixels) in its colours, white left alone;
//   bic:       the ink in the back colour.
// The notSrc modes invert the source first. Data follows its operator in
// hex; the decoder is read to its end marker afterwards, so no stray data
// can reach the interpreter.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "vok/draw/postscript.h"
#include "vok/output/picture_postscript_parts.h"

namespace {
constexpr uint32_t kRGB = 0x00FFFFFFu;

struct Samples {
  int width = 0, height = 0;
  std::vector<uint32_t> rgb;  // 0xRRGGBB, rows top to bottom
  bool oneBit = true;         // only black and white
  int inkColours = 0;         // distinct non-white colours, counted up to 2
  uint32_t ink = 0;           // the first of them
};

Samples readSamples(const BitMap& src, const Rect& from, bool invert) {
  Samples s;
  s.width = from.right - from.left;
  s.height = from.bottom - from.top;
  s.rgb.reserve(size_t(s.width) * size_t(s.height));
  for (int y = from.top; y < from.bottom; ++y) {
    const uint32_t* row = src.baseAddr + ptrdiff_t(y - src.bounds.top) * src.rowPixels;
    for (int x = from.left; x < from.right; ++x) {
      uint32_t p = (invert ? ~row[x - src.bounds.left] : row[x - src.bounds.left]) & kRGB;
      s.rgb.push_back(p);
      if (p != 0 && p != kRGB) s.oneBit = false;
      if (p == kRGB || (s.inkColours > 0 && p == s.ink)) continue;
      if (s.inkColours++ == 0) s.ink = p;
      s.inkColours = std::min(s.inkColours, 2);
    }
  }
  return s;
}

void writeHex(const std::vector<uint8_t>& bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string line;
  for (size_t i = 0; i < bytes.size(); ++i) {
    line += kDigits[bytes[i] >> 4];
    line += kDigits[bytes[i] & 15];
    if (line.size() == 72 || i + 1 == bytes.size()) {
      line += '\n';
      s_PSPrintf("%s", line.c_str());
      line.clear();
    }
  }
  s_PSPrintf(">\n");
}

// One bit a pixel, rows padded to whole bytes; `set` picks the pixels that get a 1.
template <class Pred>
std::vector<uint8_t> bitRows(const Samples& s, Pred set) {
  int rowBytes = (s.width + 7) / 8;
  std::vector<uint8_t> out(size_t(rowBytes) * size_t(s.height), 0);
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x)
      if (set(s.rgb[size_t(y) * size_t(s.width) + size_t(x)]))
        out[size_t(y) * size_t(rowBytes) + size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
  return out;
}

std::vector<uint8_t> colourRows(const Samples& s) {
  std::vector<uint8_t> out;
  out.reserve(s.rgb.size() * 3);
  for (uint32_t p : s.rgb) {
    out.push_back(uint8_t(p >> 16));
    out.push_back(uint8_t(p >> 8));
    out.push_back(uint8_t(p));
  }
  return out;
}

// The image operator over the unit square (the caller has scaled it onto
// the destination), its data after it. `extra` may amend the dictionary.
void writeImage(const Samples& s, int bits, const char* decode, const char* op, const char* extra,
                const std::vector<uint8_t>& data) {
  s_PSPrintf("/vokbits currentfile /ASCIIHexDecode filter def\n"
             "<< /ImageType 1 /Width %d /Height %d /BitsPerComponent %d /Decode [%s]\n"
             "   /ImageMatrix [%d 0 0 %d 0 0] /DataSource vokbits >>%s\n{ %s vokbits flushfile } exec\n",
             s.width, s.height, bits, decode, s.width, s.height, extra, op);
  writeHex(data);
}

RGBColor colourOf(uint32_t p) {
  return {uint16_t((p >> 16 & 0xFF) * 257), uint16_t((p >> 8 & 0xFF) * 257), uint16_t((p & 0xFF) * 257)};
}

// The ink pixels painted in one colour: 1 marks ink, and imagemask paints the 1s.
void writeInkMask(const Samples& s, const RGBColor& colour) {
  s_PSColor(&colour);
  writeImage(s, 1, "1 0", "imagemask", "", bitRows(s, [](uint32_t p) { return p != kRGB; }));
}

void clipRect(const Rect* r, void*) {
  s_PSPrintf("%d %d moveto\n%d %d lineto\n%d %d lineto\n%d %d lineto\nclosepath\n", r->left, r->top, r->right,
             r->top, r->right, r->bottom, r->left, r->bottom);
}
}  // namespace

void s_PSPixelCopy(const BitMap& src, const Rect& srcRect, const Rect& dstRect, short mode, RgnHandle mask,
                   const RGBColor& back) {
  // Only the source's own pixels are copied: shrink the destination alike.
  Rect from, to;
  if (!src.baseAddr || EmptyRect(&dstRect) || !SectRect(&srcRect, &src.bounds, &from)) return;
  to = from;
  MapRect(&to, &srcRect, &dstRect);
  if (EmptyRect(&to)) return;
  int m = mode >= 0 && mode <= 15 ? mode & 7 : srcCopy;
  int op = m & 3;
  Samples s = readSamples(src, from, m >= notSrcCopy);
  if (op != srcCopy && s.inkColours == 0) return;  // nothing but white to lay on white

  s_PSPrintf("gsave\n");
  if (mask) {
    s_PSPrintf("newpath\n");
    RgnForEachRect(mask, clipRect, nullptr);
    s_PSPrintf("clip\nnewpath\n");
  }
  s_PSPrintf("%d %d translate\n%d %d scale\n", to.left, to.top, to.right - to.left, to.bottom - to.top);
  if (op == srcBic) {
    writeInkMask(s, back);
  } else if (op != srcCopy && s.inkColours == 1) {
    writeInkMask(s, colourOf(s.ink));
  } else if (s.oneBit) {  // a copy of black and white: 1 is white
    s_PSPrintf("/DeviceGray setcolorspace\n");
    writeImage(s, 1, "0 1", "image", "", bitRows(s, [](uint32_t p) { return p == kRGB; }));
  } else {
    // Several ink colours over white: level 3 masks the white samples out.
    const char* maskWhite = op == srcCopy ? ""
                                          : "\n/languagelevel where { pop languagelevel 3 ge { dup /ImageType 4 put "
                                            "dup /MaskColor [255 255 255] put } if } if";
    s_PSPrintf("/DeviceRGB setcolorspace\n");
    writeImage(s, 8, "0 1 0 1 0 1", "image", maskWhite, colourRows(s));
  }
  s_PSPrintf("grestore\n");
}
