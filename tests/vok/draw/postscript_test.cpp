// The PostScript recording where a rendering cannot judge it: escaped
// strings, completed font names, a hidden pen, and shapes that must write
// nothing. What each primitive looks like is judged by Ghostscript's
// rendering (eps_ghostscript_test.cpp).
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

// An unbalanced parenthesis or a backslash would otherwise end or break the string.
TEST_F(PostScriptTest, TextIsEscapedInsidePostScriptStrings) {
  MoveTo(0, 0);
  const char label[] = "f(x\\y) \x01\xe9";
  DrawText(label, 0, short(sizeof label - 1));
  EXPECT_NE(body().find("(f\\(x\\\\y\\) \\001\\351) show\n"), std::string::npos);
  EXPECT_EQ(s_PSEscape("()\\\n~", 5), "\\(\\)\\\\\\012~");
}

TEST_F(PostScriptTest, FontSelectionCompletesTheName) {
  const struct {
    const char* family;
    int face;
    const char* name;
  } cases[] = {{"Times", 0, "Times-Roman"},        {"Times", 3, "Times-BoldItalic"},
               {"Times", 4, "Times-Roman"},        // underline: not expressed
               {"Helvetica", 2, "Helvetica-Oblique"}, {"Courier", 0, "Courier"},
               {"Times New", 1, "TimesNew"},       // blanks cannot stand in a name
               {"Symbol", 1, "Symbol"}};
  for (const auto& c : cases) EXPECT_EQ(s_PSFontName(c.family, c.face), c.name) << c.family << " " << c.face;
  // The size recorded is the one the program asked for, whatever the window shows.
  SetFont("Helvetica");
  std::string before = body();
  s_TextSize(9);
  EXPECT_EQ(body().substr(before.size()), "/Helvetica findfont\n9 scalefont\nsetfont\n");
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

TEST_F(PostScriptTest, HiddenPenRegionsPixelCopiesAndEmptyShapesWriteNothing) {
  HidePen();
  s_LineTo(50, 50);
  ShowPen();
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
  s_PSPrintf("never\n");  // must not crash without a file either
  EXPECT_FALSE(s_PSRecording());
}

// A filled polygon needs no closepath nor its repeated first point, an
// unchanged colour is not set again, and the pen's moveto is held back
// until something other than the next polygon needs the current point.
TEST_F(PostScriptTest, FilledPolygonsWriteOnlyWhatChangesThePicture) {
  RGBColor c = {0, 32768, 65535};
  for (short h : {0, 10}) {
    s_RGBForeColor(&c);
    PolyHandle p = OpenPoly();
    MoveTo(h, 0);
    LineTo(short(h + 4), 0);
    LineTo(short(h + 4), 4);
    LineTo(h, 0);
    ClosePoly();
    PaintPoly(p);
    KillPoly(p);
  }
  LineTo(20, 20);
  EXPECT_EQ(body(),
            "0.000000 0.500008 1.000000 setrgbcolor\n0 0 moveto\n4 0 lineto\n4 4 lineto\nfill\n"
            "10 0 moveto\n14 0 lineto\n14 4 lineto\nfill\n"
            "10 0 moveto\n20 20 lineto\nstroke\n20 20 moveto\n");
}
