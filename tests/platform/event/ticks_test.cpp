// The first tick count of a fresh process: one counted before its epoch
// once made the first wait of a program last months.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/event/event.h"

TEST(Ticks, CountFromOneInAFreshProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // re-executed: nothing has read the clock yet
  EXPECT_EXIT(std::exit(TickCount() <= 2 ? 0 : 1), ::testing::ExitedWithCode(0), "");
}
