// Inside the font module: family resolution (font_map.cpp), FreeType faces and
// the glyph cache (font_cache.cpp), the byte -> character mapping
// (char_map.cpp). Only platform/font/ includes this header.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct GrafPort;

namespace vokfont {

// Text sizes are clamped to this range (pixels per em); 0 and negatives mean 12.
constexpr int kDefaultSize = 12;
constexpr int kMaxSize = 512;
int effectiveSize(int txSize);

// The only face bits that choose a font file; the others are drawn (underline)
// or ignored (outline, shadow, condense, extend).
constexpr int kStyleBold = 1, kStyleItalic = 2;

// Where the glyphs of one (family, bold/italic) come from.
struct ResolvedFace {
  std::string path;  // empty when no font at all could be found
  int index = 0;     // face index inside the file
  bool fakeBold = false, fakeItalic = false;  // synthesized: the family has no such file
  bool symbolEncoded = false;                 // bytes are the font's own codes, not Mac Roman
};

// Resolves a font number and its bold/italic bits to a font file (cached).
// A family that is not installed falls back to the system font, and the
// fallback is reported through setLastError.
const ResolvedFace& resolveFace(int familyID, int style);

void setLastError(const std::string& message);

// Unicode character of a Mac Roman byte; 0 for control bytes (no glyph, no width).
uint32_t macRomanToUnicode(uint8_t byte);

// One rendered glyph: an 8-bit coverage box placed relative to the pen on the
// baseline (left to the right of the pen, top above the baseline).
struct Glyph {
  int advance = 0;  // whole pixels the pen moves
  int left = 0, top = 0;
  int width = 0, height = 0;
  std::vector<uint8_t> coverage;  // width * height bytes, row after row
};

// A font at one size, face and rendering mode, with its 256 byte glyphs.
class SizedFont {
 public:
  virtual ~SizedFont() = default;
  virtual const Glyph& glyph(uint8_t byte) = 0;
  int advance(uint8_t byte) { return glyph(byte).advance; }
  int ascent = 0, descent = 0, leading = 0, widMax = 0;
  int underlineOffset = 1;  // rows below the baseline
  int underlineThickness = 1;
};

// The sized font for a port's text state (cached; valid until the next call
// that asks for a font not in the cache).
SizedFont* sizedFont(int familyID, int txSize, int txFace, bool antialias);

// Drops every sized font and its glyphs (tests; faces and files stay open).
void flushCaches();

// The sized font of a port's text state, in the current rendering mode.
SizedFont* portFont(const GrafPort* port);
// Whole pixels added to each space: the port's spExtra rounded.
int spaceExtraPixels(int32_t spExtra);
// Width of a run of bytes: the sum of the per-byte advances the pen makes.
long runWidth(SizedFont* f, const uint8_t* bytes, int count, int spaceExtra);
// Clamps a pixel count to the 16-bit range of coordinates and widths.
short clampShort(long v);

}  // namespace vokfont
