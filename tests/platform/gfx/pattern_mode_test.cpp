// Patterns and transfer modes: the system list, alignment of patterns to the
// port's local origin, what each pen mode does to fore and back colours, and
// xor drawing undoing itself for every kind of shape.

#include <cstring>

#include "tests/platform/gfx/canvas.h"

using namespace gfxtest;

namespace {
Pattern pattern(short index) {
  Pattern p;
  GetIndPattern(&p, 0, index);
  return p;
}
bool patBit(const Pattern& p, int x, int y) { return (p.pat[y & 7] >> (7 - (x & 7))) & 1; }
}  // namespace

TEST(Patterns, FillsAreAlignedToTheLocalOrigin) {
  Canvas c(20, 12);
  Pattern p = pattern(24);
  Rect r = rect(3, 2, 19, 11);
  FillRect(&r, &p);
  for (int y = 2; y < 11; ++y)
    for (int x = 3; x < 19; ++x) ASSERT_EQ(c.at(x, y), patBit(p, x, y) ? kBlack : kWhite) << x << "," << y;
  // After moving the origin by (3, 1) the same pixels hold the pattern
  // at their new local coordinates.
  SetOrigin(3, 1);
  Rect all = rect(3, 1, 23, 13);
  FillRect(&all, &p);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(c.at(x, y), patBit(p, x + 3, y + 1) ? kBlack : kWhite) << x << "," << y;
}

// Fore colour red, back colour blue, grey pattern over a white left half and
// a black right half: every mode against a table worked out by hand.
TEST(Patterns, PenModesCombinePatternColoursAndDestinationAsDocumented) {
  const uint32_t red = 0xFFFF0000u, blue = 0xFF0000FFu, white = kWhite, black = kBlack;
  struct Case {
    short mode;
    uint32_t setOnWhite, clearOnWhite, setOnBlack, clearOnBlack;  // the top row, left to right
  };
  const Case cases[] = {
      {patCopy, red, blue, red, blue},       {patOr, red, white, red, black},
      {patXor, black, white, white, black},  {patBic, blue, white, blue, black},
      {notPatCopy, blue, red, blue, red},    {notPatOr, white, red, black, red},
      {notPatXor, white, black, black, white}, {notPatBic, white, blue, black, blue},
  };
  Pattern gray = pattern(3);
  for (const Case& k : cases) {
    for (short mode : {k.mode, short(k.mode - 8)}) {  // source modes act as pattern modes
      Canvas c(4, 1);  // the top row of the pattern
      Rect right = rect(2, 0, 4, 2), all = rect(0, 0, 4, 2);
      PaintRect(&right);
      ForeColor(redColor);
      BackColor(blueColor);
      PenMode(mode);
      PenPat(&gray);
      PaintRect(&all);
      // Grey has its bit set at (0, 0) and (2, 0), clear at (1, 0) and (3, 0).
      EXPECT_EQ(c.pixels(), (std::vector<uint32_t>{k.setOnWhite, k.clearOnWhite, k.setOnBlack, k.clearOnBlack}))
          << "mode " << mode;
    }
  }
}

TEST(Patterns, EraseUsesTheBackgroundAndFillIgnoresThePenMode) {
  Canvas c(6, 2);
  Rect r = rect(0, 0, 6, 2);
  PaintRect(&r);
  RGBColor sand{0xFFFF, 0xEEEE, 0x8888};
  RGBBackColor(&sand);
  PenMode(patXor);
  EraseRect(&r);
  EXPECT_EQ(c.at(3, 1), 0xFFFFEE88u);
  Pattern p = pattern(11);  // vertical lines every 2nd column
  FillRect(&r, &p);
  EXPECT_EQ(c.at(0, 0), kBlack);
  EXPECT_EQ(c.at(1, 0), 0xFFFFEE88u);
  // A pixel pattern fill draws its own pattern and leaves it as the port's fill pattern.
  PixPatHandle pp = NewPixPat();
  const Pattern white = pattern(7);
  (*pp)->pat1Data = white;
  FillCRect(&r, pp);
  DisposePixPat(pp);
  EXPECT_EQ(c.count(0xFFFFEE88u), 12);
  PixPatHandle got = NewPixPat();
  GetPortFillPixPat(c.port(), got);
  EXPECT_EQ(std::memcmp(&(*got)->pat1Data, &white, sizeof white), 0);
  DisposePixPat(got);
}

TEST(Patterns, XorDrawingTwiceRestoresTheDestination) {
  Canvas c(48, 40);
  // A busy background: stripes of colours and a pattern.
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 48; ++x) c.set(x, y, 0xFF000000u | uint32_t(x * 5) << 16 | uint32_t(y * 6) << 8 | 0x40);
  std::vector<uint32_t> before = c.pixels();
  Rect r = rect(3, 4, 41, 33);
  Rgn rgn(3, 4, 41, 33);
  rgn.minus(10, 10, 20, 20);
  PolyHandle poly = polygon({{5, 5}, {40, 12}, {20, 35}, {5, 5}});
  Pattern p = pattern(21);
  auto drawAll = [&] {
    line(1, 1, 46, 38);
    LineTo(2, 30);
    FrameRect(&r);
    PaintRect(&r);
    FrameOval(&r);
    PaintOval(&r);
    FrameRoundRect(&r, 12, 9);
    PaintRoundRect(&r, 12, 9);
    FrameArc(&r, 30, 200);
    PaintArc(&r, -40, 300);
    FramePoly(poly);
    PaintPoly(poly);
    FrameRgn(rgn);
    PaintRgn(rgn);
    InvertRect(&r);
    InvertOval(&r);
  };
  for (short size = 1; size <= 3; ++size) {
    PenSize(size, size);
    for (short mode : {patXor, srcXor, notPatXor}) {
      PenMode(mode);
      PenPat(&p);
      drawAll();
      EXPECT_NE(c.pixels(), before);
      drawAll();
      EXPECT_EQ(c.pixels(), before) << "pen " << size << " mode " << mode;
    }
  }
  KillPoly(poly);
}
