// Where the pen puts pixels: frames inside their rectangle, lines as the pen
// rectangle swept below and right of the path with both ends included, and
// rectangles exclusive at bottom and right. Pictures are checked by hand.
#include "tests/platform/gfx/canvas.h"

using namespace gfxtest;

namespace {
// One shape drawn with a pen of w x h on a fresh canvas, and the picture it must leave.
struct PenCase {
  const char* name;
  int width, height;
  short penW, penH;
  void (*draw)();
  const char* picture;
};
}  // namespace

TEST(PenGeometry, FramesLieInsideAndLinesSweepThePenBelowAndRightOfThePath) {
  auto line16 = [] { line(1, 1, 6, 3); };
  const PenCase cases[] = {
      // A pen of 3 x 1: thick sides, thin top and bottom, all inside the rectangle.
      {"frame3x1", 11, 7, 3, 1, [] { FrameRect(&(const Rect&)rect(1, 1, 10, 6)); }, R"(
        ...........
        .#########.
        .###...###.
        .###...###.
        .###...###.
        .#########.
        ...........)"},
      {"frame3big", 6, 6, 3, 3, [] { FrameRect(&(const Rect&)rect(1, 1, 5, 5)); }, R"(
        ......
        .####.
        .####.
        .####.
        .####.
        ......)"},
      {"line1", 8, 5, 1, 1, line16, R"(
        ........
        .##.....
        ...##...
        .....##.
        ........)"},
      {"line2", 9, 6, 2, 2, line16, R"(
        .........
        .###.....
        .#####...
        ...#####.
        .....###.
        .........)"},
      // Steep line with a 3 x 3 pen.
      {"line3", 8, 9, 3, 3, [] { line(1, 1, 3, 5); }, R"(
        ........
        .###....
        .####...
        .####...
        ..####..
        ..####..
        ...###..
        ...###..
        ........)"},
  };
  for (const PenCase& k : cases) {
    Canvas c(k.width, k.height);
    PenSize(k.penW, k.penH);
    k.draw();
    EXPECT_TRUE(looksLike(c, k.picture, k.name));
  }
}

TEST(PenGeometry, ALineDrawnBackwardsCoversTheSamePixels) {
  for (int k = 0; k < 40; ++k) {
    int h0 = k * 7 % 23, v0 = k * 11 % 19, h1 = k * 5 % 29, v1 = k * 3 % 17;
    short pen = short(1 + k % 3);
    auto draw = [pen](int fromH, int fromV, int toH, int toV) {
      Canvas c(40, 30);
      PenSize(pen, pen);
      line(fromH, fromV, toH, toV);
      return c.pixels();
    };
    std::vector<uint32_t> forward = draw(h0, v0, h1, v1), backward = draw(h1, v1, h0, v0);
    EXPECT_EQ(forward, backward) << h0 << "," << v0 << " -> " << h1 << "," << v1;
  }
}

// One-pixel solid lines in a rectangular clip take a point-by-point path; a
// clip that is not a rectangle (the canvas less its corner pixel) forces the
// span path. Both must agree everywhere else, also where lines leave the canvas.
TEST(PenGeometry, TheDirectPathOfThinLinesMatchesTheSpanPath) {
  Canvas direct(30, 30), spans(30, 30);
  SetGWorld(spans.port(), nullptr);
  SetClip(Rgn(0, 0, 30, 30).minus(29, 29, 30, 30));
  uint32_t seed = 9;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, int(seed >> 16 & 0x3F) - 16; };
  for (int k = 0; k < 300; ++k) {
    short h0 = short(next() + 15), v0 = short(next() + 15), h1 = short(next() + 15), v1 = short(next() + 15);
    for (Canvas* c : {&direct, &spans}) {
      SetGWorld(c->port(), nullptr);
      PenMode(k % 3 ? patCopy : patXor);
      ForeColor(k % 2 ? redColor : blueColor);
      line(h0, v0, h1, v1);
    }
  }
  std::vector<uint32_t> a = direct.pixels(), b = spans.pixels();
  a.back() = b.back() = 0;  // the corner only the direct canvas may draw
  EXPECT_EQ(a, b);
  EXPECT_GT(direct.count(0xFFFF0000u), 100);
}

TEST(PenGeometry, HiddenOrEmptyPensDrawNoLinesOrFramesButPaintsStillShow) {
  Canvas c(10, 10);
  Rect r = rect(1, 1, 9, 9);
  HidePen();
  line(0, 0, 9, 9);
  FrameRect(&r);
  FrameOval(&r);
  EXPECT_EQ(c.count(kBlack), 0);
  EXPECT_EQ(penAt().h, 9);  // the pen still moves
  PaintRect(&r);
  EXPECT_EQ(c.count(kBlack), 64);
  ShowPen();
  EraseRect(&r);
  PenSize(0, 3);
  LineTo(0, 0);
  FrameRect(&r);
  EXPECT_EQ(c.count(kBlack), 0);
}

// Round rectangles with corners as large as the rectangle are its oval, and
// with no corner width have square corners.
TEST(PenGeometry, OvalsAndRoundRectsStayInsideTheirRectangleAndAreSymmetric) {
  for (int w = 1; w <= 13; w += 3) {
    for (int h = 1; h <= 11; h += 2) {
      Canvas c(16, 14);
      Rect r = rect(1, 1, 1 + w, 1 + h);
      PaintOval(&r);
      for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 16; ++x) {
          bool inside = x >= 1 && x < 1 + w && y >= 1 && y < 1 + h;
          if (!inside) {
            EXPECT_EQ(c.at(x, y), kWhite) << w << "x" << h << " at " << x << "," << y;
            continue;
          }
          EXPECT_EQ(c.at(x, y), c.at(w + 1 - x, y)) << "mirror x";
          EXPECT_EQ(c.at(x, y), c.at(x, h + 1 - y)) << "mirror y";
        }
      // The widest row and column span the whole rectangle.
      EXPECT_EQ(c.at(1, 1 + h / 2), kBlack);
      EXPECT_EQ(c.at(w, 1 + h / 2), kBlack);
      Canvas square(16, 14), round(16, 14);
      PaintRoundRect(&r, 400, 400);
      EXPECT_EQ(round.pixels(), c.pixels()) << w << "x" << h;
      SetGWorld(square.port(), nullptr);
      PaintRoundRect(&r, 0, 6);
      EXPECT_EQ(square.count(kBlack), w * h);
    }
  }
}

// An inverting frame of a polygon that runs far outside the port is gathered
// only where it can show: the pixels inside must be those of the same frame
// drawn on a canvas large enough to hold it whole (shared vertices and
// crossings inverted once).
TEST(PenGeometry, InvertedPolygonFramesCutAtThePortMatchTheWholeFrame) {
  const Point path[] = {{-40, -30}, {25, 80}, {30, -20}, {10, 10}, {70, 25}, {-40, -30}};  // {v, h}
  auto frame = [&](int offset) {
    PenSize(5, 3);
    PenMode(patXor);
    PolyHandle poly = OpenPoly();
    MoveTo(short(path[0].h + offset), short(path[0].v + offset));
    for (const Point& p : path) LineTo(short(p.h + offset), short(p.v + offset));
    ClosePoly();
    FramePoly(poly);
    KillPoly(poly);
  };
  std::vector<uint32_t> whole;
  {
    Canvas big(260, 240);
    frame(100);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 60; ++x) whole.push_back(big.at(x + 100, y + 100));
  }
  Canvas small(60, 40);
  frame(0);
  EXPECT_EQ(small.pixels(), whole);
  EXPECT_NE(std::count(whole.begin(), whole.end(), kBlack), 0);
}
