// Pause, stop and the small polls in one process, with script lines loaded
// on the spot; and the fatal paths (which end the process) as death tests.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/script/script.h"
#include "tests/support/vok_expect.h"
#include "tests/vok/console/console_fixture.h"
#include "vok/vok.h"

namespace {
class Frame : public vtest::ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    SetMouseState(Point{400, 500}, false, 0);
  }
  static void script(const char* lines) { VokLoadScript("test script", lines); }
};
}  // namespace

TEST_F(Frame, StopLetsArrowKeysBrowseTheConsole) {
  std::string lines;
  for (int i = 0; i < 40; ++i) lines += "line\r";
  TESetText(lines.data(), long(lines.size()), s_textH);
  TESetSelect(0, 0, s_textH);
  script("key down\nkey \"x\"\nkey down cmd\nclick 300 300\n");
  Stop();
  EXPECT_EQ(TEGetLine((**s_textH).selStart, s_textH), 22);  // 1 + 21 lines; other keys are ignored
  EXPECT_EQ(text(), lines);
  EXPECT_TRUE(s_event.what == mouseDown && s_event.where.h == 300);
}

TEST_F(Frame, WaitsAndPolls) {
  uint32_t t0 = TickCount();
  WaitTick(0);
  EXPECT_LE(TickCount() - t0, 1u);
  t0 = TickCount();
  WaitTick(6);
  EXPECT_GE(TickCount() - t0, 6u);
  script("key \"k\"\n");
  EXPECT_TRUE(KeyPressedCheckPause() && (s_event.message & charCodeMask) == uint32_t('k'));
  script("click 200 300\n");
  EXPECT_TRUE(MousePressedCheckPause() && s_event.where.h == 200);
  FlushEvents(everyEvent, 0);
}

TEST_F(Frame, SmallMessages) {
  unsigned char* p = static_cast<unsigned char*>(CheckCalloc(0, 8));  // a count of 0 still gives a block
  ASSERT_NE(p, nullptr);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(p[i], 0);
  std::free(p);
  WindowRef front = FrontWindow();
  AlertMessage("x", 7);  // no such kind: nothing shown
  AlertMessage("x", -1);
  EXPECT_EQ(FrontWindow(), front);
  PrintOSType(FourCC('T', 'E', 'X', 'T'));
  EXPECT_EQ(text(), "TEXT\r");
}

TEST_F(Frame, DebugTextWaitsForAClickAndWindowBoundsAreShared) {
  script("click 300 300\n");
  s_debug("dbg");
  EXPECT_EQ(text(), "dbg\r");
  Rect* first = VOWindowBounds(s_textWindow);
  Rect* second = VOWindowBounds(s_inputWindow);
  EXPECT_EQ(first, second);  // one rectangle, overwritten by every call
  EXPECT_EQ(*second, (Rect{0, 0, short(s_inputBounds.bottom - s_inputBounds.top),
                           short(s_inputBounds.right - s_inputBounds.left)}));
}

TEST_F(Frame, ConsoleInputEchoesAndCutsPieces) {
  script("type \"12 3.5\"\n");
  int a = 0;
  double b = 0;
  EXPECT_EQ(s_scanf("%d %lf", &a, &b), 2);
  EXPECT_TRUE(a == 12 && b == 3.5 && text() == "12 3.5\r") << text();
  // Backspace edits the line but never eats earlier output.
  TESetText("out\r", 4, s_textH);
  script("key backspace\nkey \"ab\"\nkey backspace\nkey \"cdef\"\nkey return\n");
  char piece[4];
  EXPECT_STREQ(s_fgets(piece, 4, stdin), "acd");
  EXPECT_STREQ(s_fgets(piece, 4, stdin), "ef\n");
  EXPECT_EQ(text(), "out\racdef\r");
}

TEST_F(Frame, OverlongConsoleLineIsCutAndHandedOutWithinItsEnd) {
  std::string keys;  // 1200 keys, in lines the event queue can hold
  for (int i = 0; i < 6; ++i) keys += "key \"" + std::string(200, 'w') + "\"\n";
  script(keys.c_str());
  char piece[600];
  EXPECT_EQ(std::strlen(s_fgets(piece, sizeof piece, stdin)), 599u);
  EXPECT_EQ(std::strlen(s_fgets(piece, sizeof piece, stdin)), size_t(kConsoleLineMax - 599));
  EXPECT_EQ(fgetsContFlag, 0);  // the cut line ends with its last piece
  FlushEvents(everyEvent, 0);
}

using FrameDeath = Frame;

TEST_F(FrameDeath, FatalPathsEndWithStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // Out of memory and PrintError: ArraysDeathTest and frame_e2e_test.cpp.
  EXPECT_EXIT(
      {
        s_srand(1);
        s_srand(2);
      },
      testing::ExitedWithCode(1), "Error: second use of srand");
}
