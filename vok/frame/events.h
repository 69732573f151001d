// The little event handling a program without an event loop needs: the
// launch application events, the user's pause gesture (Shift or Caps Lock
// with the pointer in the menu bar), the stop that waits for a click, and
// small waits and polls.
#pragma once
#include "platform/wm/window.h"

extern EventRecord s_event;  // every function here reads events into it
extern const char s_message1[];  // shown when the pause gesture stops the program
extern const char s_message2[];  // shown when it continues

void InitAppleEvent();
void HandleAppleEvent();
OSErr VOKOpenDoc(const AppleEvent* event, AppleEvent* reply, long refcon);
OSErr VOKOpenApp(const AppleEvent* event, AppleEvent* reply, long refcon);
OSErr VOKPrintDoc(const AppleEvent* event, AppleEvent* reply, long refcon);
OSErr VOKQuit(const AppleEvent* event, AppleEvent* reply, long refcon);

void CheckPause();
void Stop();
void WaitTick(unsigned long ticks);
Boolean KeyPressedCheckPause();
Boolean MousePressedCheckPause();

// Takes a pending application event, if any, and dispatches it, so that a
// quit (window closed, signal, end of script) ends the program in any wait.
void s_TakeAppleEvent();
