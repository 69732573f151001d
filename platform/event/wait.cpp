// The event calls programs use (WaitNextEvent, GetNextEvent, EventAvail,
// FlushEvents, Button & co.), all on the one queue primitive, and the mouse
// and modifier state that displays keep up to date.
#include <algorithm>

#include "platform/event/event_internal.h"

namespace {
struct InputState {
  Point where = {0, 0};
  bool down = false;
  EventModifiers mods = 0;  // key modifiers only (0xFF00)
};
InputState g_state;
uint32_t g_posted = 0;
void (*g_displayService)(bool) = nullptr;

constexpr EventMask kUserInputMask = mDownMask | mUpMask | keyDownMask | keyUpMask | autoKeyMask;
constexpr EventModifiers kKeyModifiers = 0xFF00;

void fillState(EventRecord* ev) {
  ev->what = nullEvent;
  ev->message = 0;
  ev->when = TickCount();
  ev->where = g_state.where;
  ev->modifiers = EventModifiers(g_state.mods | (g_state.down ? 0 : btnState));
}

// Quit first: a pending one is dispatched, and a queued one is dispatched now
// when the caller's mask would leave it waiting behind.
void serviceQuit(EventMask mask) {
  VokDispatchPendingQuit();
  if (!(mask & highLevelEventMask)) VokDispatchQueuedQuit();
}

// One step of every event call: signals, the display's input and screen, then quit.
void service(EventMask mask, bool mayPlayScript) {
  VokHandleSignals();
  bool waiting = mayPlayScript && (mask & kUserInputMask) && !VokPeepEvent(VokQueueOp::peek, mask, 0, nullptr);
  if (g_displayService) g_displayService(waiting);
  serviceQuit(mask);
}

Boolean takeEvent(EventMask mask, EventRecord* ev, uint32_t sleep, bool remove, bool mayPlayScript) {
  EventRecord scratch;
  if (!ev) ev = &scratch;
  VokDispatchPendingQuit();
  uint64_t deadline = uint64_t(TickCount()) + sleep;
  for (;;) {
    service(mask, mayPlayScript);
    VokQueuedEvent qe;
    if (mask && VokPeepEvent(remove ? VokQueueOp::get : VokQueueOp::peek, mask, 0, &qe)) {
      *ev = qe.ev;
      if (remove && qe.ev.what == kHighLevelEvent) VokAppleEventTaken(qe);
      return true;
    }
    uint32_t now = TickCount();
    if (now >= deadline) {
      fillState(ev);
      return false;
    }
    VokSleepUntilTick(uint32_t(std::min<uint64_t>(deadline, uint64_t(now) + 1)));
  }
}
}  // namespace

bool VokPostQueued(VokQueuedEvent& qe) {
  if (qe.ev.when == 0) qe.ev.when = TickCount();
  ++g_posted;
  return VokPeepEvent(VokQueueOp::add, 0, 0, &qe);
}

void VokSetDisplayService(void (*service)(bool)) { g_displayService = service; }

uint32_t VokPostedEventCount() { return g_posted; }

void PostInputEvent(const EventRecord& ev) {
  if (ev.what == mouseDown || ev.what == mouseUp) {
    g_state.where = ev.where;
    g_state.down = ev.what == mouseDown;
  }
  if (ev.what != updateEvt && ev.what != activateEvt) g_state.mods = ev.modifiers & kKeyModifiers;
  VokQueuedEvent qe;
  qe.ev = ev;
  // Key events happen where the pointer is.
  if (ev.what == keyDown || ev.what == keyUp || ev.what == autoKey) qe.ev.where = g_state.where;
  VokPostQueued(qe);
}

void SetMouseState(Point globalWhere, bool buttonDown, EventModifiers modifiers) {
  g_state.where = globalWhere;
  g_state.down = buttonDown;
  g_state.mods = modifiers & kKeyModifiers;
}

Boolean WaitNextEvent(EventMask mask, EventRecord* ev, uint32_t sleep, RgnHandle) {
  return takeEvent(mask, ev, sleep, true, true);
}

Boolean GetNextEvent(EventMask mask, EventRecord* ev) { return takeEvent(mask, ev, 0, true, true); }

Boolean EventAvail(EventMask mask, EventRecord* ev) { return takeEvent(mask, ev, 0, false, false); }

void FlushEvents(EventMask whichMask, EventMask stopMask) {
  VokQueuedEvent qe;
  while (VokPeepEvent(VokQueueOp::get, whichMask, stopMask, &qe))
    if (qe.ev.what == kHighLevelEvent) VokAppleEventDropped(qe);
}

Boolean Button() {
  service(0, false);
  return g_state.down;
}

Boolean StillDown() {
  service(0, false);
  return g_state.down && !VokPeepEvent(VokQueueOp::peek, mDownMask | mUpMask, 0, nullptr);
}

EventModifiers GetCurrentKeyModifiers() {
  service(0, false);
  return g_state.mods;
}

void SystemTask() { service(0, false); }

Point VokMouseGlobal() { return g_state.where; }
