// Styled-text markup, checked by the text calls a recording bottleneck sees:
// which characters, at which pen, in which font, size and style.
#include <vector>

#include "tests/vok/draw/draw_fixture.h"

using drawtest::DrawTest;

namespace {
using drawtest::textCalls;
const short kBase = 50;
}  // namespace

class StyledTextTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    usePlain(400, 100);
    recordTexts();
    s_TextFace(normal);
    s_TextSize(12);
    s_MoveTo(10, kBase);
  }
  std::string drawn() const {
    std::string s;
    for (auto& c : textCalls()) s += c.text;
    return s;
  }
  // Each call as "text:size" with b for bold and i for italic, then "@" and
  // the height above (+) or below (-) the baseline: "x:12i@0 1:10@-3".
  static std::string calls() {
    std::string s;
    for (auto& c : textCalls())
      s += (s.empty() ? "" : " ") + c.text + ":" + std::to_string(c.size) + ((c.face & bold) ? "b" : "") +
           ((c.face & italic) ? "i" : "") + "@" + std::to_string(kBase - c.v);
    return s;
  }
};

// Sizes shrink by trunc(size * 0.85 + 0.5) a level; a subscript's group is
// raised by trunc(10 * 0.2 + 1); every label ends back at the baseline, even
// when its markup is unterminated. Cases run in order: bold stays on into
// the next label.
TEST_F(StyledTextTest, MarkupPiecesShrinkRiseAndComeBack) {
  const char* cases[][2] = {{"x_1", "x:12i@0 1:10@-3"},
                            {"x^{ab", "x:12i@0 a:10i@3 b:10i@3"},
                            {"a_", "a:12i@0"}, {"b^", "b:12i@0"}, {"c!", "c:12i@0"}, {"d$", "d:12i@0"},
                            {"e$&", "e:12i@0"}, {"f_{", "f:12i@0"}, {"g^{_{", "g:12i@0"}, {"i$Helvetica", "i:12i@0"},
                            {"j$12", "j:12i@0"},  // the size set to 12 as the text ends
                            // escapes and lone braces are characters; unknown commands vanish
                            {"a!_b!$c}{d!", "a:12i@0 _:12@0 b:12i@0 $:12@0 c:12i@0 }:12@0 {:12@0 d:12i@0"},
                            {"$#foo$z$$y$w", "z:12i@0 w:12i@0"},
                            {"e^{-x^2}", "e:12i@0 -:10@3 x:10i@3 2:9@6"},
                            {"a_{b^{c}d}e", "a:12i@0 b:10i@-3 c:9i@0 d:10i@-3 e:12i@0"},
                            {"$&Pdx$&Iy", "d:12@0 x:12@0 y:12i@0"},  // italic letters off and on
                            {"$&Ba1", "a:12i@0 1:12b@0"},            // italic alone, not bold italic
                            {"2", "2:12b@0"},
                            {"$&i3$&q4", "3:12i@0 4:12@0"}};  // $&q, or any other letter: plain
  for (auto& c : cases) {
    textCalls().clear();
    s_MoveTo(10, kBase);
    DrawStyleText(c[0]);
    EXPECT_EQ(calls(), c[1]) << c[0];
    EXPECT_EQ(textCalls()[0].font, "Times") << c[0];
    EXPECT_TRUE(world->pnLoc.v == kBase && world->txSize == 12 && s_c_subscriptLevel == 0) << c[0];
  }
  EXPECT_EQ(s_c_italicFlag, 1);
}

TEST_F(StyledTextTest, FontAndSizeCommands) {
  DrawStyleText("$Helvetica$abc$Times$d$14$e");
  ASSERT_EQ(drawn(), "abcde");
  EXPECT_EQ(textCalls()[0].font + textCalls()[2].font + textCalls()[3].font, "HelveticaHelveticaTimes");
  EXPECT_TRUE(textCalls()[4].size == 14 && world->txSize == 14);  // the size stays after the text
  Str255 name;
  FMGetFontFamilyName(world->txFont, name);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(name + 1), name[0]), "Times");  // the font is reset
}

TEST_F(StyledTextTest, EmptyTextDrawsNothingButSetsTheDefaultFont) {
  SetFont("Courier");
  DrawStyleText("");
  DrawStyleText(nullptr);
  EXPECT_TRUE(textCalls().empty());
  Str255 name;
  FMGetFontFamilyName(world->txFont, name);
  EXPECT_EQ(name[0], 5);  // "Times"
}

// A command longer than its 64-byte buffer is cut, never overflowed.
TEST_F(StyledTextTest, LongCommandArgumentsAreCut) {
  std::string longFont = "$" + std::string(100, 'Q') + "$ab";
  DrawStyleText(longFont.c_str());
  EXPECT_EQ(drawn(), "ab");
  EXPECT_EQ(textCalls()[0].font, "Geneva");  // no such font: the system font
  textCalls().clear();
  std::string longSize = "$" + std::string(80, '9') + "$";
  DrawStyleText(longSize.c_str());
  EXPECT_EQ(world->txSize, 32767);  // saturated, not overflowed
  s_TextSize(12);
  std::string almost = "$1" + std::string(70, 'x') + "$c";
  DrawStyleText(almost.c_str());
  EXPECT_EQ(textCalls().back().size, 1);
}

TEST_F(StyledTextTest, HighBytesPairUpButNeverPastTheEnd) {
  DrawStyleText("\xA5\x41z\xB0");
  std::string pieces;
  for (auto& c : textCalls()) pieces += c.text + "|";
  EXPECT_EQ(pieces, "\xA5\x41|z|\xB0|");
}

TEST_F(StyledTextTest, WidthIsThePenAdvanceOfTheDrawing) {
  for (const char* label : {"x_1", "e^{-x^2}", "$Helvetica$Abc $&BDef", "T_{max} (K)", "$18$W$&Pide"}) {
    s_TextSize(12);
    s_TextFace(normal);
    int width = StyleTextWidth(label);
    EXPECT_EQ(world->txSize, 12) << label;  // measuring changes nothing
    EraseRect(drawtest::rect({0, 0, 100, 400}));
    s_MoveTo(20, kBase);
    DrawStyleText(label);
    EXPECT_EQ(world->pnLoc.h - 20, width) << label;
    Rect ink = drawtest::inkBox(world);  // an italic overhang at most
    EXPECT_TRUE(ink.left >= 20 - 2 && ink.right <= 20 + width + 3 && ink.right > 20 + width - 4) << label << ink.right;
  }
}

TEST_F(StyledTextTest, CenteringMovesByHalfTheWidth) {
  SetFont("Times");
  s_MoveTo(200, kBase);
  CenterString("abcd");
  EXPECT_EQ(world->pnLoc.h, 200 - TextWidth("abcd", 0, 4) / 2);
  EXPECT_TRUE(textCalls().empty());
  s_MoveTo(200, kBase);
  int w = StyleTextWidth("x^2 + y^2");
  CenterStyleText("x^2 + y^2");
  EXPECT_EQ(world->pnLoc.h, 200 - w / 2);
  DrawStyleText("x^2 + y^2");
  Rect ink = drawtest::inkBox(world);
  EXPECT_NEAR((ink.left + ink.right) / 2.0, 200, 3);
}
