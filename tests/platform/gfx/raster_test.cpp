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
  // Each run draws the mask once per listed mode (-1: the port's default), then
  // finds the pixels (x, y) given.
  struct Probe {
    int x, y;
    uint32_t want;
  };
  const struct {
    std::vector<int> modes;
    std::vector<Probe> probes;
  } runs[] = {
      // The default is srcOr: half coverage is half red over black.
      {{-1}, {{0, 0, kRed}, {1, 0, kBlack}, {2, 0, 0xFF800000u}, {0, 1, kWhite}, {1, 1, kRed}}},
      {{srcCopy}, {{1, 0, kBlue}, {0, 1, kBlue}, {3, 1, kRed}}},  // the box's background is painted
      {{srcXor}, {{0, 0, kWhite}, {1, 1, kBlack}}},
      {{srcXor, srcXor}, {{0, 0, kBlack}, {1, 1, kWhite}}},  // twice restores
      {{srcBic}, {{0, 0, kBlue}, {1, 0, kBlack}}},
      // notSrcOr after srcBic: uncovered pixels take the ink, covered ones stay as srcBic made them.
      {{srcBic, notSrcOr}, {{1, 0, kRed}, {0, 1, kRed}, {3, 1, kBlue}}},
  };
  for (const auto& run : runs) {
    SCOPED_TRACE(&run - runs);
    Canvas c(4, 2);
    prepare(c);
    for (int mode : run.modes) {
      if (mode >= 0) TextMode(short(mode));
      VokDrawGlyphMask(c.port(), 0, 0, kMask, 4, 2, 4);
    }
    for (const Probe& p : run.probes)
      EXPECT_EQ(c.at(p.x, p.y), p.want) << p.x << "," << p.y;
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
