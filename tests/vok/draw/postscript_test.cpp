// The PostScript each primitive writes while recording, byte for byte.
#include "tests/vok/draw/draw_fixture.h"
#include "vok/draw/bottlenecks.h"
#include "vok/draw/postscript.h"

using drawtest::DrawTest;

class PostScriptTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    usePlain(200, 100);
    BeginEPSSavingBox(0, 0, 200, 100);
    ASSERT_EQ(s_eps.active, 1);
  }
};

TEST_F(PostScriptTest, HeaderOfTheRecording) {
  EXPECT_EQ(recorded(), "/Times findfont\n12 scalefont setfont\n1 -1 scale\n0 -100 translate\n1 setlinecap\n");
}

// Each primitive's PostScript, byte for byte. QuickDraw's 0 degrees is 12
// o'clock, clockwise; in the file's y-down user space PostScript angles turn
// clockwise from 3 o'clock: 0..90 is 270..360.
TEST_F(PostScriptTest, EachPrimitiveWritesItsPath) {
  // After every shape the pen's point is set again, so lines go on from it.
  const struct {
    void (*draw)();
    const char* ps;
  } cases[] = {
      {[] { FrameRect(&(const Rect&)Rect{10, 20, 30, 40}); },
       "20 10 moveto\n40 10 lineto\n40 30 lineto\n20 30 lineto\nclosepath\nstrokepath\nfill\n0 0 moveto\n"},
      // Text is shown upright at the pen.
      {[] {
         s_MoveTo(5, 12);
         DrawText("ab", 0, 2);
       },
       "5 12 moveto\n5 12 moveto\n1 -1 scale\n(ab) show\n1 -1 scale\n"},
      // Arcs are scaled circles on the same side.
      {[] { FrameArc(&(const Rect&)Rect{0, 0, 50, 100}, 0, 90); },
       "gsave\n1 0.500000 scale\nnewpath\n50.000000 50.000000 50.000000 270.000000 360.000000 arc\n"
       "strokepath\nfill\ngrestore\n20 12 moveto\n"},
      // Pie wedges start at the centre; a full circle stays whole.
      {[] { PaintArc(&(const Rect&)Rect{0, 0, 40, 20}, 90, -360); },
       "gsave\n0.500000 1 scale\n20.000000 20.000000 moveto\n"
       "20.000000 20.000000 20.000000 0.000000 -360.000000 arcn\nclosepath\nfill\ngrestore\n20 12 moveto\n"},
      // Round-rect corners joined by edges; the corner height is cut to the rectangle's.
      {[] { PaintRoundRect(&(const Rect&)Rect{0, 0, 20, 40}, 10, 100); },
       "40.000000 10.000000 moveto\n"
       "40.000000 5.500000 37.250000 0.000000 35.000000 0.000000 curveto\n5.000000 0.000000 lineto\n"
       "2.750000 0.000000 0.000000 5.500000 0.000000 10.000000 curveto\n0.000000 10.000000 lineto\n"
       "0.000000 14.500000 2.750000 20.000000 5.000000 20.000000 curveto\n35.000000 20.000000 lineto\n"
       "37.250000 20.000000 40.000000 14.500000 40.000000 10.000000 curveto\nclosepath\nfill\n20 12 moveto\n"},
  };
  for (const auto& c : cases) {
    std::string before = body();
    c.draw();
    EXPECT_EQ(body().substr(before.size()), c.ps);
  }
}

TEST_F(PostScriptTest, PaintedOvalStartsOnTheRightAndCurvesUp) {
  Rect r = {0, 0, 10, 20};
  PaintOval(&r);
  std::string b = body();
  EXPECT_EQ(b.substr(0, b.find('\n', b.find('\n') + 1) + 1),
            "20.000000 5.000000 moveto\n20.000000 2.750000 14.500000 0.000000 10.000000 0.000000 curveto\n");
  EXPECT_NE(b.find("closepath\nfill\n"), std::string::npos);
}

TEST_F(PostScriptTest, LinesStrokeEachSegmentAndOnlyWithTheVisiblePen) {
  s_MoveTo(1, 2);
  s_LineTo(3, 4);
  HidePen();
  s_LineTo(50, 50);  // hidden: nothing
  ShowPen();
  Line(1, 0);
  EXPECT_EQ(body(), "1 2 moveto\n3 4 lineto\nstroke\n3 4 moveto\n51 50 lineto\nstroke\n51 50 moveto\n");
}

// An unbalanced parenthesis or a backslash would otherwise end or break the string.
TEST_F(PostScriptTest, TextIsEscapedInsidePostScriptStrings) {
  MoveTo(0, 0);
  const char label[] = "f(x\\y) \x01\xe9";
  DrawText(label, 0, short(sizeof label - 1));
  EXPECT_NE(body().find("(f\\(x\\\\y\\) \\001\\351) show\n"), std::string::npos);
  EXPECT_EQ(s_PSEscape("()\\\n~", 5), "\\(\\)\\\\\\012~");
}

TEST_F(PostScriptTest, FontSelectionCompletesTheName) {
  SetFont("Times");
  s_TextSize(12);
  std::string before = body();
  s_TextFace(bold);
  EXPECT_EQ(body().substr(before.size()), "/Times-Bold findfont\n12 scalefont\nsetfont\n");
  EXPECT_EQ(s_PSFontName("Times", 0), "Times-Roman");
  EXPECT_EQ(s_PSFontName("Times", 3), "Times-BoldItalic");
  EXPECT_EQ(s_PSFontName("Times", 4), "Times-Roman");  // underline: not expressed
  EXPECT_EQ(s_PSFontName("Helvetica", 2), "Helvetica-Oblique");
  EXPECT_EQ(s_PSFontName("Courier", 0), "Courier");
  EXPECT_EQ(s_PSFontName("Times New", 1), "TimesNew");  // compared in full; blanks cannot stand in a name
  EXPECT_EQ(s_PSFontName("Symbol", 1), "Symbol");
  // The size recorded is the one the program asked for, whatever the window shows.
  s_TextFace(normal);
  SetFont("Helvetica");
  before = body();
  s_TextSize(9);
  EXPECT_EQ(body().substr(before.size()), "/Helvetica findfont\n9 scalefont\nsetfont\n");
}

TEST_F(PostScriptTest, ColoursAreFractionsOfFull) {
  RGBColor c = {65535, 32767, 0};
  s_RGBForeColor(&c);
  s_ForeColor(blueColor);
  RGBColor port;
  GetForeColor(&port);
  char expect[200];
  std::snprintf(expect, sizeof expect, "1.000000 0.499992 0.000000 setrgbcolor\n%f %f %f setrgbcolor\n",
                port.red / 65535.0, port.green / 65535.0, port.blue / 65535.0);
  EXPECT_EQ(body(), expect);
  s_RGBBackColor(&c);  // background changes are not recorded
  EXPECT_EQ(body(), expect);
}

// Colours and points are formatted by hand: the bytes of "%f" and "%d" for every value.
TEST_F(PostScriptTest, HandFormattedNumbersAreThoseOfPrintf) {
  std::string expect;
  char line[80];
  for (long k = 0; k <= 65535; ++k) {
    RGBColor c = {uint16_t(k), uint16_t(65535 - k), uint16_t(k * 7919 % 65536)};
    s_PSColor(&c);
    std::snprintf(line, sizeof line, "%f %f %f setrgbcolor\n", c.red / 65535.0, c.green / 65535.0, c.blue / 65535.0);
    expect += line;
  }
  for (short h : {short(-32768), short(-1), short(0), short(32767)}) {
    s_PSMoveTo(h, short(-h - 1));
    expect += std::to_string(h) + " " + std::to_string(-h - 1) + " moveto\n";
  }
  EXPECT_EQ(body(), expect);
}

TEST_F(PostScriptTest, EraseUsesTheBackgroundThenRestoresTheForeground) {
  RGBColor fg = {0, 0, 65535}, bg = {65535, 65535, 0};
  s_RGBForeColor(&fg);
  s_RGBBackColor(&bg);
  std::string before = body();
  Rect r = {0, 0, 2, 2};
  EraseRect(&r);
  EXPECT_EQ(body().substr(before.size()),
            "0 0 moveto\n2 0 lineto\n2 2 lineto\n0 2 lineto\nclosepath\n"
            "1.000000 1.000000 0.000000 setrgbcolor\nfill\n0.000000 0.000000 1.000000 setrgbcolor\n0 0 moveto\n");
}

TEST_F(PostScriptTest, PatternFillIsABackgroundFillThenTheMaskInTheForeground) {
  Pattern pat = {{0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}};
  Rect r = {0, 0, 8, 8};
  s_FillRect(&r, &pat);
  EXPECT_EQ(body(),
            "0 0 moveto\n8 0 lineto\n8 8 lineto\n0 8 lineto\nclosepath\n"
            "gsave\n1.000000 1.000000 1.000000 setrgbcolor\nfill\ngrestore\n/DeviceRGB setcolorspace\n"
            "0.000000 0.000000 0.000000\n<<\n/PaintType 2 /PatternType 1 /TilingType 1\n"
            "/BBox [0 0 8 8] /XStep 8 /YStep 8\n/PaintProc {\npop\n8 8 true [1 0 0 1 0 0] {<\n"
            "80 40 20 10 08 04 02 01 \n>} imagemask\n}>>\nmatrix makepattern\nsetpattern\n"
            "fill\n0.000000 0.000000 0.000000 setrgbcolor\n0 0 moveto\n");
}

TEST_F(PostScriptTest, PolygonPathFromItsPoints) {
  PolyHandle p = s_OpenPoly();
  s_MoveTo(1, 1);
  LineTo(9, 1);
  LineTo(5, 7);
  LineTo(1, 1);
  s_ClosePoly();
  std::string before = body();  // the defining lines draw nothing
  EXPECT_EQ(before, "1 1 moveto\n");
  InvertPoly(p);
  EXPECT_EQ(body().substr(before.size()), "1 1 moveto\n9 1 lineto\n5 7 lineto\n1 1 lineto\nclosepath\nfill\n1 1 moveto\n");
  KillPoly(p);
}

TEST_F(PostScriptTest, RegionsPixelCopiesAndEmptyShapesWriteNothing) {
  RgnHandle rgn = NewRgn();
  SetRectRgn(rgn, 0, 0, 5, 5);
  PaintRgn(rgn);
  DisposeRgn(rgn);
  Rect empty = {5, 5, 5, 9};
  s_CustomArc(kQDGrafVerbFrame, &empty, 0, 90);  // no division by an empty height
  Rect a = {0, 0, 4, 4}, b = {10, 10, 14, 14};
  CopyBits(GetPortBitMapForCopyBits(world), GetPortBitMapForCopyBits(world), &a, &b, srcCopy, nullptr);
  EXPECT_EQ(body(), "");
}

TEST(PostScriptIdle, NothingIsWrittenWithoutARecording) {
  EXPECT_FALSE(s_PSRecording());
  s_PSPrintf("never\n");  // must not crash without a file either
  SUCCEED();
}
