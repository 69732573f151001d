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

TEST(Bottlenecks, EmptySlotsGetTheStandardProceduresAndEmptyShapesNeverArrive) {
  Canvas c(10, 10);
  CQDProcs procs{};
  procs.rectProc = logRect;
  SetPortGrafProcs(c.port(), &procs);
  EXPECT_EQ(procs.ovalProc, &StdOval);
  g_log.clear();
  Rect backwards = rect(8, 8, 2, 2), flat = rect(2, 5, 8, 5);
  FrameRect(&backwards);
  PaintRect(&flat);
  FrameRect(nullptr);
  EXPECT_TRUE(g_log.empty());
  Rect r = rect(2, 2, 8, 8);
  PaintOval(&r);  // the standard oval procedure draws
  EXPECT_GT(c.count(kBlack), 20);
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
