// EPS files read back by Ghostscript: they must parse, leave clean stacks,
// paint inside the box they declare, and look like our own raster of the
// same drawing. The vector file is compared by ink (edges may move by about
// a pixel: PostScript strokes are centred on the coordinates, one point wide,
// and ovals are drawn with the file's Bezier approximation); the bitmap files
// must match pixel for pixel.
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "tests/support/ghostscript.h"
#include "tests/support/vok_ink.h"
#include "tests/vok/draw/draw_fixture.h"

using drawtest::DrawTest;
using vtest::Box;
using vtest::Image;

namespace {
const short kW = 420, kH = 320;
const Rect kTextArea = {230, 10, 312, 410};    // text is compared by its ink box only
const Rect kThickLine = {262, 280, 300, 382};  // the 3-pixel pen: a 1-point line in the file

bool inside(const Rect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

// One of everything the bottlenecks and wrappers record.
void drawEveryPrimitive() {
  Pattern gray, diag = {{0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}};
  GetQDGlobalsGray(&gray);
  // A marker at each point of a polyline: every shape's fill consumes the
  // current point that the next line continues from.
  s_MoveTo(140, 5);
  for (short i = 1; i <= 4; ++i) {
    s_LineTo(short(140 + 30 * i), short(5 + 8 * (i % 2)));
    Point pen;
    GetPen(&pen);
    Rect box = {short(pen.v - 3), short(pen.h - 3), short(pen.v + 3), short(pen.h + 3)};
    if (i == 1) PaintOval(&box);
    if (i == 2) FrameRect(&box);
    if (i == 3) PaintArc(&box, 0, 180);
    if (i == 4) FrameRoundRect(&box, 2, 2);
  }
  s_LineTo(140, 15);
  s_MoveTo(20, 20);  // lines
  s_LineTo(120, 20);
  s_LineTo(120, 70);
  s_Line(-60, 30);
  FrameRect(drawtest::rect({30, 140, 90, 240}));
  SetRGBColor(100, 0, 0);
  PaintRect(drawtest::rect({40, 150, 80, 230}));
  RGBColor yellow = {65535, 65535, 0};
  s_RGBBackColor(&yellow);
  EraseRect(drawtest::rect({50, 160, 70, 190}));
  s_ForeColor(blackColor);
  InvertRect(drawtest::rect({50, 200, 70, 220}));
  RGBColor white = {65535, 65535, 65535};
  s_RGBBackColor(&white);
  s_FillRect(drawtest::rect({30, 260, 90, 320}), &gray);
  FrameRoundRect(drawtest::rect({110, 20, 170, 110}), 20, 16);
  SetRGBColor(0, 60, 0);
  PaintRoundRect(drawtest::rect({120, 30, 160, 100}), 12, 12);
  SetRGBColor(0, 0, 100);
  PaintOval(drawtest::rect({110, 140, 170, 220}));
  s_ForeColor(blackColor);
  FrameOval(drawtest::rect({110, 240, 170, 300}));
  s_FillOval(drawtest::rect({100, 320, 140, 400}), &diag);
  Rect arc = {180, 20, 220, 100};
  FrameArc(&arc, 0, 90);
  PaintArc(&arc, 180, 45);
  SetRGBColor(50, 50, 100);
  PaintArc(drawtest::rect({150, 320, 220, 390}), 30, 120);
  s_ForeColor(blackColor);
  PolyHandle tri = s_OpenPoly();
  s_MoveTo(140, 190);
  LineTo(200, 190);
  LineTo(170, 222);
  LineTo(140, 190);
  s_ClosePoly();
  PaintPoly(tri);
  OffsetPoly(tri, 80, 0);
  FramePoly(tri);
  KillPoly(tri);
  s_PenSize(3, 3);  // pen sizes are not expressed in the file
  s_MoveTo(290, 280);
  s_LineTo(370, 280);
  s_PenSize(1, 1);
  SetFont("Helvetica");  // text in two fonts, plain and styled
  s_TextSize(14);
  s_MoveTo(20, 250);
  DrawText("Helvetica (14)", 0, 14);
  s_TextSize(18);
  s_MoveTo(20, 290);
  DrawStyleText("x_1 + e^{-x^2} $&BBold$& $Courier$f(x");
}

// Not white, and inside the image (at() is 0xFF000000 outside).
bool ink(uint32_t rgb) { return rgb < 0xFFFFFFu; }

// Parsing, clean stacks, the header, and a PDF made of it.
void expectValidEPS(const std::string& eps) {
  std::string log;
  EXPECT_TRUE(vtest::gsParses(eps, &log)) << log;
  int operands = -1, dicts = -1;
  EXPECT_TRUE(vtest::gsStacks(eps, &operands, &dicts, &log)) << log;
  EXPECT_TRUE(operands == 0 && dicts == 3) << operands << " " << dicts << log;
  EXPECT_EQ(vtest::readFile(eps).rfind("%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: ", 0), 0u);
  EXPECT_TRUE(vtest::epsToPdf(eps, eps + ".pdf"));
}
}  // namespace

class EPSGhostscriptTest : public DrawTest {
 protected:
  std::string dir;
  void SetUp() override {
    DrawTest::SetUp();
    dir = vtest::scratchDir(std::string("gs-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  }
};

TEST_F(EPSGhostscriptTest, VectorDrawingOfEveryPrimitive) {
  VTEST_REQUIRE(vtest::haveGhostscript(), "gs");
  usePlain(kW, kH);
  BeginEPSSaving();
  drawEveryPrimitive();
  std::string eps = saveEPS(dir + "/every.eps");
  expectValidEPS(eps);

  Box declared, measured;
  ASSERT_TRUE(vtest::epsDeclaredBox(eps, &declared));
  ASSERT_TRUE(vtest::gsMeasuredBox(eps, &measured));
  EXPECT_TRUE(measured.llx >= declared.llx && measured.lly >= declared.lly && measured.urx <= declared.urx &&
              measured.ury <= declared.ury);
  EXPECT_LE(declared.urx - measured.urx + measured.llx - declared.llx, 3);
  EXPECT_LE(declared.ury - measured.ury + measured.lly - declared.lly, 3);

  Image gs;
  std::string log;
  ASSERT_TRUE(vtest::gsRender(eps, &gs, &log)) << log;
  int left = int(declared.llx), top = kH - int(declared.ury);
  ASSERT_EQ(gs.width, int(declared.urx - declared.llx));
  ASSERT_EQ(gs.height, int(declared.ury - declared.lly));
  Image ours = vtest::portImage(world);
  vtest::InkOptions how;
  how.limit = 6;
  how.skip = [&](int x, int y) { return inside(kTextArea, x + left, y + top); };
  how.skipNearest = [&](int x, int y) { return inside(kThickLine, x + left, y + top); };
  vtest::InkMatch c = vtest::compareInk(gs, ours, left, top, how);
  RecordProperty("differing_share", std::to_string(c.share()));
  EXPECT_LT(c.share(), 0.04) << c.differing;  // one-pixel edges of strokes and curves; a shifted shape costs more
  EXPECT_LE(c.farthestA, 2);
  EXPECT_LE(c.farthestB, 2);

  // Colours of filled areas: painted red, erased in the yellow background, inverted, the blue oval.
  EXPECT_EQ((std::vector<uint32_t>{gs.at(190 - left, 45 - top), gs.at(170 - left, 60 - top),
                                   gs.at(210 - left, 60 - top), gs.at(180 - left, 140 - top)}),
            (std::vector<uint32_t>{0xFF0000u, 0xFFFF00u, 0x000000u, 0x0000FFu}));
  EXPECT_NEAR(int(gs.at(65 - left, 140 - top) >> 8 & 0xFF), int(ours.at(65, 140) >> 8 & 0xFF), 1);  // green round rect

  // Pattern fills: the same pattern phase in the file as on screen.
  long patternDiff = 0;
  for (int y = 32; y < 88; ++y)
    for (int x = 262; x < 318; ++x) patternDiff += ink(gs.at(x - left, y - top)) != ink(ours.at(x, y));
  EXPECT_LT(patternDiff, 56 * 56 / 20);

  // Text: the same ink box, give or take the glyph rasters.
  Rect a = vtest::inkBox(ours, kTextArea), b = vtest::inkBox(gs, {short(kTextArea.top - top), short(kTextArea.left - left),
                                                                  short(kTextArea.bottom - top), short(kTextArea.right - left)});
  EXPECT_NEAR(a.left, b.left + left, 2);
  EXPECT_NEAR(a.right, b.right + left, 4);
  EXPECT_NEAR(a.top, b.top + top, 2);
  EXPECT_NEAR(a.bottom, b.bottom + top, 2);
  if (HasFailure()) vtest::writePPM(dir + "/ours.ppm", ours);
}

// Every bitmap flavour of the same drawing renders as our own pixels.
TEST_F(EPSGhostscriptTest, BitmapDrawingsMatchPixelForPixel) {
  VTEST_REQUIRE(vtest::haveGhostscript(), "gs");
  usePlain(kW, kH);
  drawEveryPrimitive();
  Rect img;
  EPSGetImageRect(&img);
  struct Flavour {
    short bits;
    int color;
    double threshold;
  } flavours[] = {{8, 1, 0.0}, {1, 0, 0.5}, {1, 0, 0.0}, {8, 0, 0.0}, {4, 1, 0.0}};
  for (const Flavour& f : flavours) {
    std::string eps = dir + "/bitmap-" + std::to_string(f.bits) + "-" + std::to_string(f.color) + "-" +
                      std::to_string(int(f.threshold * 10)) + ".eps";
    EPSSetNextOutputPath(eps.c_str());
    EPSBitMapSave(f.bits, f.color, f.threshold);
    SCOPED_TRACE(eps);
    // The first two flavours get every check; the others are rendered only (gs is slow to start).
    bool thorough = &f - flavours < 2;
    if (thorough) {
      expectValidEPS(eps);
      Box declared, measured;
      ASSERT_TRUE(vtest::epsDeclaredBox(eps, &declared));
      EXPECT_EQ(declared.llx, img.left);
      EXPECT_EQ(declared.ury, kH - img.top);
      ASSERT_TRUE(vtest::gsMeasuredBox(eps, &measured));  // white image pixels count as marks too
      EXPECT_LE(std::max(std::max(std::abs(measured.llx - declared.llx), std::abs(measured.urx - declared.urx)),
                         std::max(std::abs(measured.lly - declared.lly), std::abs(measured.ury - declared.ury))),
                1);
    }
    Image gs;
    ASSERT_TRUE(vtest::gsRender(eps, &gs));
    ASSERT_EQ(gs.width, img.right - img.left);
    ASSERT_EQ(gs.height, img.bottom - img.top);
    long differing = 0;
    int shift = 8 - f.bits;
    for (int y = 0; y < gs.height; ++y)
      for (int x = 0; x < gs.width; ++x) {
        uint32_t p = drawtest::pixel(world, img.left + x, img.top + y);
        int r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
        uint32_t want;
        if (f.color) {
          auto q = [&](int c) { return (c >> shift) * 255 / ((1 << f.bits) - 1); };
          want = uint32_t(q(r)) << 16 | uint32_t(q(g)) << 8 | uint32_t(q(b));
        } else {
          double lum = 0.299 * r * 257 + 0.587 * g * 257 + 0.114 * b * 257;
          int v = f.bits == 1 ? (lum >= 0.5 * 65536 ? 255 : 0) : int(long(lum) / 256);
          want = uint32_t(v) * 0x010101u;
        }
        uint32_t got = gs.at(x, y);
        bool same = true;
        for (int k = 0; k < 24; k += 8) same = same && std::abs(int(got >> k & 0xFF) - int(want >> k & 0xFF)) <= 1;
        differing += !same;
      }
    EXPECT_EQ(differing, 0);
  }
}
