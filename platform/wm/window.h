// Windows on the virtual screen: one framebuffer with a menu bar, windows
// with frames we draw, each with its own backing port, composited in
// z-order and presented by the display at most once per tick.
#pragma once
#include "platform/event/event.h"

struct WindowRecord;
typedef WindowRecord* WindowRef;
typedef WindowRecord* WindowPtr;

// Window definitions: 0 document, 1 dialog, 2 plain, 3 alternate dialog frame, 4 no-grow document.
enum : short { documentProc = 0, dBoxProc = 1, plainDBox = 2, altDBoxProc = 3, noGrowDocProc = 4 };
#define kFirstWindowOfClass ((WindowRef)-1)

// boundsRect is the content rectangle in global coordinates.
WindowRef NewCWindow(void* storage, const Rect* boundsRect, ConstStr255Param title, Boolean visible, short procID,
                     WindowRef behind, Boolean goAwayFlag, long refCon);
WindowRef NewWindow(void* storage, const Rect* boundsRect, ConstStr255Param title, Boolean visible, short procID,
                    WindowRef behind, Boolean goAwayFlag, long refCon);
void DisposeWindow(WindowRef w);
void ShowWindow(WindowRef w);
void HideWindow(WindowRef w);
Boolean IsWindowVisible(WindowRef w);
void SelectWindow(WindowRef w);    // to the front and active
void BringToFront(WindowRef w);
WindowRef FrontWindow();
void MoveWindow(WindowRef w, short hGlobal, short vGlobal, Boolean front);  // content top-left
void SizeWindow(WindowRef w, short width, short height, Boolean update);
CGrafPtr GetWindowPort(WindowRef w);
WindowRef GetWindowFromPort(CGrafPtr port);
void SetWTitle(WindowRef w, ConstStr255Param title);
void GetWTitle(WindowRef w, Str255 title);
long GetWRefCon(WindowRef w);
void SetWRefCon(WindowRef w, long refCon);
// Content rectangle of a window in global coordinates.
Rect* GetWindowContentBounds(WindowRef w, Rect* r);
void InvalWindowRect(WindowRef w, const Rect* r);
void ValidWindowRect(WindowRef w, const Rect* r);
void BeginUpdate(WindowRef w);
void EndUpdate(WindowRef w);

// Local <-> global for the current port (its window's content origin).
void GlobalToLocal(Point* pt);
void LocalToGlobal(Point* pt);

// Part code of a global point: 0 nowhere, 1 menu bar, 3 content, 4 drag, 6 go-away.
enum : short { inDesk = 0, inMenuBar = 1, inContent = 3, inDrag = 4, inGoAway = 6 };
short FindWindow(Point globalWhere, WindowRef* w);

// The screen: VOK_SCREEN=WxH (default 1024x768), a 22-pixel menu bar.
OSStatus GetAvailableWindowPositioningBounds(GDHandle device, Rect* available);
void VokSetMenuBarTitle(const char* programName);
// Composites the screen into a port-sized raster (for snapshots and displays).
const PixMap* VokScreenPixels();
// Composites and presents now if anything changed since the last present.
void VokPresentScreen();

// Cursors: arrow and watch.
enum : short { watchCursor = 4 };
struct Cursor {
  uint16_t data[16];
  uint16_t mask[16];
  Point hotSpot;
};
typedef Cursor* CursPtr;
typedef CursPtr* CursHandle;
void InitCursor();
CursHandle GetCursor(short id);
void SetCursor(const Cursor* c);
