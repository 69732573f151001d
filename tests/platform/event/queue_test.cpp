// The event queue: order, mask filtering, peeking, flushing, the cap, and
// the state that null events and Button/StillDown report.
#include <chrono>
#include <string>

#include "tests/platform/event/event_fixture.h"

using vtest::EventTest;

using EventQueue = EventTest;

namespace {
// The next event of `mask` (waited for with WaitNextEvent when `wait`) as
// "key c", "down h,v" or "up h,v"; "none" when a null event came instead.
std::string take(EventMask mask, bool wait = false) {
  EventRecord ev;
  if (!(wait ? WaitNextEvent(mask, &ev, 0, nullptr) : GetNextEvent(mask, &ev))) return ev.what ? "?" : "none";
  if (ev.what == keyDown) return std::string("key ") + char(ev.message & charCodeMask);
  return (ev.what == mouseDown ? "down " : "up ") + std::to_string(ev.where.h) + "," + std::to_string(ev.where.v);
}
}  // namespace

TEST_F(EventQueue, KeepsOrderWithinAMaskAndLeavesOtherEventsQueued) {
  PostInputEvent({mouseDown, 0, 0, Point{6, 5}, 0});
  PostInputEvent({keyDown, 'a', 0, {}, 0});
  PostInputEvent({mouseUp, 0, 0, Point{8, 7}, 0});
  PostInputEvent({keyDown, 'b', 0, {}, 0});
  // The keys in order, then the mouse events: skipped, not lost, and in their order.
  std::string got;
  for (int m : {+keyDownMask, +keyDownMask, +keyDownMask, mDownMask | mUpMask}) got += take(EventMask(m)) + " ";
  got += take(everyEvent, true);
  got += " " + take(everyEvent);
  EXPECT_EQ(got, "key a key b none down 5,6 up 7,8 none");
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
