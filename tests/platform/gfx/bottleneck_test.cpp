// The bottleneck table: empty slots are filled with the standard
// procedures, guards keep empty shapes away, and open polygons collect what
// the standard procedures are given. (That recorders see every primitive
// shows in the EPS, picture and redraw-buffer tests.)
#include <string>

#include "platform/font/font.h"
#include "tests/platform/gfx/canvas.h"

using namespace gfxtest;

namespace {
std::vector<std::string> g_log;
std::string r2s(const Rect* r) {
  return std::to_string(r->left) + "," + std::to_string(r->top) + "," + std::to_string(r->right) + "," +
         std::to_string(r->bottom);
}
void logRect(GrafVerb v, const Rect* r) { g_log.push_back("rect " + std::to_string(v) + " " + r2s(r)); }
}  // namespace

// Backwards and flat shapes never reach a bottleneck (a recorder would write
// them) and draw nothing, also through the standard procedures called directly.
TEST(Bottlenecks, EmptySlotsGetTheStandardProceduresAndEmptyShapesNeverArrive) {
  Canvas c(16, 16);
  CQDProcs procs{};
  procs.rectProc = logRect;
  SetPortGrafProcs(c.port(), &procs);
  EXPECT_EQ(procs.ovalProc, &StdOval);
  PaintOval(&(const Rect&)rect(2, 2, 8, 8));  // the standard oval procedure draws
  EXPECT_GT(c.count(kBlack), 20);
  const std::vector<uint32_t> before = c.pixels();
  procs.ovalProc = [](GrafVerb, const Rect*) { g_log.push_back("oval"); };
  procs.rRectProc = [](GrafVerb, const Rect*, short, short) { g_log.push_back("rrect"); };
  procs.arcProc = [](GrafVerb, const Rect*, short, short) { g_log.push_back("arc"); };
  g_log.clear();
  Pattern p;
  GetIndPattern(&p, 0, 3);
  for (const Rect& r : {rect(10, 2, 3, 12), rect(3, 12, 10, 2), rect(5, 5, 5, 9), rect(5, 5, 9, 5)}) {
    FrameRect(&r), PaintRect(&r), InvertRect(&r), FillRect(&r, &p);
    FrameOval(&r), PaintOval(&r), FrameRoundRect(&r, 4, 4), PaintRoundRect(&r, -3, 99);
    FrameArc(&r, 0, 90), PaintArc(&r, 45, -720);
    StdRect(kQDGrafVerbPaint, &r), StdOval(kQDGrafVerbFrame, &r), StdArc(kQDGrafVerbPaint, &r, 0, 180);
  }
  FrameRect(nullptr);
  EXPECT_TRUE(g_log.empty()) << g_log.front();
  EXPECT_EQ(c.pixels(), before);
  SetPortGrafProcs(c.port(), nullptr);
}

TEST(Bottlenecks, OpenPolygonsCollectLineEndsAsVertices) {
  Canvas c(12, 12);
  PolyHandle p = OpenPoly();
  ASSERT_NE(p, nullptr);
  MoveTo(2, 3);
  LineTo(9, 3);
  LineTo(9, 8);
  Line(-7, 0);
  MoveTo(1, 1);  // a jump starts the next line at the new pen location
  LineTo(1, 2);
  ClosePoly();
  EXPECT_EQ(c.count(kBlack), 0);  // the pen was hidden while recording
  ASSERT_EQ(PolyPointCount(p), 6);
  EXPECT_EQ(GetHandleSize(reinterpret_cast<Handle>(p)), 10 + 4 * 6);
  // Vertices as "h,v", then the box; after moving by (1, 1); after scaling by (2, 3).
  auto describe = [&p] {
    std::string s;
    for (int i = 0; i < PolyPointCount(p); ++i)
      s += std::to_string((*p)->polyPoints[i].h) + "," + std::to_string((*p)->polyPoints[i].v) + " ";
    return s + "in " + r2s(&(*p)->polyBBox);
  };
  EXPECT_EQ(describe(), "2,3 9,3 9,8 2,8 1,1 1,2 in 1,1,9,8");
  OffsetPoly(p, 1, 1);
  EXPECT_EQ(describe(), "3,4 10,4 10,9 3,9 2,2 2,3 in 2,2,10,9");
  Rect from = rect(0, 0, 10, 10), to = rect(0, 0, 20, 30);
  MapPoly(p, &from, &to);
  EXPECT_EQ(describe(), "6,12 20,12 20,27 6,27 4,6 4,9 in 4,6,20,27");
  KillPoly(p);
  // Showing the pen while the polygon is open draws and records at once.
  p = OpenPoly();
  ShowPen();
  line(0, 0, 5, 0);
  HidePen();
  ClosePoly();
  EXPECT_EQ(c.count(kBlack), 6);
  EXPECT_EQ(PolyPointCount(p), 2);
  EXPECT_EQ(c.port()->pnVis, 0);
  KillPoly(p);
}

TEST(Bottlenecks, PaintedPolygonsCoverTheirInsideLikeRectangles) {
  Canvas c(8, 6);
  PolyHandle p = polygon({{1, 1}, {7, 1}, {7, 5}, {1, 5}});  // left open: painting closes it
  PaintPoly(p);
  Canvas d(8, 6);
  Rect r = rect(1, 1, 7, 5);
  PaintRect(&r);
  EXPECT_EQ(c.pixels(), d.pixels());
  KillPoly(p);
  // A triangle: vertex pixels on the top and left are painted.
  Canvas t(7, 6);
  p = polygon({{0, 0}, {6, 0}, {0, 6}});
  PaintPoly(p);
  EXPECT_TRUE(looksLike(t, R"(
    ######.
    #####..
    ####...
    ###....
    ##.....
    #......)", "triangle"));
  KillPoly(p);
}
