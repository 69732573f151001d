// Text drawn into offscreen ports: widths against the inked pixels, pen
// advance, faces, the text bottleneck, every character's glyph, and input
// that must not crash.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/font/font.h"
#include "tests/platform/gfx/canvas.h"

namespace {

using gfxtest::kBlack;
using gfxtest::kWhite;

using Canvas = gfxtest::Canvas;

// Leftmost pixel of row v that differs from white, or -1.
int leftmost(const Canvas& c, int v) {
  for (int h = 0; h < c.width(); ++h)
    if (c.at(h, v) != kWhite) return h;
  return -1;
}

void setText(const char* family, short size, short face = normal) {
  TextFont(gfxtest::fnum(family));
  TextSize(size);
  TextFace(face);
}

void draw(const std::string& s, short h, short v) {
  Str255 p;
  CopyCToPascal(s.c_str(), p);
  MoveTo(h, v);
  DrawString(p);
}

short width(const std::string& s) { return TextWidth(s.data(), 0, short(s.size())); }

const char* const kFamilies[] = {"Times", "Helvetica", "Courier", "Symbol", "Monaco", "Geneva"};

}  // namespace

// The measured width must be where the ink ends: labels are centred and
// right-aligned by it. H and I have side bearings of about a pixel in every
// family (Symbol's are Eta and Iota) and stand on the baseline. Bold is
// darker and no narrower; italic leans.
TEST(TextDraw, WidthsMatchTheInkAndFacesShowInEveryFamily) {
  for (const char* family : kFamilies) {
    for (short size : {9, 12, 18, 24}) {
      SCOPED_TRACE(std::string(family) + " " + std::to_string(size));
      Canvas c(400, 60);
      setText(family, size);
      draw("HIH", 20, 40);
      Rect ink = c.inkBox();
      short w = width("HIH");
      EXPECT_NEAR(ink.left, 20, 1 + size / 10);
      EXPECT_NEAR(ink.right, 20 + w, 1 + size / 10);
      EXPECT_EQ(gfxtest::penAt().h, 20 + w);
      EXPECT_EQ(gfxtest::penAt().v, 40);
      FontInfo fi;
      GetFontInfo(&fi);
      EXPECT_LE(40 - fi.ascent, ink.top);  // H stands on the baseline, below the ascent
      EXPECT_EQ(ink.bottom, 40);

      Canvas plain(400, 60), bolder(400, 60), slanted(400, 60);
      for (Canvas* k : {&plain, &bolder, &slanted}) {
        SetPort(k->port());
        setText(family, size, k == &plain ? normal : k == &bolder ? bold : italic);
        draw("Hill", 10, 40);
      }
      EXPECT_GT(bolder.count(kBlack), plain.count(kBlack) * 11 / 10);
      EXPECT_GE(bolder.inkBox().right, plain.inkBox().right);
      EXPECT_NE(slanted.pixels(), plain.pixels());
      // The H's left stem leans right: its top row starts right of its bottom row.
      Rect lean = slanted.inkBox();
      EXPECT_GT(leftmost(slanted, lean.top), leftmost(slanted, lean.bottom - 1));
    }
  }
  setText("Courier", 12);
  EXPECT_EQ(width("iiii"), width("MMMM"));  // Courier is monospaced
  setText("Times", 12);
  EXPECT_LT(width("iiii"), width("MMMM"));
  short plainW = width("Hammer");
  TextFace(bold);
  EXPECT_GT(width("Hammer"), plainW);  // Times Bold is wider
}

// Styled labels are drawn a character at a time and measured as strings.
TEST(TextDraw, CharByCharEndsWhereTheStringEnds) {
  Canvas c(400, 60);
  const std::string text = "Axis (mV) \xB5 = 12.5, fi\xA7";
  for (const char* family : kFamilies)
    for (short size : {0, 9, 10, 12, 14, 17, 24})
      for (short face : {short(normal), short(bold), short(italic), short(bold | italic), short(underline)}) {
        setText(family, size, face);
        SpaceExtra(size == 14 ? 0x28000 : 0);  // 2.5 px more per space
        draw(text, 5, 30);
        Point whole = gfxtest::penAt();
        MoveTo(5, 50);
        for (char ch : text) DrawChar(ch);
        EXPECT_EQ(whole.h, gfxtest::penAt().h) << family << " " << size << " face " << face;
        EXPECT_EQ(whole.h - 5, width(text));
        short sum = 0;
        for (char ch : text) sum += CharWidth(ch);
        EXPECT_EQ(sum, width(text));
        EXPECT_EQ(TextWidth(text.data(), 5, 4), width(text.substr(5, 4)));
      }
  SpaceExtra(0);
  setText("Times", 12);
  short space = CharWidth(' ');
  SpaceExtra(3 << 16);
  EXPECT_EQ(CharWidth(' '), space + 3);
  EXPECT_EQ(width("a b c"), width("abc") + 2 * (space + 3));
  SpaceExtra(0);
}

// Every printable byte is a real character of the free fonts: a wrong entry
// in the Mac Roman table or a wrong character map shows up as the font's
// missing-glyph shape (the maker's logo, 0xF0, is in none of them) or as
// nothing at all.
TEST(TextDraw, EveryMacRomanCharacterHasAGlyph) {
  for (const char* family : {"Times", "Helvetica", "Courier", "Geneva"}) {
    Canvas missing(40, 30);
    setText(family, 16);
    draw("\xF0", 10, 20);
    for (int b = 0x21; b < 0x100; ++b) {
      if (b == 0x7F || b == 0xCA || b == 0xF0) continue;  // delete, no-break space, logo
      Canvas c(40, 30);
      setText(family, 16);
      draw(std::string(1, char(b)), 10, 20);
      EXPECT_GT(c.count(kBlack), 0) << family << " byte " << std::hex << b;
      EXPECT_NE(c.pixels(), missing.pixels()) << family << " byte " << std::hex << b;
      EXPECT_GT(CharWidth(short(b)), 0);
    }
  }
}

namespace {
std::vector<std::string> g_recorded;
Point g_penAtCall;
void recordText(short byteCount, const void* textBuf, Point numer, Point denom) {
  g_recorded.emplace_back(static_cast<const char*>(textBuf), size_t(byteCount));
  GetPen(&g_penAtCall);
  EXPECT_EQ(numer.h, denom.h);
  EXPECT_EQ(numer.v, denom.v);
}
}  // namespace

// Recorders (redraw buffer, PostScript, pictures) replace the text
// bottleneck; every way of drawing text must reach it, with its bytes.
TEST(TextDraw, EveryTextCallGoesThroughTheBottleneck) {
  Canvas c(400, 60);
  CQDProcs procs;
  SetStdCProcs(&procs);
  procs.textProc = recordText;
  SetPortGrafProcs(c.port(), &procs);
  g_recorded.clear();
  MoveTo(7, 30);
  draw("abc", 7, 30);
  DrawChar('x');
  DrawText("hello", 1, 3);
  const unsigned char high[] = {2, 0xA5, 0x29};
  DrawString(high);
  EXPECT_EQ(g_recorded, (std::vector<std::string>{"abc", "x", "ell", "\xA5)"}));
  EXPECT_EQ(c.count(kWhite), 400 * 60);  // the replacement drew nothing
  EXPECT_EQ(g_penAtCall.h, 7);
  SetPortGrafProcs(c.port(), nullptr);
}

// Nothing a program can pass may crash or write outside the raster.
TEST(TextDraw, BadInputIsHarmless) {
  Canvas c(50, 20);
  setText("Times", 12);
  DrawText(nullptr, 0, 5);
  DrawText("abc", 0, -1);
  DrawText("abc", -3, 2);
  DrawString(nullptr);
  EXPECT_EQ(TextWidth(nullptr, 0, 3), 0);
  EXPECT_EQ(StringWidth(nullptr), 0);
  GetFontInfo(nullptr);
  TextFont(12345);  // no such font: the system font
  draw("ok", 5, 15);
  EXPECT_GT(c.count(kBlack), 0);
  EXPECT_GT(width("ok"), 0);
  TextFont(0);
  std::string control = "\t\r\n\x01\x7F";
  EXPECT_EQ(width(control), 0);  // control bytes have no glyph and no width
  TextSize(-4);
  short negative = width("x");
  TextSize(0);  // the default 12, as a negative size is
  short zero = width("x");
  TextSize(12);
  EXPECT_EQ(negative, width("x"));
  EXPECT_EQ(zero, width("x"));
  TextSize(32000);  // clamped, drawn mostly outside the port
  std::string longText(255, 'W');
  draw(longText, -100, 15);
  EXPECT_GT(c.count(kBlack), 0);
  TextSize(12);
  MoveTo(32700, 10);
  draw(longText, 32700, 10);
  EXPECT_EQ(gfxtest::penAt().h, 32767);  // clamped, not wrapped round to negative
  MoveTo(-32700, 10);
  DrawString(reinterpret_cast<const unsigned char*>("\x05Hello"));
  SpaceExtra(-40 * 65536);  // spaces that step back further than the text goes on
  draw("a    b", 40, 15);
  EXPECT_EQ(gfxtest::penAt().h, 40 + width("a    b"));
  EXPECT_LT(gfxtest::penAt().h, 40);
  SpaceExtra(Fixed(-0x7FFFFFFF - 1));
  draw(std::string(255, ' '), 0, 15);
  SpaceExtra(0);
}

