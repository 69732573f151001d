// Clipping (clip region, visible region, raster edge, changes seen at once)
// and pixel copies: nearest-neighbour scaling, the copy modes, masks,
// overlapping copies, 1-bit destinations, scrolling.
#include <functional>

#include "tests/platform/gfx/canvas.h"

using namespace gfxtest;

// Every primitive keeps to a clip with curved edges (an oval) and to the
// visible region the window layer narrows, and a clip changed in place takes
// effect for the next primitive.
TEST(Clipping, EveryPrimitiveHonoursTheClipAndVisibleRegions) {
  Canvas c(40, 40);
  Rect o = rect(0, 0, 40, 40), r = rect(-5, -5, 45, 45);
  Rgn clip = recordRgn([&] { FrameOval(&o); });
  SetClip(clip);
  SetRectRgn(c.port()->visRgn, 0, 0, 36, 40);  // the window layer narrows visRgn like this
  PolyHandle p = polygon({{-5, -5}, {45, -5}, {45, 45}, {-5, -5}});
  PenSize(3, 3);
  const std::function<void()> draws[] = {[&] { PaintRect(&r); },
                                         [&] { PaintRoundRect(&r, 9, 9); },
                                         [&] { PaintOval(&r); },
                                         [&] { PaintArc(&r, 0, 270); },
                                         [&] { PaintPoly(p); },
                                         [&] {
                                           for (int k = -40; k < 40; k += 3) line(k, -2, k + 40, 42);
                                         },
                                         [&] { PaintRgn(clip); }};
  for (const auto& draw : draws) {
    EraseRect(&o);
    draw();
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x)
        ASSERT_TRUE(c.at(x, y) != kBlack || (x < 36 && PtInRgn(Point{short(y), short(x)}, clip))) << x << "," << y;
    EXPECT_GT(c.count(kBlack), 0);
  }
  KillPoly(p);
  EraseRect(&o);
  PenNormal();
  SetRectRgn(c.port()->clipRgn, 0, 0, 2, 2);
  line(0, 0, 11, 7);
  EXPECT_EQ(c.count(kBlack), 2);
  ClipRect(&r);
  Rgn got;
  GetClip(got);
  Rect b;
  GetRegionBounds(got, &b);
  EXPECT_EQ(b.right, 45);
}

namespace {
// A 2 x 2 source of four colours.
struct Quad {
  GWorldPtr world = nullptr;
  Quad() {
    Rect b = rect(0, 0, 2, 2);
    NewGWorld(&world, 0, &b, nullptr, nullptr, 0);
    uint32_t* px = world->portPixMap.baseAddr;
    px[0] = 0xFFFF0000u, px[1] = 0xFF00FF00u, px[2] = 0xFF0000FFu, px[3] = kBlack;
  }
  ~Quad() { DisposeGWorld(world); }
  const BitMap* bits() const { return GetPortBitMapForCopyBits(world); }
};
}  // namespace

TEST(CopyBits, ScalesByNearestNeighbour) {
  Quad q;
  Canvas c(6, 6);
  Rect src = rect(0, 0, 2, 2), dst = rect(1, 1, 5, 5);
  CopyBits(q.bits(), GetPortBitMapForCopyBits(c.port()), &src, &dst, srcCopy, nullptr);
  for (int y = 1; y < 5; ++y)
    for (int x = 1; x < 5; ++x) EXPECT_EQ(c.at(x, y), q.bits()->baseAddr[(y - 1) / 2 * 2 + (x - 1) / 2]) << x << "," << y;
  EXPECT_EQ(c.at(0, 0), kWhite);
  EXPECT_EQ(c.at(5, 5), kWhite);
  // Shrinking 4 x 4 back to 2 x 2 samples the pixel under each centre.
  Canvas small(2, 2);
  Rect big = rect(1, 1, 5, 5), two = rect(0, 0, 2, 2);
  CopyBits(GetPortBitMapForCopyBits(c.port()), GetPortBitMapForCopyBits(small.port()), &big, &two, srcCopy, nullptr);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(small.at(i % 2, i / 2), q.bits()->baseAddr[i]);
}

TEST(CopyBits, ModesTreatNonWhiteSourcePixelsAsInk) {
  // Source: black, white, red, white; destination: blue everywhere.
  const uint32_t blue = 0xFF0000FFu, red = 0xFFFF0000u, sand = 0xFFFFEE88u;
  struct Case {
    short mode;
    uint32_t onBlack, onWhite, onRed;
  };
  const Case cases[] = {
      {srcCopy, kBlack, kWhite, red},     {srcOr, kBlack, blue, red},         {srcXor, 0xFFFFFF00u, blue, 0xFF00FF00u},
      {srcBic, sand, blue, sand},         {notSrcCopy, kWhite, kBlack, 0xFF00FFFFu}, {notSrcOr, blue, kBlack, 0xFF00FFFFu},
  };
  for (const Case& k : cases) {
    Canvas src(3, 1);
    src.set(0, 0, kBlack);
    src.set(2, 0, red);
    Canvas c(3, 1);
    Rect all = rect(0, 0, 3, 1);
    ForeColor(blueColor);
    PaintRect(&all);
    RGBColor s{0xFFFF, 0xEEEE, 0x8888};
    RGBBackColor(&s);
    CopyBits(GetPortBitMapForCopyBits(src.port()), GetPortBitMapForCopyBits(c.port()), &all, &all, k.mode, nullptr);
    EXPECT_EQ(c.pixels(), (std::vector<uint32_t>{k.onBlack, k.onWhite, k.onRed})) << "mode " << k.mode;
  }
}

TEST(CopyBits, MaskClipAndSourceEdgesLimitWhatIsWritten) {
  Quad q;
  Canvas c(8, 8);
  ClipRect(&(const Rect&)rect(0, 0, 4, 8));
  Rect src = rect(0, 0, 2, 2), dst = rect(0, 0, 8, 8);
  CopyBits(q.bits(), GetPortBitMapForCopyBits(c.port()), &src, &dst, srcCopy, Rgn(0, 0, 8, 4));
  EXPECT_EQ(c.count(kWhite), 64 - 16);  // only the top-left quarter is written
  EXPECT_EQ(c.at(3, 3), 0xFFFF0000u);
  // A source rectangle reaching past the source raster writes only what exists.
  Canvas d(8, 8);
  Rect wide = rect(-2, -2, 4, 4), same = rect(0, 0, 6, 6);
  CopyBits(q.bits(), GetPortBitMapForCopyBits(d.port()), &wide, &same, srcCopy, nullptr);
  EXPECT_EQ(d.count(kWhite), 64 - 4);
  EXPECT_EQ(d.at(2, 2), 0xFFFF0000u);
}

TEST(CopyBits, OverlappingCopiesWithinOneRasterReadTheOldPixels) {
  Canvas c(10, 1);
  for (int x = 0; x < 10; ++x) c.set(x, 0, 0xFF000000u | uint32_t(x));
  Rect from = rect(0, 0, 8, 1), to = rect(2, 0, 10, 1);
  const BitMap* bits = GetPortBitMapForCopyBits(c.port());
  CopyBits(bits, bits, &from, &to, srcCopy, nullptr);
  for (int x = 2; x < 10; ++x) EXPECT_EQ(c.at(x, 0), 0xFF000000u | uint32_t(x - 2));
}

TEST(CopyBits, OneBitRastersKeepOnlyBlackAndWhite) {
  GWorldPtr mono = nullptr;
  Rect b = rect(0, 0, 4, 1);
  ASSERT_EQ(NewGWorld(&mono, 1, &b, nullptr, nullptr, 0), noErr);
  Canvas c(4, 1);
  c.set(0, 0, 0xFF202020u);  // dark grey
  c.set(1, 0, 0xFFFFFF00u);  // yellow: bright
  c.set(2, 0, 0xFF0000FFu);  // blue: dark
  CopyBits(GetPortBitMapForCopyBits(c.port()), GetPortBitMapForCopyBits(mono), &b, &b, srcCopy, nullptr);
  const uint32_t* px = mono->portPixMap.baseAddr;
  EXPECT_EQ(std::vector<uint32_t>(px, px + 4), (std::vector<uint32_t>{kBlack, kWhite, kBlack, kWhite}));
  // Drawing into it paints any colour but white as black.
  SetGWorld(mono, nullptr);
  ForeColor(yellowColor);
  Rect one = rect(3, 0, 4, 1);
  PaintRect(&one);
  EXPECT_EQ(px[3], kBlack);
  ForeColor(whiteColor);
  PaintRect(&one);
  EXPECT_EQ(px[3], kWhite);
  SetGWorld(c.port(), nullptr);
  DisposeGWorld(mono);
}
