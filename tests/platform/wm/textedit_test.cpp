// TextEdit: text, selection and layout stay right across inserts, deletes,
// keys and scrolling, also at the console's 32000 characters.
#include <gtest/gtest.h>

#include <chrono>
#include <initializer_list>
#include <string>

#include "platform/event/event.h"
#include "platform/font/font.h"
#include "platform/wm/textedit.h"

namespace {
struct TEFixture : ::testing::Test {
  GrafPort port{};
  TEHandle te = nullptr;
  void SetUp() override {
    OpenPortOn(&port, 300, 200);
    SetPort(&port);
    TextFont(systemFont);
    TextSize(12);
    Rect r;
    SetRect(&r, 4, 0, 204, 120);  // 200 wide, a few lines high
    te = TENew(&r, &r);
    ASSERT_NE(te, nullptr);
    TEAutoView(true, te);
  }
  void TearDown() override {
    TEDispose(te);
    ClosePort(&port);
  }
  std::string text() const { return std::string(*TEGetText(te), size_t((**te).teLength)); }
  std::string line(short i) const {
    long a = TELineStart(i, te), b = TELineStart(short(i + 1), te);
    return text().substr(size_t(a), size_t(b - a));
  }
  void set(const std::string& s) { TESetText(s.data(), long(s.size()), te); }
  void keys(const std::string& s) {
    for (char c : s) TEKey(static_cast<unsigned char>(c), te);
  }
  void keys(std::initializer_list<int> codes) {
    for (int c : codes) TEKey(short(c), te);
  }
  // The selection as "start-end".
  std::string sel() const { return std::to_string((**te).selStart) + "-" + std::to_string((**te).selEnd); }
};
}  // namespace

TEST_F(TEFixture, InsertKeepsTheSelectionOnTheSameCharacters) {
  set("hello world");
  EXPECT_EQ((**te).selStart, 11);  // TESetText leaves the caret at the end
  TESetSelect(6, 11, te);
  TEInsert("big ", 4, te);  // before the selection, which moves with its text
  EXPECT_EQ(text(), "hello big world");
  EXPECT_EQ(sel(), "10-15");
  TEDelete(te);
  EXPECT_EQ(text(), "hello big ");
  EXPECT_EQ(sel(), "10-10");
  TESetSelect(-5, 999, te);  // clamped
  EXPECT_EQ(sel(), "0-10");
}

TEST_F(TEFixture, KeysEditAndMoveTheCaret) {
  set("");
  keys({'a', 'b', 'c', kLeftArrowCharCode, kLeftArrowCharCode, 'X'});
  EXPECT_EQ(text(), "aXbc");
  keys({kBackspaceCharCode, kDeleteCharCode});  // and forward delete
  EXPECT_EQ(text(), "ac");
  TESetSelect(0, 0, te);
  TEKey(kBackspaceCharCode, te);  // nothing before the start
  EXPECT_EQ(text(), "ac");
  TEKeyMods(kRightArrowCharCode, shiftKey, te);
  TEKeyMods(kRightArrowCharCode, shiftKey, te);
  EXPECT_EQ((**te).selEnd - (**te).selStart, 2);
  keys("Z");  // typing replaces the selection
  EXPECT_EQ(text(), "Z");
  TEKey(kReturnCharCode, te);
  keys("second");
  EXPECT_EQ(text(), "Z\rsecond");
  EXPECT_EQ((**te).nLines, 2);
  // Up and down keep the column where they can.
  TESetSelect(4, 4, te);  // "se|cond"
  TEKey(kUpArrowCharCode, te);
  EXPECT_EQ((**te).selStart, 1);  // line 0 is shorter: its end
  TEKey(kDownArrowCharCode, te);
  EXPECT_EQ((**te).selStart, 4);  // back to the remembered column
  TEKey(kDownArrowCharCode, te);
  EXPECT_EQ((**te).selStart, 8);  // past the last line: the end
}

TEST_F(TEFixture, LinesEndAtCarriageReturnsAndWrapAtTheWidth) {
  set("a\rb\r");
  EXPECT_EQ((**te).nLines, 2);  // the empty line after the last CR is not counted
  EXPECT_EQ(TELineStart(1, te), 2);
  EXPECT_EQ(TEGetLine(4, te), 2);  // but the caret can stand there
  set("x");
  EXPECT_EQ(TEGetLine(1, te), 0);

  std::string words;
  for (int i = 0; i < 40; ++i) words += "word" + std::to_string(i) + " ";
  set(words);
  ASSERT_GT((**te).nLines, 3);
  std::string joined;
  for (short i = 0; i < (**te).nLines; ++i) {
    std::string l = line(i);
    joined += l;
    std::string visible = l.substr(0, l.find_last_not_of(' ') + 1);  // spaces may hang past the edge
    EXPECT_LE(TextWidth(visible.data(), 0, short(visible.size())), 200) << "line " << i << ": " << l;
    if (i + 1 < (**te).nLines) {
      EXPECT_EQ(l.back(), ' ') << "broken inside a word: " << l;
    }
  }
  EXPECT_EQ(joined, words);
  // A word wider than the line is broken where it overflows, not lost.
  set(std::string(300, 'm'));
  EXPECT_GT((**te).nLines, 1);
  EXPECT_EQ(TELineStart((**te).nLines, te), 300);
}

TEST_F(TEFixture, OffsetsAndPointsAgree) {
  set("alpha beta\rgamma");
  for (short off : {0, 3, 6, 10, 11, 14, 16}) {
    Point p = TEGetPoint(off, te);
    p.v = short(p.v - 2);  // inside the line
    EXPECT_EQ(TEGetOffset(p, te), off) << off;
  }
  Point far{short(TEGetPoint(0, te).v), 400};
  EXPECT_EQ(TEGetOffset(far, te), 10);  // past the end of line 0: before its CR
}

TEST_F(TEFixture, SelViewScrollsTheInsertionPointIntoView) {
  std::string lines;
  for (int i = 0; i < 60; ++i) lines += "line " + std::to_string(i) + "\r";
  TEInsert(lines.data(), long(lines.size()), te);
  TESelView(te);
  TERec& r = **te;
  Point caret = TEGetPoint(r.selStart, te);
  EXPECT_GE(caret.v - r.fontAscent, r.viewRect.top);
  EXPECT_LE(caret.v - r.fontAscent + r.lineHeight, r.viewRect.bottom);
  EXPECT_LT(r.destRect.top, r.viewRect.top);
  TESetSelect(0, 0, te);
  TESelView(te);
  EXPECT_EQ(r.destRect.top, r.viewRect.top);
  TEScroll(0, -7, te);
  EXPECT_EQ(r.destRect.top, r.viewRect.top - 7);
}

TEST_F(TEFixture, ConsoleSizedTextStaysRightAndFast) {
  std::string chunk = "value 12.5 and more text\r";
  std::string expect;
  auto t0 = std::chrono::steady_clock::now();
  while (expect.size() + chunk.size() <= 32000) {
    TEInsert(chunk.data(), long(chunk.size()), te);
    expect += chunk;
  }
  double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
  EXPECT_EQ(text(), expect);
  EXPECT_EQ((**te).nLines, short(expect.size() / chunk.size()));
  EXPECT_EQ(TELineStart(100, te), long(100 * chunk.size()));
  // The record never holds more than 32767 characters.
  std::string big(40000, 'x');
  set(big);
  EXPECT_EQ((**te).teLength, 32767);
  TEInsert("yy", 2, te);
  EXPECT_EQ((**te).teLength, 32767);
  RecordProperty("insert_ms", std::to_string(ms));
  EXPECT_LT(ms, 5000.0);
}

TEST_F(TEFixture, DrawingStaysInsideTheView) {
  Rect view;
  SetRect(&view, 20, 20, 120, 60);
  TEHandle small = TENew(&view, &view);
  TESetText("many words that wrap around the small view and beyond", 54, small);
  TEActivate(small);
  TEUpdate(&view, small);
  int inside = 0, outside = 0;
  for (short v = 0; v < 200; ++v)
    for (short h = 0; h < 300; ++h) {
      RGBColor c;
      GetCPixel(h, v, &c);
      bool ink = c.red < 0x8000;
      Point p{v, h};
      (PtInRect(p, &view) ? inside : outside) += ink;
    }
  EXPECT_GT(inside, 20);
  EXPECT_EQ(outside, 0);
  // The caret blinks by inversion: one TEIdle after the period flips its pixels.
  TESetSelect(0, 0, small);
  Point caret = TEGetPoint(0, small);
  RGBColor before, after;
  GetCPixel(short(caret.h), short(caret.v - 2), &before);
  (**small).caretState = 1;
  uint32_t until = TickCount() + 40;
  while (TickCount() < until) {
  }
  TEIdle(small);
  GetCPixel(short(caret.h), short(caret.v - 2), &after);
  EXPECT_NE(before.red, after.red);
  TEDispose(small);
}
