// Shared inside platform/event (and used by the displays): ticks, posting,
// the Apple-event store behind queued high-level events, and quit handling.
#pragma once
#include "platform/event/queue.h"

// Sleeps until TickCount() reaches `tick` (returns at once if it has).
void VokSleepUntilTick(uint32_t tick);

// Stamps `when` if unset, appends to the queue and counts the post.
bool VokPostQueued(VokQueuedEvent& qe);

// A high-level event was taken from the queue by WaitNextEvent/GetNextEvent:
// its Apple event becomes the one AEProcessAppleEvent dispatches.
void VokAppleEventTaken(const VokQueuedEvent& qe);
// A high-level event was flushed: its Apple event is released, except a quit,
// which is kept to be dispatched by the next event call.
void VokAppleEventDropped(const VokQueuedEvent& qe);
// A quit that was taken or flushed but never dispatched is dispatched now
// (its handler, or ExitToShell without one). Called on entry of event calls.
void VokDispatchPendingQuit();
// A queued quit is taken and dispatched now (for callers whose mask leaves
// high-level events out, so the quit cannot wait behind them).
void VokDispatchQueuedQuit();
bool VokIsQuitEvent(const VokQueuedEvent& qe);

// Turns a SIGINT/SIGTERM seen since the last call into a quit event.
void VokHandleSignals();
// Installs the signal handlers (once).
void VokInstallSignalHandlers();
// Installs the exit handler that turns a normal end of a failed run into
// status 1 (once); installed before any other, so it runs after them all.
void VokInstallFailureStatus();

// The pointer's global position as last posted or set.
Point VokMouseGlobal();
