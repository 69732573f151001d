// The event queue: order, mask filtering, peeking, flushing, the cap, and
// the state that null events and Button/StillDown report.
#include <chrono>

#include "tests/platform/event/event_fixture.h"

using vtest::EventTest;

using EventQueue = EventTest;

TEST_F(EventQueue, KeepsOrderWithinAMaskAndLeavesOtherEventsQueued) {
  PostInputEvent({mouseDown, 0, 0, Point{6, 5}, 0});
  PostInputEvent({keyDown, 'a', 0, {}, 0});
  PostInputEvent({mouseUp, 0, 0, Point{8, 7}, 0});
  PostInputEvent({keyDown, 'b', 0, {}, 0});
  EventRecord ev;
  ASSERT_TRUE(GetNextEvent(keyDownMask, &ev));
  EXPECT_EQ(ev.message & charCodeMask, uintptr_t('a'));
  ASSERT_TRUE(GetNextEvent(keyDownMask, &ev));
  EXPECT_EQ(ev.message & charCodeMask, uintptr_t('b'));
  EXPECT_FALSE(GetNextEvent(keyDownMask, &ev));
  EXPECT_EQ(ev.what, nullEvent);
  // The mouse events were skipped, not lost, and keep their order.
  ASSERT_TRUE(GetNextEvent(mDownMask | mUpMask, &ev));
  EXPECT_EQ(ev.what, mouseDown);
  EXPECT_EQ(ev.where.h, 5);
  ASSERT_TRUE(WaitNextEvent(everyEvent, &ev, 0, nullptr));
  EXPECT_EQ(ev.what, mouseUp);
  EXPECT_EQ(ev.where.v, 8);
  EXPECT_FALSE(GetNextEvent(everyEvent, &ev));
}

// Beyond 256 events the oldest input goes; a pending launch event must not.
TEST_F(EventQueue, CapDropsTheOldestInputButKeepsHighLevelEvents) {
  PostAppleEvent(kAEOpenApplication, nullptr, 0);
  for (int i = 0; i < 300; ++i) PostInputEvent({keyDown, uintptr_t(i % 200 + 32), 0, {}, 0});
  EventRecord ev;
  ASSERT_TRUE(GetNextEvent(highLevelEventMask, &ev));
  EXPECT_EQ(VokHighLevelEventID(ev), kAEOpenApplication);
  int keys = 0;
  uintptr_t first = 0;
  while (GetNextEvent(keyDownMask, &ev)) {
    if (keys++ == 0) first = ev.message & charCodeMask;
  }
  EXPECT_EQ(keys, 255);                      // 256 minus the launch event
  EXPECT_EQ(first, uintptr_t(45 % 200 + 32));  // events 0..44 were dropped
}

TEST_F(EventQueue, NullEventsCarryTheMouseAndModifierState) {
  SetMouseState(Point{100, 50}, true, shiftKey | alphaLock);
  EventRecord ev;
  EXPECT_FALSE(WaitNextEvent(0, &ev, 0, nullptr));
  EXPECT_EQ(ev.where.v, 100);
  EXPECT_EQ(ev.where.h, 50);
  EXPECT_EQ(ev.modifiers, shiftKey | alphaLock);  // btnState clear: the button is down
  EXPECT_TRUE(Button());
  EXPECT_TRUE(StillDown());
  EXPECT_EQ(GetCurrentKeyModifiers(), shiftKey | alphaLock);
  // Once the release is queued, the press is over for StillDown but not for Button.
  PostInputEvent({mouseUp, 0, 0, Point{100, 50}, btnState});
  EXPECT_FALSE(Button());
  EXPECT_FALSE(StillDown());
  EXPECT_FALSE(WaitNextEvent(0, &ev, 0, nullptr));
  EXPECT_TRUE(ev.modifiers & btnState);
  EXPECT_EQ(GetCurrentKeyModifiers(), 0);
}

TEST_F(EventQueue, WaitNextEventSleepsInTicksAndReturnsAsSoonAsAnEventIsThere) {
  auto t0 = std::chrono::steady_clock::now();
  EventRecord ev;
  EXPECT_FALSE(WaitNextEvent(everyEvent, &ev, 6, nullptr));
  double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
  EXPECT_GE(ms, 80.0);  // 6 ticks = 100 ms, less the part of a tick already gone
  EXPECT_LT(ms, 400.0);
  PostInputEvent({keyDown, 'q', 0, {}, 0});
  t0 = std::chrono::steady_clock::now();
  EXPECT_TRUE(WaitNextEvent(everyEvent, &ev, 600, nullptr));
  ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
  EXPECT_LT(ms, 50.0);
}
