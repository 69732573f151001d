// Regions against brute-force pixel sets: set operations, insetting, moving
// and mapping on small random cases, canonical form (equal sets compare
// equal), and regions recorded from lines and frames.
#include <functional>
#include <random>

#include "tests/platform/gfx/canvas.h"

using namespace gfxtest;

namespace {
constexpr int N = 24;  // coordinates of the random cases stay in 0..N
using Grid = std::vector<char>;  // (N + 16)^2 cells, offset by 8, so insetting has room
constexpr int G = N + 16;
inline char& cell(Grid& g, int x, int y) { return g[size_t((y + 8) * G + x + 8)]; }
inline bool cellAt(const Grid& g, int x, int y) {
  return x >= -8 && y >= -8 && x < G - 8 && y < G - 8 && g[size_t((y + 8) * G + x + 8)];
}

struct Shape {
  Rgn rgn;
  Grid grid;
};

// A union of a few random rectangles, made both ways.
Shape randomShape(std::mt19937& rng) {
  Shape s{Rgn(), Grid(size_t(G) * G, 0)};
  int n = 1 + int(rng() % 4);
  for (int i = 0; i < n; ++i) {
    int l = int(rng() % N), t = int(rng() % N), r = int(rng() % N), b = int(rng() % N);
    s.rgn.plus(l, t, r, b);
    for (int y = t; y < b; ++y)
      for (int x = l; x < r; ++x) cell(s.grid, x, y) = true;
  }
  return s;
}

// A region built from the grid cell by cell: the canonical form to compare with.
Rgn fromGrid(const Grid& g) {
  Rgn r;
  for (int y = -8; y < G - 8; ++y)
    for (int x = -8; x < G - 8; ++x)
      if (cellAt(g, x, y)) r.plus(x, y, x + 1, y + 1);
  return r;
}

::testing::AssertionResult sameSet(RgnHandle r, const Grid& g) {
  for (int y = -8; y < G - 8; ++y)
    for (int x = -8; x < G - 8; ++x)
      if (bool(PtInRgn(Point{short(y), short(x)}, r)) != cellAt(g, x, y))
        return ::testing::AssertionFailure() << "differs at " << x << "," << y;
  if (!EqualRgn(r, fromGrid(g))) return ::testing::AssertionFailure() << "same pixels, different representation";
  return ::testing::AssertionSuccess();
}
}  // namespace

TEST(Regions, SetOperationsMatchPixelSets) {
  std::mt19937 rng(7);
  using Op = void (*)(RgnHandle, RgnHandle, RgnHandle);
  const struct {
    Op op;
    std::function<bool(bool, bool)> f;
    const char* name;
  } ops[] = {{SectRgn, [](bool a, bool b) { return a && b; }, "sect"},
             {UnionRgn, [](bool a, bool b) { return a || b; }, "union"},
             {DiffRgn, [](bool a, bool b) { return a && !b; }, "diff"},
             {XorRgn, [](bool a, bool b) { return a != b; }, "xor"}};
  for (int round = 0; round < 150; ++round) {
    Shape a = randomShape(rng), b = randomShape(rng);
    for (const auto& o : ops) {
      Grid want(size_t(G) * G);
      for (size_t i = 0; i < want.size(); ++i) want[i] = o.f(a.grid[i], b.grid[i]);
      Rgn out, inPlace;
      o.op(a.rgn, b.rgn, out);
      ASSERT_TRUE(sameSet(out, want)) << o.name << " round " << round;
      // The destination may be one of the operands.
      CopyRgn(a.rgn, inPlace);
      o.op(inPlace, b.rgn, inPlace);
      ASSERT_TRUE(EqualRgn(inPlace, out)) << o.name;
    }
  }
}

// Insetting keeps (or adds) each pixel by the box around it, moving shifts
// every pixel, and doubling makes every pixel a 2 x 2 block.
TEST(Regions, InsetOffsetAndMapMatchPixelSets) {
  std::mt19937 rng(11);
  for (int round = 0; round < 120; ++round) {
    Shape s = randomShape(rng);
    Rgn moved;
    CopyRgn(s.rgn, moved);
    OffsetRgn(moved, -5, 3);
    Grid shifted(s.grid.size());
    for (int y = -8; y < G - 8; ++y)
      for (int x = -8; x < G - 8; ++x) cell(shifted, x, y) = cellAt(s.grid, x + 5, y - 3);
    ASSERT_TRUE(sameSet(moved, shifted));
    Rgn doubled;
    CopyRgn(s.rgn, doubled);
    Rect from = rect(0, 0, 16, 16), to = rect(0, 0, 32, 32);
    MapRgn(doubled, &from, &to);
    for (int y = -2; y < 2 * N + 2; ++y)
      for (int x = -2; x < 2 * N + 2; ++x)
        ASSERT_EQ(bool(PtInRgn(Point{short(y), short(x)}, doubled)), x >= 0 && y >= 0 && cellAt(s.grid, x / 2, y / 2))
            << x << "," << y;
    int dh = int(rng() % 7) - 3, dv = int(rng() % 7) - 3;
    // Horizontal first, then vertical: a positive amount keeps pixels whose
    // whole neighbourhood is inside, a negative one adds every neighbour.
    auto pass = [](const Grid& in, int d, bool horizontal) {
      Grid out(in.size());
      for (int y = -8; y < G - 8; ++y)
        for (int x = -8; x < G - 8; ++x) {
          bool all = true, any = false;
          for (int k = -std::abs(d); k <= std::abs(d); ++k) {
            bool v = horizontal ? cellAt(in, x + k, y) : cellAt(in, x, y + k);
            all = all && v;
            any = any || v;
          }
          cell(out, x, y) = d > 0 ? all : d < 0 ? any : cellAt(in, x, y);
        }
      return out;
    };
    InsetRgn(s.rgn, short(dh), short(dv));
    ASSERT_TRUE(sameSet(s.rgn, pass(pass(s.grid, dh, true), dv, false))) << "inset " << dh << "," << dv;
  }
}

TEST(Regions, RecordedLinesEncloseTheirInsideAndFramesCombineEvenOdd) {
  Canvas c(20, 20);
  Rect outer = rect(0, 0, 20, 20), inner = rect(5, 5, 15, 15);
  Rgn square = recordRgn([] {
    MoveTo(2, 2);
    LineTo(12, 2);
    LineTo(12, 12);
    LineTo(2, 12);
    LineTo(2, 2);
  });
  EXPECT_EQ(c.count(kBlack), 0);  // nothing drawn while recording
  EXPECT_TRUE(EqualRgn(square, Rgn(2, 2, 12, 12)));
  // Two nested frames leave a ring; an oval frame records the painted oval.
  Rgn rings = recordRgn([&] {
    FrameRect(&outer);
    FrameRect(&inner);
  });
  EXPECT_TRUE(EqualRgn(rings, Rgn(0, 0, 20, 20).minus(5, 5, 15, 15)));
  Rgn oval = recordRgn([&] { FrameOval(&inner); });
  PaintOval(&inner);
  int painted = c.count(kBlack);
  EraseRect(&outer);
  PaintRgn(oval);
  EXPECT_EQ(c.count(kBlack), painted);
  // Closing without opening gives an empty region; the pen shows again.
  CloseRgn(oval);
  EXPECT_TRUE(EmptyRgn(oval));
  EXPECT_EQ(GetQDPort()->pnVis, 0);
}

TEST(Regions, FramedRegionsDrawTheirOutlineInside) {
  Canvas c(8, 7);
  FrameRgn(Rgn(1, 1, 7, 6).minus(1, 1, 4, 3));
  EXPECT_TRUE(looksLike(c, R"(
    ........
    ....###.
    ....#.#.
    .####.#.
    .#....#.
    .######.
    ........)", "framergn"));
}
