// The one queue primitive under every event call (internal to the platform
// layer): add, peek or get with a kind mask, capped at 256 entries.
#pragma once
#include "platform/event/event.h"

// A queued event; high-level events carry the serial of their Apple event.
struct VokQueuedEvent {
  EventRecord ev;
  uint32_t aeSerial = 0;
};

enum class VokQueueOp { add, peek, get };

// The mask bit of an event kind (high-level and OS events have their own bits).
EventMask VokMaskOf(EventKind what);

// Optional extra test on a candidate event (e.g. "is a quit event").
typedef bool (*VokEventMatch)(const VokQueuedEvent& e);

// add: appends *e (when full, drops the oldest input event first; returns
// false only when the queue is full of high-level events).
// peek/get: the oldest event whose kind is in `mask`, scanning no further
// than the first event whose kind is in `stopMask`, and passing `match` when
// given; get removes it.
bool VokPeepEvent(VokQueueOp op, EventMask mask, EventMask stopMask, VokQueuedEvent* e,
                  VokEventMatch match = nullptr);
constexpr int kVokQueueCap = 256;
// Events lost so far to a full queue (the oldest input dropped, or the new one).
uint32_t VokDroppedEventCount();
