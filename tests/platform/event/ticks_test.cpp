// Ticks: the first count of a fresh process (one counted before its epoch
// once made the first wait of a program last months), and VokNewTick: true at
// most once per tick, and again after ticks nobody asked about (its helper
// thread sleeps then and must wake when asked again).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/event/event.h"

TEST(Ticks, CountFromOneInAFreshProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // re-executed: nothing has read the clock yet
  EXPECT_EXIT(std::exit(TickCount() <= 2 ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

TEST(Ticks, NewTickAtMostOncePerTickAndAgainAfterIdleTicks) {
  using Clock = std::chrono::steady_clock;
  for (int idleTicks : {0, 1, 6}) {
    std::this_thread::sleep_for(std::chrono::milliseconds(17 * idleTicks));
    uint32_t first = TickCount();
    int news = 0;
    // At least 150 ms; longer (up to 2 s) while the raising thread has not
    // been scheduled, as happens on a loaded machine.
    auto start = Clock::now();
    for (auto now = start; now < start + std::chrono::milliseconds(news ? 150 : 2000); now = Clock::now())
      news += VokNewTick();
    uint32_t ticks = TickCount() - first + 1;  // one may have been raised before `first`
    EXPECT_GE(news, 1) << "no new tick after " << idleTicks << " idle ticks";
    EXPECT_LE(news, int(ticks)) << "more than once a tick";
  }
}
