// The text window as console: CR line ends, output always at the end, the
// character budget and its trim, the 1023-character cut, the hooks, and the
// headless echo on standard output.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/vok/console/console_fixture.h"

namespace {
using Console = vtest::ConsoleTest;

std::string g_saved, g_printed;
long recordSave(const char* t) {
  g_saved += t;
  return long(std::strlen(t));
}
void recordPrint(const char* t) { g_printed += t; }
}  // namespace

TEST_F(Console, LineFeedsBecomeCarriageReturnsAndOutputGoesToTheEnd) {
  EXPECT_EQ(s_printf("a\nb\n"), 4);
  EXPECT_EQ(text(), "a\rb\r");
  TESetSelect(0, 0, s_textH);  // the user browsed to the top while stopped
  s_puts("c");                 // no line end added
  EXPECT_TRUE(text() == "a\rb\rc" && (**s_textH).selStart == 5);
}

TEST_F(Console, StandardErrorBypassesTheWindow) {
  s_fprintf(stdout, "%d\n", 7);
  testing::internal::CaptureStderr();
  s_fprintf(stderr, "to stderr\n");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "to stderr\n");
  EXPECT_EQ(text(), "7\r");
}

TEST_F(Console, BudgetTrimKeepsTheNewestText) {
  std::string all;
  std::string chunk(1000, 'x');
  for (int i = 0; i < 10; ++i) {
    chunk[0] = char('0' + i);
    s_printf("%s", chunk.c_str());
    all += chunk;
  }
  EXPECT_EQ((**s_textH).teLength, 10000);  // at the budget: nothing trimmed yet
  s_printf("y");
  all += "y";
  ASSERT_EQ((**s_textH).teLength, 501);
  EXPECT_EQ(text(), all.substr(all.size() - 501));
  EXPECT_EQ((**s_textH).selStart, 501);  // output continues after the last character
}

TEST_F(Console, BudgetFollowsSetTextCharNum) {
  // Never below the reserve.
  EXPECT_EQ((std::vector<int>{SetTextCharNum(100), SetTextCharNum(40000), SetTextCharNum(-7)}),
            (std::vector<int>{600, 32000, 500}));
  // A budget equal to the reserve still trims (it once let the text grow without end).
  std::string line(400, 'z');
  for (int i = 0; i < 5; ++i) s_printf("%s", line.c_str());
  EXPECT_LE((**s_textH).teLength, 500);
  SetTextCharNum(9500);
}

TEST_F(Console, LongOutputIsCutAt1023Characters) {
  std::string big(5000, 'q');
  EXPECT_EQ(s_printf("%s\n", big.c_str()), 1023);
  EXPECT_EQ(text(), std::string(1023, 'q'));
}

TEST_F(Console, HooksReceiveTheTextWithCarriageReturns) {
  g_saved.clear();
  g_printed.clear();
  SaveTextP = recordSave;
  PrintTextP = recordPrint;
  s_textSaveFlag = 1;
  s_printf("a\n");
  s_textPrintFlag = 1;
  s_printf("b\n");
  s_textSaveFlag = s_textPrintFlag = 0;
  s_printf("c\n");
  SaveTextP = s_longDummyString;
  PrintTextP = s_voidDummyString;
  EXPECT_EQ(g_saved + "|" + g_printed, "a\rb\r|b\r");
}
