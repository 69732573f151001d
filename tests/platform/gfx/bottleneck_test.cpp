// The bottleneck table: a recording table sees every primitive with its
// arguments, empty slots are filled with the standard procedures, guards
// keep empty shapes away, and open pictures, polygons and regions receive
// what the standard procedures are given.
#include <cstring>
#include <string>

#include "platform/font/font.h"
#include "platform/gfx/picture.h"
#include "tests/platform/gfx/canvas.h"

using namespace gfxtest;

namespace {
std::vector<std::string> g_log;
std::string r2s(const Rect* r) {
  return std::to_string(r->left) + "," + std::to_string(r->top) + "," + std::to_string(r->right) + "," +
         std::to_string(r->bottom);
}
void logLine(Point p) {
  g_log.push_back("line " + std::to_string(p.h) + "," + std::to_string(p.v));
  StdLine(p);
}
void logRect(GrafVerb v, const Rect* r) { g_log.push_back("rect " + std::to_string(v) + " " + r2s(r)); }
void logRRect(GrafVerb v, const Rect* r, short ow, short oh) {
  g_log.push_back("rrect " + std::to_string(v) + " " + r2s(r) + " " + std::to_string(ow) + "x" + std::to_string(oh));
}
void logOval(GrafVerb v, const Rect* r) { g_log.push_back("oval " + std::to_string(v) + " " + r2s(r)); }
void logArc(GrafVerb v, const Rect* r, short s, short a) {
  g_log.push_back("arc " + std::to_string(v) + " " + r2s(r) + " " + std::to_string(s) + "+" + std::to_string(a));
}
void logPoly(GrafVerb v, PolyHandle p) { g_log.push_back("poly " + std::to_string(v) + " " + std::to_string(PolyPointCount(p))); }
void logRgn(GrafVerb v, RgnHandle r) { g_log.push_back("rgn " + std::to_string(v) + " " + std::to_string(RgnRectCount(r))); }
void logBits(const BitMap*, const Rect* s, const Rect* d, short mode, RgnHandle mask) {
  g_log.push_back("bits " + r2s(s) + " " + r2s(d) + " " + std::to_string(mode) + (mask ? " mask" : ""));
}
void logText(short n, const void* t, Point, Point) { g_log.push_back("text " + std::string(static_cast<const char*>(t), size_t(n))); }
}  // namespace

TEST(Bottlenecks, ARecordingTableSeesEveryPrimitiveWithItsArguments) {
  Canvas c(20, 20);
  CQDProcs procs{};
  procs.lineProc = logLine;
  procs.rectProc = logRect;
  procs.rRectProc = logRRect;
  procs.ovalProc = logOval;
  procs.arcProc = logArc;
  procs.polyProc = logPoly;
  procs.rgnProc = logRgn;
  procs.bitsProc = logBits;
  procs.textProc = logText;
  SetPortGrafProcs(c.port(), &procs);
  g_log.clear();
  Rect r = rect(1, 2, 11, 12);
  Pattern pat;
  GetIndPattern(&pat, 0, 23);
  MoveTo(3, 4);
  LineTo(7, 8);
  Line(2, -1);
  FrameRect(&r), PaintRect(&r), EraseRect(&r), InvertRect(&r), FillRect(&r, &pat);
  FrameRoundRect(&r, 6, 4), FillRoundRect(&r, 3, 5, &pat);
  PaintOval(&r), InvertOval(&r);
  FrameArc(&r, 90, -45), FillArc(&r, 10, 20, &pat);
  PolyHandle p = OpenPoly();
  MoveTo(0, 0);
  LineTo(5, 0);
  LineTo(5, 5);
  ClosePoly();
  PaintPoly(p), FillPoly(p, &pat);
  RgnHandle rgn = NewRgn();
  RectRgn(rgn, &r);
  FrameRgn(rgn), FillRgn(rgn, &pat);
  const BitMap* bits = GetPortBitMapForCopyBits(c.port());
  Rect a = rect(0, 0, 4, 4), b = rect(4, 4, 12, 12);
  CopyBits(bits, bits, &a, &b, srcOr, rgn);
  DrawString(reinterpret_cast<ConstStr255Param>("\x02hi"));
  const std::vector<std::string> want = {
      "line 7,8", "line 9,7", "rect 0 1,2,11,12", "rect 1 1,2,11,12", "rect 2 1,2,11,12", "rect 3 1,2,11,12",
      "rect 4 1,2,11,12", "rrect 0 1,2,11,12 6x4", "rrect 4 1,2,11,12 3x5", "oval 1 1,2,11,12", "oval 3 1,2,11,12",
      "arc 0 1,2,11,12 90+-45", "arc 4 1,2,11,12 10+20", "line 5,0", "line 5,5", "poly 1 3", "poly 4 3",
      "rgn 0 1", "rgn 4 1", "bits 0,0,4,4 4,4,12,12 1 mask", "text hi"};
  EXPECT_EQ(g_log, want);
  // The fill calls hand their pattern over as the port's fill pattern.
  EXPECT_EQ(std::memcmp(c.port()->fillPat.pat, pat.pat, 8), 0);
  Point pen;
  GetPen(&pen);
  EXPECT_EQ(pen.h, 5);
  KillPoly(p);
  DisposeRgn(rgn);
}

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

namespace {
struct LogRecorder : PictureRecorder {
  std::vector<std::string> log;
  void line(GrafPort*, Point f, Point t) override {
    log.push_back("line " + std::to_string(f.h) + "," + std::to_string(f.v) + "-" + std::to_string(t.h) + "," + std::to_string(t.v));
  }
  void rect(GrafPort*, GrafVerb v, const Rect& r) override { log.push_back("rect " + std::to_string(v) + " " + r2s(&r)); }
  void rRect(GrafPort*, GrafVerb v, const Rect&, short, short) override { log.push_back("rrect " + std::to_string(v)); }
  void oval(GrafPort*, GrafVerb v, const Rect&) override { log.push_back("oval " + std::to_string(v)); }
  void arc(GrafPort*, GrafVerb v, const Rect&, short, short) override { log.push_back("arc " + std::to_string(v)); }
  void poly(GrafPort*, GrafVerb v, PolyHandle) override { log.push_back("poly " + std::to_string(v)); }
  void rgn(GrafPort*, GrafVerb v, RgnHandle) override { log.push_back("rgn " + std::to_string(v)); }
  void text(GrafPort*, short n, const void*, Point, Point) override { log.push_back("text " + std::to_string(n)); }
  void bits(GrafPort*, const BitMap*, const Rect&, const Rect&, short m, RgnHandle) override {
    log.push_back("bits " + std::to_string(m));
  }
  void comment(GrafPort*, short kind, short, Handle) override { log.push_back("comment " + std::to_string(kind)); }
  void penChanged(GrafPort* p) override { log.push_back("pen " + std::to_string(p->pnSize.h)); }
  void colorChanged(GrafPort*) override { log.push_back("color"); }
  void textChanged(GrafPort* p) override { log.push_back("textstate " + std::to_string(p->txSize)); }
  void clipChanged(GrafPort*) override { log.push_back("clip"); }
};
}  // namespace

TEST(Bottlenecks, AnOpenPictureReceivesPrimitivesAndStateChangesWhileDrawingGoesOn) {
  Canvas c(10, 10);
  LogRecorder rec;
  c.port()->picSave = &rec;
  PenSize(2, 2);
  ForeColor(redColor);
  TextSize(9);
  Rect r = rect(1, 1, 5, 5);
  ClipRect(&(const Rect&)rect(0, 0, 10, 10));
  MoveTo(0, 9);
  LineTo(9, 9);
  PaintRect(&r);
  FrameOval(&r);
  StdComment(100, 0, nullptr);
  const BitMap* bits = GetPortBitMapForCopyBits(c.port());
  CopyBits(bits, bits, &r, &r, srcCopy, nullptr);
  c.port()->picSave = nullptr;
  const std::vector<std::string> want = {"pen 2",   "color",    "textstate 9", "clip",        "line 0,9-9,9",
                                         "rect 1 1,1,5,5", "oval 0", "comment 100", "bits 0"};
  EXPECT_EQ(rec.log, want);
  EXPECT_EQ(c.at(2, 2), 0xFFFF0000u);  // recorded and drawn
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
  const Point* pts = (*p)->polyPoints;
  EXPECT_EQ(pts[0].h, 2);
  EXPECT_EQ(pts[3].h, 2);
  EXPECT_EQ(pts[3].v, 8);
  EXPECT_EQ(pts[4].h, 1);
  EXPECT_EQ(pts[4].v, 1);
  Rect bbox = (*p)->polyBBox;
  EXPECT_TRUE(EqualRect(&bbox, &(const Rect&)rect(1, 1, 9, 8)));
  OffsetPoly(p, 1, 1);
  EXPECT_EQ((*p)->polyPoints[0].h, 3);
  EXPECT_EQ((*p)->polyBBox.right, 10);
  Rect from = rect(0, 0, 10, 10), to = rect(0, 0, 20, 30);
  MapPoly(p, &from, &to);
  EXPECT_EQ((*p)->polyPoints[0].h, 6);
  EXPECT_EQ((*p)->polyPoints[0].v, 12);
  KillPoly(p);
  // Showing the pen while the polygon is open draws and records at once.
  p = OpenPoly();
  ShowPen();
  MoveTo(0, 0);
  LineTo(5, 0);
  HidePen();
  ClosePoly();
  EXPECT_EQ(c.count(kBlack), 6);
  EXPECT_EQ(PolyPointCount(p), 2);
  EXPECT_EQ(c.port()->pnVis, 0);
  KillPoly(p);
}

TEST(Bottlenecks, PaintedPolygonsCoverTheirInsideLikeRectangles) {
  Canvas c(8, 6);
  PolyHandle p = OpenPoly();
  MoveTo(1, 1);
  LineTo(7, 1);
  LineTo(7, 5);
  LineTo(1, 5);
  ClosePoly();  // left open: painting closes it
  PaintPoly(p);
  Canvas d(8, 6);
  Rect r = rect(1, 1, 7, 5);
  PaintRect(&r);
  EXPECT_EQ(c.pixels(), d.pixels());
  KillPoly(p);
  // A triangle: vertex pixels on the top and left are painted.
  Canvas t(7, 6);
  p = OpenPoly();
  MoveTo(0, 0);
  LineTo(6, 0);
  LineTo(0, 6);
  ClosePoly();
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
