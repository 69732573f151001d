// FreeType faces (one per font file) and sized fonts (one per family, bold/
// italic, size and rendering mode) whose 256 byte glyphs are rendered on
// first use and kept, so labels drawn thousands of times cost a table lookup.
// Advances are the unhinted advances rounded to whole pixels, so widths do
// not change with hinting or anti-aliasing and stay those of the PostScript
// fonts. Shapes are hinted only vertically, so that each keeps the width it
// is measured with: full hinting of one-bit glyphs narrows or widens letters
// to other advances and opens gaps in words; dropout control keeps 9-12 px
// text legible.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SIZES_H

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <unordered_map>

#include "platform/font/face_file.h"
#include "platform/font/font_internal.h"

namespace vokfont {
namespace {

FT_Library library() {
  static FT_Library lib = [] {
    FT_Library l = nullptr;
    if (FT_Init_FreeType(&l) != 0) l = nullptr;
    return l;
  }();
  return lib;
}

// Per-file data measured once in font units: the extent of the printable
// ASCII ink and the widest advance among the 256 byte characters.
struct FaceEntry {
  FT_Face face = nullptr;
  bool symbol = false;  // no Unicode map, or the family says so
  long inkTop = 0, inkBottom = 0, maxAdvance = 0;
  std::array<FT_UInt, 256> glyphIndex{};
};

std::map<std::pair<std::string, int>, std::unique_ptr<FaceEntry>> g_faces;

// The glyph of a symbol-encoded byte: the font's own encoding first, then a
// Unicode map holding the codes as they are, then the symbol area of a
// symbol map.
FT_UInt symbolIndex(FT_Face face, uint8_t byte) {
  const FT_Encoding order[] = {FT_ENCODING_ADOBE_CUSTOM, FT_ENCODING_UNICODE, FT_ENCODING_MS_SYMBOL};
  for (FT_Encoding enc : order) {
    if (FT_Select_Charmap(face, enc) != 0) continue;
    FT_UInt gi = FT_Get_Char_Index(face, enc == FT_ENCODING_MS_SYMBOL ? 0xF000u + byte : byte);
    if (gi) return gi;
  }
  return 0;
}

void mapBytes(FaceEntry& e) {
  FT_Face face = e.face;
  if (!e.symbol && FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) e.symbol = true;
  for (int b = 0x20; b < 256; ++b) {
    if (b == 0x7F) continue;
    if (e.symbol) {
      e.glyphIndex[size_t(b)] = symbolIndex(face, uint8_t(b));
    } else {
      uint32_t u = macRomanToUnicode(uint8_t(b));
      FT_UInt gi = FT_Get_Char_Index(face, u);
      if (!gi && u == 0x00A0) gi = FT_Get_Char_Index(face, ' ');
      e.glyphIndex[size_t(b)] = gi;
    }
  }
  if (e.symbol) FT_Select_Charmap(face, FT_ENCODING_UNICODE);
}

void measureFace(FaceEntry& e) {
  e.inkTop = e.face->ascender;
  e.inkBottom = e.face->descender;
  bool first = true;
  for (int b = 0x20; b < 256; ++b) {
    FT_UInt gi = e.glyphIndex[size_t(b)];
    if (b == 0x7F || (!gi && b != 0x20)) continue;
    if (FT_Load_Glyph(e.face, gi, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) continue;
    const FT_Glyph_Metrics& m = e.face->glyph->metrics;
    e.maxAdvance = std::max<long>(e.maxAdvance, m.horiAdvance);
    if (b > 0x20 && b < 0x7F && m.height > 0) {
      long top = m.horiBearingY, bottom = m.horiBearingY - m.height;
      e.inkTop = first ? top : std::max(e.inkTop, top);
      e.inkBottom = first ? bottom : std::min(e.inkBottom, bottom);
      first = false;
    }
  }
}

FaceEntry* openFace(const ResolvedFace& rf) {
  if (rf.path.empty() || !library()) return nullptr;
  auto key = std::make_pair(rf.path, rf.index);
  auto it = g_faces.find(key);
  if (it != g_faces.end()) return it->second.get();
  auto e = std::make_unique<FaceEntry>();
  if (OpenFaceFile(library(), rf.path.c_str(), rf.index, &e->face) != 0 || !FT_IS_SCALABLE(e->face)) {
    if (e->face) FT_Done_Face(e->face);
    setLastError("Cannot use the font file " + rf.path + "; its text is measured but not drawn");
    g_faces.emplace(key, nullptr);
    return nullptr;
  }
  e->symbol = rf.symbolEncoded;
  mapBytes(*e);
  measureFace(*e);
  return g_faces.emplace(key, std::move(e)).first->second.get();
}

long roundDiv(long num, long den) { return den > 0 ? (num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den)) : 0; }

class FtSizedFont : public SizedFont {
 public:
  FtSizedFont(FaceEntry* entry, int px, bool aa, bool fakeBold, bool fakeItalic)
      : entry_(entry), aa_(aa), fakeBold_(fakeBold), fakeItalic_(fakeItalic) {
    FT_Face face = entry->face;
    if (FT_New_Size(face, &size_) != 0) size_ = nullptr;
    if (size_ && (FT_Activate_Size(size_) != 0 || FT_Set_Pixel_Sizes(face, 0, FT_UInt(px)) != 0)) {
      FT_Done_Size(size_);
      size_ = nullptr;
    }
    long upm = face->units_per_EM > 0 ? face->units_per_EM : 1000;
    boldPx_ = fakeBold_ ? std::max(1, int(std::lround(px / 14.0))) : 0;
    ascent = int(roundDiv(entry->inkTop * px, upm));
    descent = int(roundDiv(-entry->inkBottom * px, upm));
    if (descent < 0) descent = 0;
    int line = int(roundDiv(long(face->height) * px, upm));
    leading = std::max(0, line - ascent - descent);
    widMax = int(roundDiv(entry->maxAdvance * px, upm)) + boldPx_;
    underlineOffset = std::max(1, int(roundDiv(-long(face->underline_position) * px, upm)));
    underlineThickness = std::max(1, int(roundDiv(long(face->underline_thickness) * px, upm)));
    if (underlineOffset > descent && descent > 0) underlineOffset = descent;
  }
  ~FtSizedFont() override {
    if (size_) FT_Done_Size(size_);
  }

  const Glyph& glyph(uint8_t byte) override {
    if (!loaded_[byte]) {
      render(byte, glyphs_[byte]);
      loaded_[byte] = true;
      bytes_ += glyphs_[byte].coverage.size() + sizeof(Glyph);
    }
    return glyphs_[byte];
  }
  size_t bytesUsed() const { return bytes_; }

 private:
  void render(uint8_t byte, Glyph& g);
  void copyBitmap(const FT_Bitmap& bm, Glyph& g);

  FaceEntry* entry_;
  FT_Size size_ = nullptr;
  bool aa_, fakeBold_, fakeItalic_;
  int boldPx_ = 0;
  std::array<Glyph, 256> glyphs_;
  std::array<bool, 256> loaded_{};
  size_t bytes_ = 0;
};

void FtSizedFont::copyBitmap(const FT_Bitmap& bm, Glyph& g) {
  g.width = int(bm.width);
  g.height = int(bm.rows);
  g.coverage.assign(size_t(g.width) * size_t(g.height), 0);
  for (int y = 0; y < g.height; ++y) {
    const uint8_t* row = bm.buffer + long(y) * bm.pitch;
    uint8_t* out = g.coverage.data() + size_t(y) * size_t(g.width);
    for (int x = 0; x < g.width; ++x) {
      if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
        out[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
      else
        out[x] = bm.num_grays == 256 ? row[x] : uint8_t(row[x] * 255 / std::max(1, bm.num_grays - 1));
    }
  }
}

// Renders one byte: hinted outline -> synthetic oblique and bold if the family
// has no such file -> bitmap. Bold widens to the right by whole pixels so the
// hinted stems stay on the pixel grid.
void FtSizedFont::render(uint8_t byte, Glyph& g) {
  FT_UInt gi = entry_->glyphIndex[byte];
  if (byte < 0x20 || byte == 0x7F) return;  // control bytes: no glyph, no width
  FT_Face face = entry_->face;
  if (!size_ || FT_Activate_Size(size_) != 0) return;
  FT_Int32 flags = FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_LIGHT;  // one-bit glyphs too: see the top
  if (FT_Load_Glyph(face, gi, flags) != 0) return;
  FT_GlyphSlot slot = face->glyph;
  g.advance = int(std::lround(slot->linearHoriAdvance / 65536.0)) + boldPx_;
  if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return;
  if (fakeItalic_) {
    FT_Matrix shear = {0x10000, 0x0366A, 0, 0x10000};  // about 12 degrees
    FT_Outline_Transform(&slot->outline, &shear);
  }
  if (fakeBold_ && slot->outline.n_points > 0) {
    FT_Outline_EmboldenXY(&slot->outline, boldPx_ * 64, 0);
    FT_Outline_Translate(&slot->outline, boldPx_ * 32, 0);
  }
  if (!aa_) slot->outline.flags |= FT_OUTLINE_SMART_DROPOUTS | FT_OUTLINE_INCLUDE_STUBS;
  if (FT_Render_Glyph(slot, aa_ ? FT_RENDER_MODE_LIGHT : FT_RENDER_MODE_MONO) != 0) return;
  g.left = slot->bitmap_left;
  g.top = slot->bitmap_top;
  copyBitmap(slot->bitmap, g);
}

// No usable font at all: text still has widths (half an em) so layout works.
class NullSizedFont : public SizedFont {
 public:
  explicit NullSizedFont(int px) {
    ascent = int(std::lround(px * 0.8));
    descent = px - ascent;
    widMax = px;
    for (int b = 0x20; b < 256; ++b) glyphs_[size_t(b)].advance = b == 0x7F ? 0 : std::max(1, px / 2);
  }
  const Glyph& glyph(uint8_t byte) override { return glyphs_[byte]; }

 private:
  std::array<Glyph, 256> glyphs_;
};

// Ink of a few stems, to tell whether a bold file looks bold at a size.
long stemInk(SizedFont& f) {
  long sum = 0;
  for (uint8_t c : {'l', 'I', 'H', 'n'})
    for (uint8_t v : f.glyph(c).coverage) sum += v;
  return sum;
}

std::unique_ptr<SizedFont> makeFont(int familyID, int style, int px, bool aa) {
  const ResolvedFace& rf = resolveFace(familyID, style);
  FaceEntry* entry = openFace(rf);
  if (!entry) return std::make_unique<NullSizedFont>(px);
  auto f = std::make_unique<FtSizedFont>(entry, px, aa, rf.fakeBold, rf.fakeItalic);
  // Hinted to whole-pixel stems, a bold file can come out exactly like the
  // plain one at small sizes; then the plain face widened by a pixel reads
  // as bold where the bold file does not.
  if ((style & kStyleBold) && !rf.fakeBold && !aa) {
    const ResolvedFace& plain = resolveFace(familyID, style & ~kStyleBold);
    if (FaceEntry* pe = openFace(plain)) {
      FtSizedFont probe(pe, px, aa, false, plain.fakeItalic);
      if (stemInk(*f) * 8 <= stemInk(probe) * 9) f = std::make_unique<FtSizedFont>(pe, px, aa, true, plain.fakeItalic);
    }
  }
  return f;
}

constexpr size_t kMaxSizedFonts = 256;
constexpr size_t kMaxGlyphBytes = size_t(64) << 20;

std::unordered_map<uint64_t, std::unique_ptr<SizedFont>> g_sized;
uint64_t g_lastKey = ~uint64_t(0);
SizedFont* g_last = nullptr;

size_t glyphBytes() {
  size_t total = 0;
  for (auto& kv : g_sized)
    if (auto* f = dynamic_cast<FtSizedFont*>(kv.second.get())) total += f->bytesUsed();
  return total;
}

}  // namespace

int effectiveSize(int txSize) {
  if (txSize <= 0) return kDefaultSize;
  return std::min(txSize, kMaxSize);
}

SizedFont* sizedFont(int familyID, int txSize, int txFace, bool antialias) {
  int style = txFace & (kStyleBold | kStyleItalic);
  int px = effectiveSize(txSize);
  uint64_t key = (uint64_t(uint16_t(familyID)) << 24) | (uint64_t(style) << 20) | (uint64_t(antialias) << 19) |
                 uint64_t(px);
  if (key == g_lastKey && g_last) return g_last;
  auto it = g_sized.find(key);
  if (it == g_sized.end()) {
    // Bounded memory: a program cycling through many sizes starts afresh.
    if (g_sized.size() >= kMaxSizedFonts || glyphBytes() > kMaxGlyphBytes) g_sized.clear();
    it = g_sized.emplace(key, makeFont(familyID, style, px, antialias)).first;
  }
  g_lastKey = key;
  g_last = it->second.get();
  return g_last;
}

void flushCaches() {
  g_sized.clear();
  g_last = nullptr;
  g_lastKey = ~uint64_t(0);
}

}  // namespace vokfont
