// Windows on the virtual screen: one framebuffer with a menu bar, windows
// with frames we draw, each with its own backing port, composited in
// z-order and presented by the display at most once per tick.
#pragma once
#include "platform/event/event.h"

struct WindowRecord;
typedef WindowRecord* WindowRef;
typedef WindowRecord* WindowPtr;

// Window definitions: 0 document, 1 dialog, 2 plain, 3 alternate dialog frame,
// 4 no-grow document, 5 movable dialog. 2 and 3 get a one-pixel frame with a
// shadow and no title bar; all others a frame with a title bar (and a close
// box when goAwayFlag is set).
enum : short {
  documentProc = 0,
  dBoxProc = 1,
  plainDBox = 2,
  altDBoxProc = 3,
  noGrowDocProc = 4,
  movableDBoxProc = 5,
};
#define kFirstWindowOfClass ((WindowRef)-1)
// Window kinds (GetWindowKind): what the owner made the window for.
enum : short { kDialogWindowKind = 2, kApplicationWindowKind = 8 };

// boundsRect is the content rectangle in global coordinates. The window owns a
// backing port (GetWindowPort) whose portRect is the content at local (0, 0),
// erased to white; the port is not made current. A visible window made in
// front becomes the active one (activate events are posted). `storage` is
// ignored: the record is always allocated here.
WindowRef NewCWindow(void* storage, const Rect* boundsRect, ConstStr255Param title, Boolean visible, short procID,
                     WindowRef behind, Boolean goAwayFlag, long refCon);
WindowRef NewWindow(void* storage, const Rect* boundsRect, ConstStr255Param title, Boolean visible, short procID,
                    WindowRef behind, Boolean goAwayFlag, long refCon);
void DisposeWindow(WindowRef w);
void ShowWindow(WindowRef w);
void HideWindow(WindowRef w);
Boolean IsWindowVisible(WindowRef w);
void SelectWindow(WindowRef w);    // to the front and active (does not show a hidden window)
void BringToFront(WindowRef w);
// The front-most visible window (the active one), or null.
WindowRef FrontWindow();
// Front-to-back walk over all windows, visible or not.
WindowRef VokFirstWindow();
WindowRef GetNextWindow(WindowRef w);  // the window behind w, or null
short GetWindowKind(WindowRef w);
void MoveWindow(WindowRef w, short hGlobal, short vGlobal, Boolean front);  // content top-left
void SizeWindow(WindowRef w, short width, short height, Boolean update);
CGrafPtr GetWindowPort(WindowRef w);
void GetWTitle(WindowRef w, Str255 title);
// Content rectangle of a window in global coordinates.
Rect* GetWindowContentBounds(WindowRef w, Rect* r);
// Title bar (empty for untitled kinds) and close box (empty without one), global.
Rect* VokGetWindowTitleBarBounds(WindowRef w, Rect* r);
Rect* VokGetWindowCloseBoxBounds(WindowRef w, Rect* r);

// Updates: window contents persist in their backing ports, so nothing is
// ever invalidated by covering a window; InvalWindowRect (rectangle local to
// the window's port) adds to the update region and queues one update event
// for the window (message = WindowRef). BeginUpdate narrows the port's
// visible region to the update region and empties it (dropping a queued
// update event); EndUpdate restores the visible region.
void InvalWindowRect(WindowRef w, const Rect* r);
void ValidWindowRect(WindowRef w, const Rect* r);
void BeginUpdate(WindowRef w);
void EndUpdate(WindowRef w);
// The window's update region bounds, local (empty when none is pending).
Rect* VokGetWindowUpdateBounds(WindowRef w, Rect* r);

// Local <-> global for the current port (its window's content origin).
void GlobalToLocal(Point* pt);
void LocalToGlobal(Point* pt);

// Part code of a global point: 0 nowhere, 1 menu bar, 3 content, 4 drag
// (title bar and frame), 6 go-away (close box). *w is null for 0 and 1.
enum : short { inDesk = 0, inMenuBar = 1, inContent = 3, inDrag = 4, inGoAway = 6 };
short FindWindow(Point globalWhere, WindowRef* w);

// The screen: VOK_SCREEN=WxH (default 1024x768, read by GetMainDevice), with
// a 22-pixel menu bar showing the program's name; windows go below it.
enum : short { kVokMenuBarHeight = 22 };
void VokScreenSize(int* width, int* height);
// Top 22, left 0, bottom = screen height, right = screen width.
OSStatus GetAvailableWindowPositioningBounds(GDHandle device, Rect* available);
void VokSetMenuBarTitle(const char* programName);
// Composites the desktop, the visible windows back to front and the menu bar
// into the screen raster (bounds 0,0,H,W) and returns it; for snapshots.
const PixMap* VokScreenPixels();
// The same, with the cursor drawn on top when withCursor (displays that show it).
const PixMap* VokComposeScreen(bool withCursor);
// Presents the screen on the display now (displays otherwise present at most
// once per tick while the program takes events).
void VokPresentScreen();
// The display installs how it presents (nothing is shown without one).
void VokSetScreenPresenter(void (*present)());
// Whether the open display shows frames to someone; false while headless,
// where waits that exist only to be seen (a button's flash) are skipped.
void VokSetScreenWatched(bool watched);
bool VokScreenWatched();

// The cursor: the arrow (drawn by displays that show the virtual screen).
struct Cursor {
  uint16_t data[16];
  uint16_t mask[16];
  Point hotSpot;
};
void InitCursor();  // the arrow
