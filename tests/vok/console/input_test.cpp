// Console input as users hit it: typed keys (Enter, arrows, echo off), a
// single key, and lines taken from a text file through the reading hook,
// including one longer than the 1025-character cap, which is cut and
// continued, never lost.
#include <gtest/gtest.h>

#include <string>

#include "tests/vok/console/console_fixture.h"
#include "vok/console/input.h"
#include "vok/output/text_files.h"

using ConsoleInput = vtest::ConsoleTest;

TEST_F(ConsoleInput, TypedKeysAndFileLines) {
  const char* cases[][3] = {
      {"ab\3", "ab\r", "ab\r"},        // Enter ends a line like Return
      {"a\34\36b\r", "ab\r", "ab\r"},  // arrows browse, they are not input
      {"7\r", "7\r", ""},              // echo off: the window stays as it was
      {"q", "", ""},                   // a single key: s_getchar, no echo
  };
  for (auto& c : cases) {
    TESetText("", 0, s_textH);
    echoInputFlag = *c[2] ? 1 : 0;
    for (const char* k = c[0]; *k; ++k) PostInputEvent(EventRecord{keyDown, uintptr_t(*k), 0, {0, 0}, 0});
    EXPECT_EQ(*c[1] ? std::string(s_ReadConsoleLine()) : std::string(1, char(s_getchar())), *c[1] ? c[1] : c[0]);
    EXPECT_EQ(text(), c[2]);
  }
  echoInputFlag = 1;
  static const std::string file = "12\rabc\ndef\r" + std::string(1030, 'x');
  static size_t at;
  at = 0;
  ReadTextP = [](char* c) -> long { return at < file.size() ? (*c = file[at++], 1) : 0; };
  s_textReadFlag = 1;
  int n = 0;
  EXPECT_EQ(s_scanf("%d", &n) * 100 + n, 112);
  EXPECT_EQ(std::string(s_ReadConsoleLine()), "abc\ndef\r");  // only CR ends a line
  EXPECT_EQ(s_ReadConsoleLine(), std::string(1025, 'x'));  // cut at the cap
  EXPECT_EQ(std::string(s_ReadConsoleLine()), "xxxxx\r");  // the rest, ended by the file's end
  EXPECT_EQ(textFileEnd, 1);
  EXPECT_NE(text().find("longer than 1025 characters"), std::string::npos);
  EndTextReading();
}
