// Words drawn on screen are spaced as the fonts were designed: between two
// letters drawn at their measured advances there are as many blank columns
// as the PostScript font's metrics give (its AFM file, read independently of
// FreeType), give or take rounding, so no letter opens a gap after it
// ("Bitm ap", "M ax") at any size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "platform/font/font.h"
#include "tests/platform/gfx/canvas.h"
#include "tests/support/paths.h"

namespace {
const char kAfmDir[] = "/usr/share/fonts/type1/urw-base35/";

struct AfmChar {
  double advance = 0, left = 0, right = 0;  // thousandths of an em
};

// Advance and ink box of the ASCII characters of an AFM file.
std::map<int, AfmChar> readAfm(const std::string& path) {
  std::map<int, AfmChar> out;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    int code;
    double wx, llx, lly, urx, ury;
    char name[64];
    if (std::sscanf(line.c_str(), "C %d ; WX %lf ; N %63s ; B %lf %lf %lf %lf", &code, &wx, name, &llx, &lly, &urx,
                    &ury) == 7 &&
        code > 32 && code < 127)
      out[code] = {wx, llx, urx};
  }
  return out;
}

short fnum(const char* name) {
  Str255 p;
  CopyCToPascal(name, p);
  short id = 0;
  GetFNum(p, &id);
  return id;
}

// Ink columns [left, right) of one glyph drawn alone, relative to the pen,
// and its measured width.
void glyphInk(short font, short size, char c, int* left, int* right, int* width) {
  gfxtest::Canvas canvas(200, 120);
  TextFont(font);
  TextSize(size);
  *width = CharWidth(c);
  MoveTo(40, 80);
  DrawChar(c);
  *left = 1 << 20, *right = -1;
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x)
      if (canvas.at(x, y) != gfxtest::kWhite) *left = std::min(*left, x - 40), *right = std::max(*right, x - 39);
}

// Blank columns between two letters drawn alone at their measured advances.
int gap(short font, short size, char a, char b) {
  int l0, r0, w0, l1, r1, w1;
  glyphInk(font, size, a, &l0, &r0, &w0);
  glyphInk(font, size, b, &l1, &r1, &w1);
  return w0 + l1 - r0;
}
}  // namespace

TEST(GlyphSpacing, GapsBetweenLettersAreTheFontsDesign) {
  struct Family {
    const char *name, *afm;  // afm: "" for a family without one (its 96-pixel letters are the design)
  } families[] = {{"Helvetica", "NimbusSans-Regular.afm"}, {"Times", "NimbusRoman-Regular.afm"}, {"Geneva", ""}};
  const std::string words[] = {"Bitmap", "Max", "Exit Graph", "Frame", "Number", "Interval", "Save"};
  for (const Family& f : families) {
    std::map<int, AfmChar> afm;
    if (*f.afm) {
      afm = readAfm(std::string(kAfmDir) + f.afm);
      VTEST_REQUIRE(!afm.empty(), std::string(kAfmDir) + f.afm);
    }
    short font = fnum(f.name);
    for (const std::string& word : words)
      for (size_t i = 0; i + 1 < word.size(); ++i) {
        char a = word[i], b = word[i + 1];
        if (a == ' ' || b == ' ') continue;
        double em = afm.empty() ? gap(font, 96, a, b) / 96.0
                                : (afm[a].advance - afm[a].right + afm[b].left) / 1000.0;
        // Whole-pixel advances and ink edges each round by up to half a
        // pixel; glyphs hinted to other widths than they are measured with
        // were 1.6 pixels off.
        for (short size : {9, 10, 12, 14, 18, 24})
          EXPECT_NEAR(gap(font, size, a, b), em * size, 1.3) << f.name << " " << size << " \"" << a << b << "\" in " << word;
      }
  }
}
