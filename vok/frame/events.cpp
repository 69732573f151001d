// Launch application events, the pause poll, the stop wait and small waits.
// Every wait also takes application events, so that a quit (window closed,
// signal, script exhausted) ends a program that sits in a wait.
#include "vok/frame/events.h"

#include <chrono>
#include <thread>

#include "platform/script/script.h"
#include "vok/frame/hooks.h"
#include "vok/util/documents.h"

EventRecord s_event;
const char s_message1[] =
    "\rStopping ...\rClick center and lower part to continue\rShift + click uppermost part of Menu Bar to quit\r";
const char s_message2[] = "Now continuing ...\r";

namespace {
constexpr short kMenuBarZone = 29;  // global v at or above this is the pause zone
constexpr EventModifiers kPauseModifiers = shiftKey | alphaLock;

bool inPauseZone(const EventRecord& ev) { return ev.where.v <= kMenuBarZone && (ev.modifiers & kPauseModifiers); }

bool isArrowKey(const EventRecord& ev) {
  uint8_t c = ev.message & charCodeMask;
  return c >= kLeftArrowCharCode && c <= kDownArrowCharCode;
}

// Script command "move H V [modifiers]": the pointer goes to (H, V) with the
// modifiers held until the next gesture, which is how a script makes the
// pause gesture. Playing pauses for a tick so that the program's polls see it.
std::string moveCommand(const VokScriptLine& line) {
  long h, v;
  if (line.args.size() < 2 || !VokScriptArgInt(line.args[0], &h) || !VokScriptArgInt(line.args[1], &v))
    return "usage: move H V [shift|cmd|option|control|caps ...]";
  const Rect& screen = (**GetMainDevice()).gdRect;
  if (h < screen.left || h >= screen.right || v < screen.top || v >= screen.bottom)
    return "(" + std::to_string(h) + ", " + std::to_string(v) + ") is outside the screen";
  EventModifiers mods;
  std::string why = VokScriptModifiers(line, 2, &mods);
  if (!why.empty()) return why;
  SetMouseState(Point{short(v), short(h)}, false, mods);
  VokScriptWait(1);
  return "";
}
const bool g_moveRegistered = VokRegisterScriptCommand("move", moveCommand);
}  // namespace

void InitAppleEvent() {
  AEInstallEventHandler(kCoreEventClass, kAEOpenDocuments, NewAEEventHandlerUPP(VOKOpenDoc), 0, false);
  AEInstallEventHandler(kCoreEventClass, kAEOpenApplication, NewAEEventHandlerUPP(VOKOpenApp), 0, false);
  AEInstallEventHandler(kCoreEventClass, kAEPrintDocuments, NewAEEventHandlerUPP(VOKPrintDoc), 0, false);
  AEInstallEventHandler(kCoreEventClass, kAEQuitApplication, NewAEEventHandlerUPP(VOKQuit), 0, false);
}

// Up to ten waits of 10 ticks for the launch event; the first one that comes
// is dispatched and ends the wait.
void HandleAppleEvent() {
  for (int i = 0; i < 10; ++i) {
    if (WaitNextEvent(highLevelEventMask, &s_event, 10, nullptr)) {
      s_dd.event = s_event;
      AEProcessAppleEvent(&s_event);
      return;
    }
  }
}

// A later open-documents event replaces the list; the old one is released.
OSErr VOKOpenDoc(const AppleEvent* event, AppleEvent* reply, long refcon) {
  (void)reply;
  (void)refcon;
  AEDisposeDesc(&s_dd.appleEvent);
  AEDuplicateDesc(event, &s_dd.appleEvent);
  AEDisposeDesc(&s_dd.documents);
  AEGetParamDesc(event, keyDirectObject, typeAEList, &s_dd.documents);
  long count = s_dd.count;
  AECountItems(&s_dd.documents, &count);
  s_dd.count = int32_t(count);
  return noErr;
}

OSErr VOKOpenApp(const AppleEvent*, AppleEvent*, long) { return noErr; }
OSErr VOKPrintDoc(const AppleEvent*, AppleEvent*, long) { return noErr; }
OSErr VOKQuit(const AppleEvent*, AppleEvent*, long) { ExitToShell(); }

void s_TakeAppleEvent() {
  EventRecord ev;
  while (GetNextEvent(highLevelEventMask, &ev)) AEProcessAppleEvent(&ev);
}

void CheckPause() {
  s_TakeAppleEvent();
  WaitNextEvent(updateMask, &s_event, 0, nullptr);
  WaitNextEvent(0, &s_event, 0, nullptr);  // fills the pointer and the modifiers
  if (!inPauseZone(s_event)) return;
  s_AppendTextP(s_message1);
  Stop();
  s_AppendTextP(s_message2);
}

void Stop() {
  s_TakeAppleEvent();  // a quit that came before the flush must not be lost
  FlushEvents(everyEvent, 0);
  for (;;) {
    if (!WaitNextEvent(everyEvent, &s_event, 20, nullptr)) continue;
    if (s_event.what == mouseDown) break;
    if ((s_event.what == keyDown || s_event.what == autoKey) && isArrowKey(s_event)) s_BrowseTextP(s_event);
    if (s_event.what == kHighLevelEvent) AEProcessAppleEvent(&s_event);
  }
  if (inPauseZone(s_event)) ExitToShell();
}

// The difference of unsigned tick counts stays right when the counter wraps.
void WaitTick(unsigned long ticks) {
  CheckPause();
  uint32_t start = TickCount();
  while (uint32_t(TickCount() - start) < ticks) {
    CheckPause();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

Boolean KeyPressedCheckPause() {
  CheckPause();
  return GetNextEvent(keyDownMask, &s_event);
}

Boolean MousePressedCheckPause() {
  CheckPause();
  return GetNextEvent(mDownMask, &s_event);
}
