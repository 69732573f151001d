// The event queue: a bounded FIFO behind one add/peek/get primitive, so that
// WaitNextEvent, GetNextEvent, EventAvail and FlushEvents share one code path
// and displays never touch the list itself.
#include "platform/event/queue.h"

#include <deque>

namespace {
std::deque<VokQueuedEvent>& queue() {
  static std::deque<VokQueuedEvent> q;
  return q;
}

uint32_t g_dropped = 0;

// Makes room for one more event; false when only high-level events are queued.
bool makeRoom(std::deque<VokQueuedEvent>& q) {
  if (int(q.size()) < kVokQueueCap) return true;
  ++g_dropped;
  for (auto it = q.begin(); it != q.end(); ++it) {
    if (it->ev.what != kHighLevelEvent) {
      q.erase(it);
      return true;
    }
  }
  return false;
}
}  // namespace

uint32_t VokDroppedEventCount() { return g_dropped; }

EventMask VokMaskOf(EventKind what) {
  if (what == kHighLevelEvent) return highLevelEventMask;
  if (what == osEvt) return osMask;
  if (what >= 16) return 0;
  return EventMask(1u << what);
}

bool VokPeepEvent(VokQueueOp op, EventMask mask, EventMask stopMask, VokQueuedEvent* e, VokEventMatch match) {
  auto& q = queue();
  if (op == VokQueueOp::add) {
    if (!makeRoom(q)) return false;
    q.push_back(*e);
    return true;
  }
  for (auto it = q.begin(); it != q.end(); ++it) {
    EventMask bit = VokMaskOf(it->ev.what);
    if (bit & stopMask) return false;
    if ((bit & mask) && (!match || match(*it))) {
      if (e) *e = *it;
      if (op == VokQueueOp::get) q.erase(it);
      return true;
    }
  }
  return false;
}
