// Bad input never crashes and never draws garbage (backwards and flat
// shapes: the bottleneck test): null arguments, coordinates at the 16-bit edge, empty polygons and regions,
// null handles, impossible offscreen worlds, overfull polygons; and rectangle
// arithmetic saturates instead of wrapping.
#include "tests/platform/gfx/canvas.h"

using namespace gfxtest;

TEST(Robustness, CoordinatesAtTheSixteenBitEdgeAreClippedNotWrapped) {
  Canvas c(20, 20);
  const short lo = -32768, hi = 32767;
  Rect huge = rect(lo, lo, hi, hi);
  PenSize(3, 3);
  FrameRect(&huge);  // the frame lies outside the canvas
  EXPECT_EQ(c.count(kBlack), 0);
  FrameOval(&huge);
  EXPECT_EQ(c.count(kBlack), 0);
  PaintArc(&huge, 0, 45);  // the canvas lies below and right of the centre: outside the wedge
  EXPECT_EQ(c.count(kBlack), 0);
  PaintArc(&huge, 90, 90);
  EXPECT_EQ(c.count(kBlack), 400);
  Rect all = rect(0, 0, 20, 20);
  EraseRect(&all);
  line(lo, lo, hi, hi);  // through the canvas diagonal
  EXPECT_EQ(c.at(10, 10), kBlack);
  EraseRect(&all);
  PolyHandle p = polygon({{lo, lo}, {hi, lo}, {hi, hi}, {lo, hi}});
  PaintPoly(p);
  EXPECT_EQ(c.count(kBlack), 400);
  KillPoly(p);
  // Moving a rectangle past the edge saturates instead of wrapping around.
  Rect r = rect(30000, 30000, 32000, 32000);
  OffsetRect(&r, 10000, -20000);
  EXPECT_EQ(r.right, hi);
  EXPECT_EQ(r.top, 10000);
  InsetRect(&r, -20000, 0);
  EXPECT_EQ(r.right, hi);
  EXPECT_LT(r.left, 30000);
  Rgn rgn(20000, 0, 32000, 10);
  OffsetRgn(rgn, 10000, 0);
  Rect b;
  GetRegionBounds(rgn, &b);
  EXPECT_EQ(b.right, hi);
  EXPECT_FALSE(EmptyRgn(rgn));
  InsetRgn(rgn, -32768, -32768);  // grows up to the edges and stops there
  GetRegionBounds(rgn, &b);
  EXPECT_EQ(b.top, lo);
  EXPECT_EQ(b.bottom, hi);
  SetRectRgn(rgn, lo, lo, hi, hi);
  InsetRgn(rgn, 32767, 32767);  // 65535 wide, less 2 x 32767: one pixel is left
  EXPECT_EQ(RgnRectCount(rgn), 1);
  EXPECT_TRUE(PtInRgn(Point{-1, -1}, rgn));
  InsetRgn(rgn, 1, 0);
  EXPECT_TRUE(EmptyRgn(rgn));
}

TEST(Robustness, NullArgumentsEmptyPolygonsAndRegionsAndOddArcs) {
  Canvas c(10, 10);
  Rect a = rect(0, 0, 10, 10), b = rect(0, 0, 20, 20);
  PaintArc(&a, 30, 0);
  FillRect(&a, nullptr);
  FrameRect(nullptr), PaintOval(nullptr), FramePoly(nullptr), PaintRgn(nullptr), FillCRect(&a, nullptr);
  StdRect(kQDGrafVerbPaint, nullptr), StdPoly(kQDGrafVerbPaint, nullptr), StdRgn(kQDGrafVerbPaint, nullptr);
  StdBits(nullptr, &a, &a, srcCopy, nullptr);
  CopyBits(nullptr, nullptr, &a, &a, srcCopy, nullptr);
  EXPECT_EQ(c.count(kWhite), 100);
  PolyHandle p = OpenPoly();
  ClosePoly();
  EXPECT_EQ(PolyPointCount(p), 0);
  FramePoly(p), PaintPoly(p), InvertPoly(p);
  OffsetPoly(p, 3, 3);
  MapPoly(p, &a, &b);
  KillPoly(p);
  // A polygon whose points all lie on one line encloses nothing.
  p = polygon({{1, 1}, {8, 8}, {1, 1}});
  PaintPoly(p);
  EXPECT_EQ(c.count(kBlack), 0);
  FramePoly(p);
  EXPECT_GT(c.count(kBlack), 0);
  KillPoly(p);
  EraseRect(&a);
  Rgn empty;
  FrameRgn(empty), PaintRgn(empty), InvertRgn(empty);
  InsetRgn(empty, 2, 2);
  OffsetRgn(empty, 5, 5);
  MapRgn(empty, &a, &b);
  SetClip(empty);  // an empty clip hides everything
  PaintRect(&a);
  EXPECT_EQ(c.count(kBlack), 0);
  ClipRect(&a);
  UnionRgn(nullptr, empty, empty), CopyRgn(nullptr, empty), OffsetRgn(nullptr, 1, 1), InsetRgn(nullptr, 1, 1);
  EXPECT_TRUE(EmptyRgn(nullptr));
  EXPECT_FALSE(PtInRgn(Point{0, 0}, nullptr));
  EXPECT_TRUE(EqualRgn(nullptr, empty));
  EXPECT_EQ(RgnRectCount(nullptr), 0);
  MapRgn(empty, &a, &(const Rect&)rect(5, 5, 5, 5));  // a flat target rectangle changes nothing
  DisposeRgn(nullptr);
  KillPoly(nullptr);
  SetPortGrafProcs(nullptr, nullptr);
  // Arc angles beyond a turn draw the whole oval.
  PaintArc(&a, 10, 400);
  Canvas d(10, 10);
  PaintOval(&a);
  SetGWorld(c.port(), nullptr);
  EXPECT_EQ(c.pixels(), d.pixels());
}

TEST(Robustness, PolygonsStopGrowingAtTheSizeTheirHeaderCanHold) {
  Canvas c(4, 4);
  PolyHandle p = OpenPoly();
  for (int i = 0; i < 9000; ++i) LineTo(short(i % 50), short(i % 7));
  ClosePoly();
  EXPECT_EQ(PolyPointCount(p), (32767 - 10) / 4);
  EXPECT_GT((*p)->polySize, 0);
  PaintPoly(p);
  KillPoly(p);
}

TEST(Robustness, OffscreenWorldsRefuseImpossibleSizes) {
  GWorldPtr w = reinterpret_cast<GWorldPtr>(1);
  Rect empty = rect(5, 5, 5, 10), huge = rect(-32768, -32768, 32767, 32767);
  EXPECT_EQ(NewGWorld(&w, 0, &empty, nullptr, nullptr, 0), paramErr);
  EXPECT_EQ(w, nullptr);
  EXPECT_EQ(NewGWorld(&w, 0, &huge, nullptr, nullptr, 0), memFullErr);
  EXPECT_EQ(NewGWorld(&w, 0, nullptr, nullptr, nullptr, 0), paramErr);
  EXPECT_EQ(NewGWorld(nullptr, 0, &empty, nullptr, nullptr, 0), paramErr);
  DisposeGWorld(nullptr);
  // A world whose bounds do not start at 0 draws in its own local coordinates.
  Rect off = rect(100, 50, 110, 60);
  ASSERT_EQ(NewGWorld(&w, 32, &off, nullptr, nullptr, 0), noErr);
  GrafPtr saved;
  GetPort(&saved);
  SetGWorld(w, nullptr);
  Rect dot = rect(105, 55, 106, 56);
  PaintRect(&dot);
  EXPECT_EQ(w->portPixMap.baseAddr[5 * 10 + 5], kBlack);
  EXPECT_TRUE(LockPixels(GetGWorldPixMap(w)));
  EXPECT_EQ(*GetGWorldPixMap(w), &w->portPixMap);
  SetPort(saved);
  DisposeGWorld(w);
}

TEST(Robustness, TheCurrentPortIsNeverNull) {
  GrafPtr saved;
  GetPort(&saved);
  SetPort(nullptr);
  ASSERT_NE(GetQDPort(), nullptr);
  Rect r = rect(0, 0, 5, 5);
  PaintRect(&r);  // into the scratch port, harmlessly
  MoveTo(0, 0);
  LineTo(100, 100);
  GrafPort port;
  OpenPortOn(&port, 3, 3);
  SetPort(&port);
  ClosePort(&port);  // closing the current port leaves the scratch port current
  EXPECT_NE(GetQDPort(), &port);
  PaintRect(&r);
  SetPort(saved);
}
