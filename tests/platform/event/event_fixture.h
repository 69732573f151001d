// A clean queue for each test, a script that plays nothing (so waits for
// input never end the test process), and a quit handler that only counts.
#pragma once
#include <gtest/gtest.h>

#include "platform/display/display.h"
#include "platform/event/event.h"
#include "platform/script/script.h"

namespace vtest {
inline int g_quits = 0;

inline OSErr countQuit(const AppleEvent*, AppleEvent*, long) {
  ++g_quits;
  return noErr;
}

class EventTest : public ::testing::Test {
 protected:
  void SetUp() override {
    VokOpenDisplay();  // headless (ctest sets VOK_DISPLAY): loads an empty script first
    VokLoadScript("test", "wait 36000\n");
    AEInstallEventHandler(kCoreEventClass, kAEQuitApplication, countQuit, 0, false);
    FlushEvents(everyEvent, 0);
    EventAvail(0, nullptr);  // dispatches anything a flushed quit left pending
    g_quits = 0;
  }

};
}  // namespace vtest
