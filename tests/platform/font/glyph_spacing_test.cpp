// Words drawn on screen are spaced as designed: two letters drawn at their
// measured advances leave as many blank columns between them as the same
// letters at 96 pixels (where hinting hardly matters) scaled down, give or
// take rounding, so no letter opens a gap after it ("Bitm ap", "M ax").
#include <gtest/gtest.h>

#include <string>

#include "platform/font/font.h"
#include "tests/platform/gfx/canvas.h"

namespace {
// Blank columns between letters a and b drawn alone at their measured advances.
int gap(short font, short size, char a, char b) {
  gfxtest::Canvas canvas(400, 120);
  TextFont(font);
  TextSize(size);
  MoveTo(40, 80);
  DrawChar(a);
  MoveTo(short(240 + CharWidth(a)), 80);  // b as far after a's pen as a's advance, 200 further right
  DrawChar(b);
  return canvas.inkBox(200).left - 200 - canvas.inkBox(0, 200).right;
}
}  // namespace

TEST(GlyphSpacing, GapsBetweenLettersAreTheFontsDesign) {
  for (const char* family : {"Helvetica", "Times", "Geneva"}) {
    short font = gfxtest::fnum(family);
    for (const std::string word : {"Bitmap", "Max", "Exit", "Graph", "Frame", "Number", "Interval", "Save"})
      for (size_t i = 0; i + 1 < word.size(); ++i) {
        double em = gap(font, 96, word[i], word[i + 1]) / 96.0;
        // Advances and ink edges each round by up to half a pixel; glyphs
        // hinted to other widths than measured were 1.6 pixels off.
        for (short size : {9, 10, 12, 14, 18, 24})
          EXPECT_NEAR(gap(font, size, word[i], word[i + 1]), em * size, 1.3) << family << " " << size << " " << word;
      }
  }
}
