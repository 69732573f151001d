// Glyph masks and spans for the text code: every text mode, partial
// coverage, clipping by region and raster edge.
#include "platform/gfx/raster.h"

#include "tests/platform/gfx/canvas.h"

using namespace gfxtest;

namespace {
// A 4 x 2 mask: full, none, half, full / none, full, none, full.
const uint8_t kMask[] = {255, 0, 128, 255, 0, 255, 0, 255};
const uint32_t kRed = 0xFFFF0000u, kBlue = 0xFF0000FFu;

void prepare(Canvas& c) {
  for (int x = 0; x < c.width(); ++x) c.set(x, 0, kBlack), c.set(x, 1, kWhite);
  ForeColor(redColor);
  BackColor(blueColor);
}
}  // namespace

TEST(Raster, GlyphMasksFollowTheTextMode) {
  {
    Canvas c(4, 2);
    prepare(c);
    VokDrawGlyphMask(c.port(), 0, 0, kMask, 4, 2, 4);  // srcOr: the port's default
    EXPECT_EQ(c.at(0, 0), kRed);
    EXPECT_EQ(c.at(1, 0), kBlack);
    EXPECT_EQ(c.at(2, 0), 0xFF800000u);  // half red over black
    EXPECT_EQ(c.at(0, 1), kWhite);
    EXPECT_EQ(c.at(1, 1), kRed);
  }
  {
    Canvas c(4, 2);
    prepare(c);
    TextMode(srcCopy);
    VokDrawGlyphMask(c.port(), 0, 0, kMask, 4, 2, 4);
    EXPECT_EQ(c.at(1, 0), kBlue);  // the box's background is painted
    EXPECT_EQ(c.at(0, 1), kBlue);
    EXPECT_EQ(c.at(3, 1), kRed);
  }
  {
    Canvas c(4, 2);
    prepare(c);
    TextMode(srcXor);
    VokDrawGlyphMask(c.port(), 0, 0, kMask, 4, 2, 4);
    EXPECT_EQ(c.at(0, 0), kWhite);
    EXPECT_EQ(c.at(1, 1), kBlack);
    VokDrawGlyphMask(c.port(), 0, 0, kMask, 4, 2, 4);
    EXPECT_EQ(c.at(0, 0), kBlack);  // twice restores
    EXPECT_EQ(c.at(1, 1), kWhite);
  }
  {
    Canvas c(4, 2);
    prepare(c);
    TextMode(srcBic);
    VokDrawGlyphMask(c.port(), 0, 0, kMask, 4, 2, 4);
    EXPECT_EQ(c.at(0, 0), kBlue);
    EXPECT_EQ(c.at(1, 0), kBlack);
    TextMode(notSrcOr);
    VokDrawGlyphMask(c.port(), 0, 0, kMask, 4, 2, 4);
    EXPECT_EQ(c.at(1, 0), kRed);  // uncovered pixels take the ink
    EXPECT_EQ(c.at(0, 1), kRed);
    EXPECT_EQ(c.at(3, 1), kBlue);  // covered: left as srcBic made it
  }
}

TEST(Raster, GlyphMasksAndSpansAreClipped) {
  Canvas c(6, 4);
  RgnHandle clip = NewRgn(), hole = NewRgn();
  SetRectRgn(clip, 0, 0, 6, 4);
  SetRectRgn(hole, 2, 0, 3, 4);
  DiffRgn(clip, hole, clip);
  SetClip(clip);
  std::vector<uint8_t> full(16, 255);
  VokDrawGlyphMask(c.port(), 1, 1, full.data(), 4, 4, 4);  // hangs off the bottom edge
  EXPECT_TRUE(looksLike(c, R"(
    ......
    .#.##.
    .#.##.
    .#.##.)", "glyphclip"));
  VokDrawGlyphMask(c.port(), -100, -100, full.data(), 4, 4, 4);
  VokDrawGlyphMask(c.port(), 0, 0, nullptr, 4, 4, 4);
  VokFillSpan(c.port(), 0, -5, 50, srcCopy);
  EXPECT_TRUE(looksLike(c, R"(
    ##.###
    .#.##.
    .#.##.
    .#.##.)", "spanclip"));
  VokFillSpan(c.port(), 0, 0, 6, srcXor);
  EXPECT_EQ(c.at(0, 0), kWhite);
  VokFillSpan(c.port(), 3, 0, 6, patCopy);  // the pen pattern (black)
  EXPECT_EQ(c.at(5, 3), kBlack);
  VokFillSpan(c.port(), 3, 4, 2, srcCopy);  // backwards: nothing
  DisposeRgn(clip);
  DisposeRgn(hole);
}
