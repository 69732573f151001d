// Buffered mode: every primitive lands unscaled in the buffer and scaled in
// the window; state wrappers mirror; the window can be repainted from the buffer.
#include "tests/support/vok_expect.h"
#include "tests/vok/draw/draw_fixture.h"

using drawtest::DrawTest;
using drawtest::inkBox;
using drawtest::inked;

class BufferedTest : public DrawTest {};

// The second segment must start where the first ended in both ports.
TEST_F(BufferedTest, ConnectedSegmentsAndRelativeLinesStayTogether) {
  useBuffered(Rect{0, 0, 100, 100}, 2.0);
  s_MoveTo(10, 10);
  LineTo(20, 10);
  LineTo(20, 30);
  s_Line(5, 0);
  EXPECT_TRUE(inked(world, 20, 30) && inked(world, 25, 30));
  EXPECT_TRUE(inked(screen, 40, 20) && inked(screen, 40, 59) && inked(screen, 50, 60));
  EXPECT_FALSE(inked(screen, 60, 60));  // an unscaled pen would have gone on to (60, 60)
  EXPECT_TRUE(inkBox(screen).right == 51 && inkBox(screen).bottom == 61);
}

// Past a short's range (a label's "$99999$" size) the window's values stay
// at the limits: they once wrapped round to negative ones.
TEST_F(BufferedTest, ScaledValuesStayAtTheLimitsOfAShort) {
  useBuffered(Rect{0, 0, 40, 40}, 1.5);
  s_PenSize(1, 1);
  s_TextSize(12);
  s_Move(3, 3);
  // Buffer, then window: the pen trunc(1.5 + 0.99), the text size and the pen position scaled.
  EXPECT_EQ((std::vector<int>{world->pnSize.h, world->txSize, world->pnLoc.h}), (std::vector<int>{1, 12, 3}));
  EXPECT_EQ((std::vector<int>{screen->pnSize.h, screen->pnSize.v, screen->txSize, screen->pnLoc.h}),
            (std::vector<int>{2, 2, 18, 4}));
  s_TextSize(32767);
  s_PenSize(30000, 1);
  s_MoveTo(-30000, 30000);
  EXPECT_EQ((std::vector<int>{screen->txSize, screen->pnSize.h, screen->pnLoc.h, screen->pnLoc.v, world->txSize}),
            (std::vector<int>{32767, 32767, -32768, 32767, 32767}));
}

// Nested groups of huge text lower the pen past the coordinate space, where
// moves stop at the edge: the label must still end on its baseline in both ports.
TEST_F(BufferedTest, DeepGroupsOfHugeTextEndOnTheBaseline) {
  useBuffered(Rect{0, 0, 60, 200}, 1.5);
  for (const char* label : {"$99999$_{_{_{_{_{_{_{_{_{", "$32767$^{^{^{^{^{^{^{^{^{x}}}}}}}}}y"}) {
    s_MoveTo(10, 30);
    DrawStyleText(label);
    EXPECT_TRUE(world->pnLoc.v == 30 && screen->pnLoc.v == 45 && s_c_subscriptLevel == 0) << label;
  }
}

TEST_F(BufferedTest, ShapesTextAndColoursReachBothPorts) {
  useBuffered(Rect{0, 0, 60, 60}, 2.0);
  SetRGBColor(100, 0, 0);
  PaintRect(drawtest::rect({5, 5, 15, 25}));
  EXPECT_TRUE(drawtest::pixel(world, 10, 10) == 0xFF0000u && drawtest::pixel(screen, 20, 20) == 0xFF0000u);
  EXPECT_EQ(inkBox(screen), (Rect{10, 10, 30, 50}));
  s_ForeColor(blackColor);
  s_MoveTo(5, 50);
  SetFont("Helvetica");
  s_TextSize(10);
  DrawText("ABC", 0, 3);
  EXPECT_TRUE(inkBox(world).bottom > 40 && inkBox(screen).bottom > 80);  // the text below the rectangle in both
}

TEST_F(BufferedTest, PatternFillsPaintWithThePatternInBothPorts) {
  useBuffered(Rect{0, 0, 40, 40}, 2.0);
  Pattern stripes = {{0xFF, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0}};
  s_FillRect(drawtest::rect({0, 0, 8, 8}), &stripes);
  EXPECT_TRUE(inked(world, 3, 0) && !inked(world, 3, 1) && inked(screen, 3, 0));
  PenState ps;
  GetPenState(&ps);
  Pattern black;
  GetQDGlobalsBlack(&black);
  EXPECT_EQ(std::memcmp(&ps.pnPat, &black, sizeof black), 0);  // the pen got its pattern back
}

// Polygons are defined in drawing coordinates and drawn scaled only once.
TEST_F(BufferedTest, PolygonsDrawAtTheSamePlaceInBothPorts) {
  useBuffered(Rect{0, 0, 50, 50}, 2.0);
  PolyHandle p = s_OpenPoly();
  s_MoveTo(10, 10);
  LineTo(30, 10);
  LineTo(30, 30);
  LineTo(10, 10);
  s_ClosePoly();
  EXPECT_EQ(inkBox(world).right + inkBox(screen).right, 0);  // defining it drew nothing
  PaintPoly(p);
  KillPoly(p);
  EXPECT_NEAR(inkBox(world).right, 30, 1);
  EXPECT_NEAR(inkBox(screen).right, 60, 2);
  EXPECT_NEAR(inkBox(screen).bottom, 60, 2);
}

TEST_F(BufferedTest, PixelsAreReadFromTheBufferAndSetInBoth) {
  useBuffered(Rect{0, 0, 20, 20}, 2.0);
  RGBColor green = {0, 65535, 0}, got = {1, 1, 1};
  s_SetCPixel(3, 4, &green);
  EXPECT_TRUE(drawtest::pixel(world, 3, 4) == 0x00FF00u && drawtest::pixel(screen, 6, 8) == 0x00FF00u);
  EXPECT_EQ(s_drawBackLineFlag, 1);
  s_GetCPixel(3, 4, &got);
  EXPECT_TRUE(got.green == 65535 && got.red == 0 && s_GetPixel(3, 4));
  EXPECT_EQ(GetQDPort(), screen);  // the window's port is current again
}

TEST_F(BufferedTest, TheWindowIsRepaintedFromTheBuffer) {
  useBuffered(Rect{0, 0, 30, 30}, 2.0);
  PaintRect(drawtest::rect({2, 2, 10, 12}));
  SetGWorld(screen, nullptr);
  StdRect(kQDGrafVerbErase, drawtest::rect({0, 0, 60, 60}));  // the window alone, as if another window had covered it
  EXPECT_EQ(inkBox(screen).right, 0);
  RGBColor red = {65535, 0, 0};
  RGBForeColor(&red);
  RedrawWindowP();
  EXPECT_EQ(inkBox(screen), (Rect{4, 4, 20, 24}));
  EXPECT_EQ(drawtest::pixel(screen, 10, 10), 0x000000u);  // colours copied unchanged
  RGBColor fg;
  GetForeColor(&fg);
  EXPECT_EQ(fg.red, 65535);  // the port's colour is back
  EXPECT_EQ(GetQDPort(), screen);
}

TEST_F(BufferedTest, EraseDrawingNamesTheUnscaledArea) {
  useBuffered(Rect{0, 0, 30, 20}, 2.0);
  PaintRect(drawtest::rect({0, 0, 30, 20}));
  EraseDrawing();
  EXPECT_EQ(inkBox(world).right + inkBox(screen).right, 0);
}

TEST_F(BufferedTest, WrappersDoNotMirrorIntoOtherPorts) {
  useBuffered(Rect{0, 0, 20, 20}, 2.0);
  GWorldPtr other = newWorld(20, 20);
  SetGWorld(other, nullptr);
  s_MoveTo(5, 5);
  s_PenSize(3, 3);
  EXPECT_EQ((std::vector<int>{other->pnLoc.h, other->pnSize.h, world->pnSize.h, screen->pnSize.h}),
            (std::vector<int>{5, 3, 1, 1}));
  SetGWorld(screen, nullptr);
  DisposeGWorld(other);
}

// The file records the drawing's own coordinates, not the window's.
TEST_F(BufferedTest, RecordingIsUnscaled) {
  useBuffered(Rect{0, 0, 200, 100}, 2.0);
  BeginEPSSaving();
  EXPECT_NE(recorded().find("0 -200 translate\n"), std::string::npos);
  std::string before = body();
  s_MoveTo(10, 10);
  LineTo(20, 10);
  FrameRect(drawtest::rect({50, 20, 60, 40}));
  EXPECT_EQ(body().substr(before.size()),
            "10 10 moveto\n20 10 lineto\nstroke\n20 10 moveto\n20 50 moveto\n40 50 lineto\n40 60 lineto\n"
            "20 60 lineto\nclosepath\nstrokepath\nfill\n20 10 moveto\n");
}
