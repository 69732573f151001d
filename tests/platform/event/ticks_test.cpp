// Ticks in a fresh process: the first call starts the count, so a wait
// timed from it ends when it should (a count taken before its epoch once
// made the first wait of a program last months).
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/event/event.h"

TEST(Ticks, CountFromOneInAFreshProcessAndTheFirstWaitEnds) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // re-executed: nothing has read the clock yet
  EXPECT_EXIT(
      {
        uint32_t first = TickCount();
        EventRecord ev;
        WaitNextEvent(0, &ev, 3, nullptr);
        uint32_t after = TickCount();
        std::exit(first <= 2 && after >= first + 3 && after <= first + 60 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}
