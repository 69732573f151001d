// Update regions: InvalWindowRect queues one update event per window (the
// backing store keeps every window's pixels, so covering never needs one);
// BeginUpdate/EndUpdate bracket the redraw with the visible region narrowed.
#include "platform/event/event_internal.h"
#include "platform/wm/wm_internal.h"

namespace {
WindowRef g_target = nullptr;
bool isUpdateOfTarget(const VokQueuedEvent& qe) {
  return qe.ev.what == updateEvt && qe.ev.message == uintptr_t(g_target);
}
bool updateQueued(WindowRef w) {
  g_target = w;
  return VokPeepEvent(VokQueueOp::peek, updateMask, 0, nullptr, isUpdateOfTarget);
}
void dropQueuedUpdate(WindowRef w) {
  g_target = w;
  while (VokPeepEvent(VokQueueOp::get, updateMask, 0, nullptr, isUpdateOfTarget)) {
  }
}
}  // namespace

void InvalWindowRect(WindowRef w, const Rect* r) {
  if (!vokwm::isWindow(w) || !r) return;
  Rect clipped;
  if (!SectRect(r, &w->port.portRect, &clipped)) return;
  RgnHandle add = NewRgn();
  RectRgn(add, &clipped);
  UnionRgn(w->updateRgn, add, w->updateRgn);
  DisposeRgn(add);
  if (updateQueued(w)) return;
  EventRecord ev = {};
  ev.what = updateEvt;
  ev.message = uintptr_t(w);
  ev.where = VokMouseGlobal();
  PostInputEvent(ev);
}

void ValidWindowRect(WindowRef w, const Rect* r) {
  if (!vokwm::isWindow(w) || !r) return;
  RgnHandle sub = NewRgn();
  RectRgn(sub, r);
  DiffRgn(w->updateRgn, sub, w->updateRgn);
  DisposeRgn(sub);
  if (EmptyRgn(w->updateRgn)) dropQueuedUpdate(w);
}

void BeginUpdate(WindowRef w) {
  if (!vokwm::isWindow(w) || w->savedVisRgn) return;
  w->savedVisRgn = NewRgn();
  CopyRgn(w->port.visRgn, w->savedVisRgn);
  SectRgn(w->port.visRgn, w->updateRgn, w->port.visRgn);
  SetEmptyRgn(w->updateRgn);
  dropQueuedUpdate(w);
}

void EndUpdate(WindowRef w) {
  if (!vokwm::isWindow(w) || !w->savedVisRgn) return;
  CopyRgn(w->savedVisRgn, w->port.visRgn);
  DisposeRgn(w->savedVisRgn);
  w->savedVisRgn = nullptr;
}

Rect* VokGetWindowUpdateBounds(WindowRef w, Rect* r) {
  if (!r) return r;
  if (!vokwm::isWindow(w)) *r = Rect{0, 0, 0, 0};
  else GetRegionBounds(w->updateRgn, r);
  return r;
}
