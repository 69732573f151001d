// Plain mode: the bottlenecks draw once, flush the screen at most once per
// tick (every primitive with direct draw), and the small helpers of the
// drawing window behave as the graphs expect.
#include <cmath>
#include <cstdlib>

#include "tests/vok/draw/draw_fixture.h"
#include "vok/frame/events.h"

using drawtest::DrawTest;
using drawtest::inkBox;

class PlainTest : public DrawTest {};

namespace {
// Waits for the start of a fresh tick, so that what follows runs within one tick.
void startOfTick() {
  uint32_t t = TickCount();
  while (TickCount() == t) {
  }
}
}  // namespace

TEST_F(PlainTest, OneFlushPerTickUnlessDirectDraw) {
  usePlain(50, 50);
  startOfTick();
  s_MoveTo(0, 0);
  unsigned long before = s_flushCount;
  uint32_t tick = TickCount();
  s_LineTo(10, 0);
  Rect r = {5, 5, 9, 9};
  PaintRect(&r);
  if (TickCount() == tick) {
    EXPECT_LE(s_flushCount - before, 1u);  // s_LineTo's second flush falls in the same tick
  }
  SetDirectDrawOn();
  before = s_flushCount;
  PaintRect(&r);
  FrameRect(&r);
  EXPECT_EQ(s_flushCount - before, 2u);
  SetDirectDrawOff();
  startOfTick();
  before = s_flushCount;
  // A new tick flushes again, once: the flag is raised by a thread that may
  // wake late on a loaded machine (tens of milliseconds), so allow a second.
  for (uint32_t end = TickCount() + 60; s_flushCount == before && TickCount() <= end;) PaintRect(&r);
  EXPECT_EQ(s_flushCount - before, 1u);
}

TEST_F(PlainTest, EraseDrawingErasesExactlyTheContent) {
  usePlain(30, 20);
  PaintRect(drawtest::rect({0, 0, 20, 30}));
  EraseDrawing();
  EXPECT_EQ(inkBox(world).right, 0);
  RedrawWindowP();  // plain mode: does nothing
  EXPECT_EQ(inkBox(world).right, 0);
}

TEST_F(PlainTest, GetCPixelReadsTheCurrentPortAndChangesNothing) {
  usePlain(10, 10);
  RGBColor blue = {0, 0, 65535}, got;
  SetCPixel(4, 5, &blue);
  Point pen = world->pnLoc;
  s_GetCPixel(4, 5, &got);
  EXPECT_TRUE(got.blue == 65535 && got.red == 0);
  EXPECT_TRUE(world->pnLoc.h == pen.h && GetQDPort() == world);
}

TEST_F(PlainTest, DirectDprintfDrawsFormattedTextAndCutsLongOnes) {
  usePlain(200, 40);
  SetFont("Helvetica");
  s_TextSize(12);
  s_MoveTo(2, 20);
  EXPECT_EQ(s_DirectDprintf("x=%d", 42), 4);
  EXPECT_TRUE(world->pnLoc.h > 2 && inkBox(world).right > 2);
  std::string longText(3000, 'a');
  EXPECT_EQ(s_DirectDprintf("%s", longText.c_str()), 1023);
}

// The Start() check ends a program that draws before starting up.
TEST(UnstartedDrawingDeathTest, MoveToBeforeStartEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        s_ss.started = 0;
        s_MoveTo(10, 10);
        std::exit(0);  // drew anyway
      },
      testing::ExitedWithCode(1), "Error: Start\\(\\) is not called!");
}
