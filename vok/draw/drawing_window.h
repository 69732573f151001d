// The drawing window in its two modes (plain: the program draws into the
// window; buffered: every primitive goes to an unscaled offscreen buffer and,
// scaled by s_d_scale, to the window), port switching, the screen flush and
// the colour and pattern helpers. The core works on bare ports too, so the
// same machinery runs with offscreen worlds standing in for windows.
#pragma once
#include "platform/wm/window.h"
#include "vok/frame/startup.h"

// ---- globals of the drawing window (made once at start-up) -------------------
extern WindowPtr s_drawingWindow;  // plain mode: the window; buffered mode: null (stands for the buffer)
extern WindowPtr s_redrawWindow;   // buffered mode: the scaled on-screen window; plain mode: null
extern WindowPtr s_displayWindow;  // the on-screen drawing window in either mode
extern CGrafPtr s_drawingPort;     // plain: the window's port; buffered: the redraw buffer
extern CGrafPtr s_redrawPort;      // buffered: the on-screen window's port
extern GDHandle s_display;         // buffered: the screen device current when the buffer was made
extern Rect s_redrawBounds;        // buffered: s_windowBounds times s_d_scale, truncated
extern int s_redrawFlag;           // 1 in buffered mode
extern int s_drawBackLineFlag;     // the line bottleneck copies lines into the buffer only while 1
extern CQDProcs s_GrafProcs;       // standard procedures with the nine replacements
extern void (*RedrawWindowP)();    // repaints the drawing window (does nothing in plain mode)
extern unsigned long s_flushCount;  // screen flushes so far (for tests and diagnostics)

// ---- start-up of the drawing window --------------------------------------------
void InitDrawing();  // plain mode: s_NoRedrawInitDrawing, then s_CustomizeQDProcs
void s_NoRedrawInitDrawing();
void s_RedrawInitDrawing();
void s_CustomizeQDProcs();

// The drawing machinery on ports without windows. Plain: `port` becomes the
// drawing port and current. Buffered: `buffer` is the unscaled redraw buffer,
// `screen` the scaled port (its size is s_windowBounds times s_d_scale), which
// becomes current; s_redrawBounds is computed. Neither installs the bottlenecks.
void s_UsePlainDrawingPort(CGrafPtr port);
void s_UseBufferedDrawingPorts(CGrafPtr buffer, CGrafPtr screen);

// ---- ports -----------------------------------------------------------------
// s_drawingWindow (the drawing port; the buffer in buffered mode),
// s_redrawWindow (its port) or a port becomes current.
void s_SetGWorld(void* windowOrPort, GDHandle gd);
void s_GetGWorld(CGrafPtr* port, GDHandle* gd);
// The on-screen drawing port: the window's port in plain mode, the scaled one in buffered mode.
CGrafPtr s_DisplayPort();
// True in buffered mode while the on-screen port is current: wrappers then draw twice.
bool s_Mirroring();
// The port whose pixels and unscaled text state stand for the current drawing:
// the buffer while mirroring, else the current port.
CGrafPtr s_UnscaledPort();

// ---- window operations -------------------------------------------------------
void ShowDrawing();
void HideDrawing();
void EraseDrawing();  // erases the unscaled drawing area in the current port
void s_RedrawWindow();  // buffered mode: repaints the window from the buffer
// Lets the user drag the boundary between the text and the drawing window.
void ChangeWindowBoundary();

// ---- colours and patterns ----------------------------------------------------
void SetRGBColor(double red, double green, double blue);  // percentages 0..100
void SetPattern(Pattern* pattern, short index);           // system pattern list 0

// Makes freshly drawn pixels visible: at most once per tick unless direct draw is on.
void s_FlushScreen();
