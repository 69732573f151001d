// Console input as users hit it: typed keys (Enter, arrows, Backspace, echo
// off), a single key, and lines taken from a text file, including one longer
// than the 1025-character cap, which is cut and continued, never lost.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/paths.h"
#include "tests/vok/console/console_fixture.h"
#include "vok/console/input.h"
#include "vok/output/saving.h"
#include "vok/output/text_files.h"

namespace {
using ConsoleInput = vtest::ConsoleTest;

void post(const std::string& keys) {
  for (char c : keys) PostInputEvent(EventRecord{keyDown, uintptr_t((unsigned char)c), 0, {0, 0}, 0});
}
}  // namespace

TEST_F(ConsoleInput, TypedLines) {
  struct Case {
    std::string keys, line, window;
    int echo;
  } cases[] = {
      {"12 3.5\r", "12 3.5\r", "12 3.5\r", 1},
      {"ab\3", "ab\r", "ab\r", 1},                          // Enter ends a line like Return
      {"a\34\36b\r", "ab\r", "ab\r", 1},                     // arrows browse, they are not input
      {"ax\bb\r", "ab\r", "ab\r", 1},                        // Backspace edits the line
      {"7\r", "7\r", "", 0},                                 // no echo: the window stays as it was
  };
  for (const Case& c : cases) {
    TESetText("", 0, s_textH);
    echoInputFlag = c.echo;
    post(c.keys);
    EXPECT_EQ(std::string(s_ReadConsoleLine()), c.line);
    EXPECT_EQ(text(), c.window);
  }
  echoInputFlag = 1;
  int i = 0;
  double d = 0;
  post("12 3.5\r");
  EXPECT_EQ(s_scanf("%d %lf", &i, &d), 2);
  EXPECT_EQ(i * 10 + d, 123.5);
  post("q");
  EXPECT_EQ(s_getchar(), 'q');
  EXPECT_EQ(text(), "12 3.5\r");  // a single key is not echoed
}

TEST_F(ConsoleInput, LinesFromATextFile) {
  std::string file = vtest::scratchDir("console-input") + "/in.txt";
  vtest::writeFile(file, "12\rabc\ndef\r" + std::string(1030, 'x'));
  FSSpec spec;
  ASSERT_TRUE(VokPathToSpec(file, &spec));
  ASSERT_EQ(FSpOpenDF(&spec, fsRdPerm, &s_save.textReadRef), noErr);
  s_textReadFlag = 1;
  ReadTextP = ReadText;
  int n = 0;
  EXPECT_EQ(s_scanf("%d", &n), 1);
  EXPECT_EQ(n, 12);
  char piece[4];
  std::string pieces;
  for (int k = 0; k < 3; ++k) pieces += std::string(s_fgets(piece, 4, stdin)) + "|";
  EXPECT_EQ(pieces, "abc|\nde|f\n|");  // only CR ends a line; its CR comes out as LF
  EXPECT_EQ(s_ReadConsoleLine(), std::string(1025, 'x'));  // cut at the cap, without a line end
  EXPECT_EQ(textFileEnd, 0);
  EXPECT_EQ(s_ReadConsoleLine(), std::string("xxxxx\r"));  // the rest, ended by the end of the file
  EXPECT_EQ(textFileEnd, 1);
  EXPECT_EQ(s_ReadConsoleLine(), std::string("\r"));
  EXPECT_NE(text().find("longer than 1025 characters"), std::string::npos);
  EndTextReading();
  EXPECT_EQ(s_textReadFlag, 0);
  EXPECT_EQ(textFileEnd, 0);
}
