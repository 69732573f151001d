// Pictures: what is recorded replays to the same pixels, and scaled replays
// match drawing at the larger size. (An outside decoder reads our files in
// tests/vok/output/saving_test.cpp.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/font/font.h"
#include "platform/gfx/picture.h"
#include "tests/platform/gfx/canvas.h"

using namespace gfxtest;

namespace {
const RGBColor kRed{0xFFFF, 0, 0}, kTeal{0, 0x8000, 0x8000};

// A small gradient image with a black border, for CopyBits.
struct Image {
  std::vector<uint32_t> px;
  PixMap pm{};
  Image(int w, int h) : px(size_t(w) * h) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        px[size_t(y) * w + x] = (x == 0 || y == 0 || x == w - 1 || y == h - 1)
                                    ? kBlack
                                    : 0xFF000000u | uint32_t(x * 255 / w) << 16 | uint32_t(y * 255 / h) << 8 | 0x40;
    pm = PixMap{px.data(), w, rect(100, 50, 100 + w, 50 + h), 32};  // bounds away from the origin
  }
  Rect all() const { return pm.bounds; }
};

void copyImage(const Image& img, const Rect& dst, short mode = srcCopy) {
  Rect src = img.all();
  CopyBits(&img.pm, GetPortBitMapForCopyBits(GetQDPort()), &src, &dst, mode, nullptr);
}

PolyHandle triangle(int x, int y, int s) { return polygon({{x, y + s}, {x + s / 2, y}, {x + s, y + s}, {x, y + s}}); }

// A region with a hole and a detached part, so bands, gaps and holes all occur.
Rgn ring(int x, int y) {
  Rgn r(x, y, x + 20, y + 16);
  r.minus(x + 6, y + 5, x + 14, y + 11).plus(x + 24, y + 20, x + 30, y + 26);
  return r;
}

// Every kind of primitive and state the recorder handles.
void scene() {
  Pattern gray, ltGray;
  GetQDGlobalsGray(&gray);
  GetQDGlobalsLightGray(&ltGray);
  line(2, 2, 60, 10);
  PenSize(3, 2);
  RGBForeColor(&kRed);
  line(5, 60, 70, 30);
  PenNormal();
  ForeColor(blueColor);
  Rect r = rect(4, 12, 24, 26);
  FrameRect(&r);
  OffsetRect(&r, 22, 0);
  PaintRect(&r);
  OffsetRect(&r, 22, 0);
  FillRect(&r, &gray);
  OffsetRect(&r, -10, 4);
  InvertRect(&r);
  InsetRect(&r, 4, 3);
  EraseRect(&r);
  Rect o = rect(80, 4, 110, 24);
  FrameRoundRect(&o, 10, 8);
  OffsetRect(&o, 0, 22);
  PaintOval(&o);
  FillOval(&r, &ltGray);
  RGBForeColor(&kTeal);
  FrameOval(&(const Rect&)rect(82, 50, 112, 70));
  PaintArc(&(const Rect&)rect(4, 70, 34, 96), 45, 120);
  FrameArc(&(const Rect&)rect(4, 70, 34, 96), 200, 90);
  PolyHandle t = triangle(36, 66, 24);
  PaintPoly(t);
  ForeColor(blackColor);
  PenSize(2, 2);
  FramePoly(t);
  KillPoly(t);
  PenNormal();
  Rgn g = ring(62, 66);
  ForeColor(greenColor);
  PaintRgn(g);
  ForeColor(blackColor);
  FrameRgn(g);
  PenPat(&gray);
  PaintRect(&(const Rect&)rect(96, 76, 118, 98));
  PenNormal();
  // A clip with a hole: only the ring's pixels of the big rectangle change.
  SetClip(g);
  ForeColor(redColor);
  PaintRect(&(const Rect&)rect(60, 60, 100, 100));
  ClipRect(&(const Rect&)rect(0, 0, 120, 100));
  Image img(30, 12);
  copyImage(img, rect(40, 40, 70, 52));
  copyImage(img, rect(4, 28, 34, 34));  // scaled down
  // After a change of origin the picture still lands where the pixels went.
  SetOrigin(-3, -2);
  ForeColor(magentaColor);
  PaintRect(&(const Rect&)rect(0, 0, 6, 6));
  SetOrigin(0, 0);
  ForeColor(blackColor);
  TextFont(0);
  TextSize(12);
  TextFace(bold);
  MoveTo(6, 99);
  DrawString((ConstStr255Param) "\x09Pict 1.5x");
  TextFace(normal);
}

PicHandle record(const Rect& frame, void (*draw)()) {
  PicHandle pic = OpenPicture(&frame);
  EXPECT_NE(pic, nullptr);
  ShowPen();  // drawn as well as recorded
  draw();
  HidePen();
  ClosePicture();
  return pic;
}

std::vector<uint8_t> bytesOf(PicHandle pic) {
  auto p = reinterpret_cast<const uint8_t*>(*pic);
  return std::vector<uint8_t>(p, p + GetHandleSize(reinterpret_cast<Handle>(pic)));
}

// Replays onto a cleared port in its default state.
void replayFresh(Canvas& c, PicHandle pic, const Rect& dst) {
  InitPortState(c.port());
  Rect all = rect(0, 0, c.width(), c.height());
  EraseRect(&all);
  DrawPicture(pic, &dst);
}

// What `recorded` draws into a picture of `frame`, replayed at w x h,
// matches what `direct` draws at that size.
void expectReplayMatches(int w, int h, void (*direct)(), const Rect& frame, void (*recorded)()) {
  Canvas d(w, h);
  direct();
  std::vector<uint32_t> want = d.pixels();
  Canvas c(w, h);
  PicHandle pic = record(frame, recorded);
  replayFresh(c, pic, rect(0, 0, w, h));
  EXPECT_EQ(c.pixels(), want);
  KillPicture(pic);
}

}  // namespace

TEST(Pictures, ReplayDrawsWhatWasRecordedWhereverItIsPlaced) {
  Canvas direct(120, 100);
  scene();
  std::vector<uint32_t> want = direct.pixels();

  Canvas c(120, 100);
  Rect frame = rect(0, 0, 120, 100);
  PicHandle pic = record(frame, scene);
  EXPECT_EQ(c.pixels(), want) << "recording must not change what is drawn";
  replayFresh(c, pic, frame);
  EXPECT_EQ(c.pixels(), want);

  // Elsewhere in the port: the same pixels, moved (by whole pattern cells,
  // since patterns keep to the port's grid).
  replayFresh(c, pic, rect(8, 16, 128, 116));
  int diff = 0;
  for (int y = 16; y < 100; ++y)
    for (int x = 8; x < 120; ++x) diff += c.at(x, y) != want[size_t(y - 16) * 120 + (x - 8)];
  EXPECT_EQ(diff, 0);

  // Broken bytes are the fuzz target's (fuzz_smoke_picture_replay); null arguments draw nothing.
  DrawPicture(nullptr, &frame);
  DrawPicture(pic, nullptr);
  KillPicture(pic);
}

TEST(Pictures, ScaledReplayMatchesDrawingAtTheLargerSize) {
  auto big = [] {
    PenSize(2, 4);
    line(4, 6, 60, 34);
    PaintRect(&(const Rect&)rect(8, 40, 28, 56));
    FrameRect(&(const Rect&)rect(32, 40, 72, 76));
  };
  auto small = [] {
    PenSize(1, 2);
    line(2, 3, 30, 17);
    PaintRect(&(const Rect&)rect(4, 20, 14, 28));
    FrameRect(&(const Rect&)rect(16, 20, 36, 38));
  };
  expectReplayMatches(80, 80, big, rect(0, 0, 40, 40), small);
}

// Widths where readers disagree on the row-count field, a one-pixel column,
// a masked copy and a region too large for one opcode all replay exactly.
TEST(Pictures, AwkwardPixelImagesAndHugeRegionsReplayExactly) {
  auto draw = [] {
    Image wide(55, 6), thin(1, 9), tall(64, 3);
    copyImage(wide, rect(0, 0, 55, 6));
    copyImage(thin, rect(60, 0, 61, 9));
    copyImage(tall, rect(0, 10, 64, 13));
    Rgn mask = recordRgn([] { FrameOval(&(const Rect&)rect(0, 20, 30, 40)); });
    Rect src = wide.all(), dst = rect(0, 20, 55, 40);
    CopyBits(&wide.pm, GetPortBitMapForCopyBits(GetQDPort()), &src, &dst, srcCopy, mask);
    // A checkerboard region of 50x50 cells: far over one opcode's 32 KB.
    Rgn board;
    for (int y = 0; y < 100; y += 2)
      for (int x = (y / 2) % 2; x < 100; x += 2) board.plus(x, 42 + y / 2, x + 1, 43 + y / 2);
    PaintRgn(board);
  };
  expectReplayMatches(100, 100, draw, rect(0, 0, 100, 100), draw);
}

TEST(Pictures, RecordingLifecycle) {
  Canvas c(20, 20);
  Rect frame = rect(0, 0, 20, 20);
  PicHandle pic = OpenPicture(&frame);
  ASSERT_NE(pic, nullptr);
  EXPECT_EQ(OpenPicture(&frame), nullptr) << "one open picture per port";
  line(0, 0, 19, 19);
  EXPECT_EQ(c.count(kBlack), 0) << "an open picture hides the pen";
  KillPicture(pic);  // killed while open: recording stops, the pen shows again
  EXPECT_EQ(c.port()->picSave, nullptr);
  LineTo(0, 19);
  EXPECT_GT(c.count(kBlack), 0);
  ClosePicture();  // nothing open: nothing happens

  PicHandle empty = OpenPicture(&frame);
  ClosePicture();
  std::vector<uint8_t> b = bytesOf(empty);
  ASSERT_GE(b.size(), 16u);
  EXPECT_EQ(b[b.size() - 2] << 8 | b.back(), 0x00FF) << "ends with the end opcode";
  KillPicture(empty);
}
