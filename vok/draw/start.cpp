// The start-up variants and the common sequence Start1: open the desktop,
// install the application-event handlers, settle the window rectangles,
// make the text and input windows and the drawing window, take the launch
// event.
#include "vok/draw/start.h"

#include "vok/console/text.h"
#include "vok/draw/drawing_window.h"
#include "vok/frame/bounds.h"
#include "vok/frame/events.h"
#include "vok/frame/hooks.h"
#include "vok/frame/launch.h"
#include "vok/frame/messages.h"

namespace {
// Output before start-up (the console's) starts the program to show its
// error. The library is linked so that this file is always in
// (vok/CMakeLists.txt).
const bool g_startInstalled = (s_StartP = Start, true);
}  // namespace

extern "C" const bool vok_start_linked = true;

void Start() { StartColor(); }

void StartColor() {
  s_colorFlag = 1;
  StartBW();
}

void StartBW() {
  Start1();
  InitDrawing();
}

void StartDrawing() { Start(); }

void StartText() {
  Start();
  ShowWindow(s_textWindow);
  SelectWindow(s_textWindow);
}

void StartTextOnly() {
  SetTextBoundsFull();
  StartBW();
  HideDrawing();
}

void StartDrawingOnly() {
  SetDrawingBoundsFull();
  Start();
  HideWindow(s_textWindow);
}

void StartDrawingOnlyColor() { StartDrawingOnly(); }
void StartColorDrawingOnly() { StartDrawingOnlyColor(); }

void StartRedraw() {
  s_colorFlag = 1;
  Start1();
  s_RedrawInitDrawing();
}

void StartNoRedraw() {
  s_colorFlag = 1;
  Start1();
  s_NoRedrawInitDrawing();
}

void MinimumStart() {
  if (s_ss.started == 1) ExitToShell();
  s_OpenDesktop();
  InitToolbox();
  InitAppleEvent();
  HandleAppleEvent();
  s_ss.started = 1;
}

void Start1() {
  if (s_ss.started == 1) PrintError("Error: 2nd call of Start()!!");
  s_OpenDesktop();
  InitToolbox();
  InitAppleEvent();
  if (s_windowResFlag) SetWindowBoundsResource();
  SetGoodBounds();
  InitText();
  HandleAppleEvent();
  ReadTextP = s_longDummyString;
  SaveTextP = s_longDummyString;
  PrintTextP = s_voidDummyString;
  s_ss.started = 1;
}

void InitToolbox() { InitCursor(); }
