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
  const struct {
    std::string keys, line, window;
  } cases[] = {
      {"ab\3", "ab\r", "ab\r"},          // Enter ends a line like Return
      {"a\34\36b\r", "ab\r", "ab\r"},    // arrows browse, they are not input
      {"ax\bb\r", "ab\r", "ab\r"},       // Backspace edits the line
      {"7\r", "7\r", ""},                // echo off: the window stays as it was
  };
  for (const auto& c : cases) {
    TESetText("", 0, s_textH);
    echoInputFlag = c.window.empty() ? 0 : 1;
    post(c.keys);
    EXPECT_EQ(std::string(s_ReadConsoleLine()), c.line);
    EXPECT_EQ(text(), c.window);
  }
  echoInputFlag = 1;
  post("q");
  EXPECT_EQ(s_getchar(), 'q');
  EXPECT_EQ(text(), "");  // a single key is not echoed
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
  EXPECT_EQ(pieces, "abc|\nde|f\n|");  // only CR ends a line; it comes out as LF
  EXPECT_EQ(s_ReadConsoleLine(), std::string(1025, 'x'));  // cut at the cap
  EXPECT_EQ(std::string(s_ReadConsoleLine()), "xxxxx\r");  // the rest, ended by the file's end
  EXPECT_EQ(textFileEnd, 1);
  EXPECT_NE(text().find("longer than 1025 characters"), std::string::npos);
  EndTextReading();
}
