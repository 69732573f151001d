// What the frame and the console call of the drawing window. Until the
// drawing layer's headers land, the names are declared here; they are
// defined there, never in vok/frame or vok/console.
#pragma once
#include "platform/wm/window.h"

// ---- BEGIN interim declarations of the drawing layer (replace by its headers) ----
extern WindowPtr s_drawingWindow;
extern WindowPtr s_displayWindow;
extern CGrafPtr s_drawingPort;
extern GDHandle s_display;
extern int s_redrawFlag;
void InitDrawing();
void s_RedrawInitDrawing();
void s_NoRedrawInitDrawing();
void HideDrawing();
void ShowDrawing();
void s_SetGWorld(void* windowOrPort, GDHandle gd);
void s_GetGWorld(CGrafPtr* port, GDHandle* gd);
void s_MoveTo(short h, short v);
void s_LineTo(short h, short v);
void s_PenMode(short mode);
void s_GlobalToLocal(Point* pt);
// ---- END interim declarations of the drawing layer ----
