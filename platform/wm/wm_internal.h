// Inside the window layer: the window record, the z-order and the screen.
#pragma once
#include <vector>

#include "platform/wm/window.h"

struct WindowRecord {
  GrafPort port;     // backing store: portRect is the content, local (0, 0) at its top-left
  Rect content;      // global
  short procID;
  short kind = kApplicationWindowKind;
  bool visible = false;
  bool hilited = false;
  bool goAway = false;
  Str255 title = {0};
  long refCon = 0;
  void* data = nullptr;
  RgnHandle updateRgn = nullptr;  // local
  RgnHandle savedVisRgn = nullptr;  // between BeginUpdate and EndUpdate
};

namespace vokwm {
// All windows, front to back.
std::vector<WindowRecord*>& windows();
bool isWindow(WindowRef w);
// Makes the front-most visible window the active one, posting deactivate and
// activate events when that changes.
void updateActivation();
// Drops queued update/activate events of a window that goes away.
void forgetQueuedEvents(WindowRef w);

// Frame geometry by window definition (global rectangles).
bool hasTitleBar(short procID);
Rect structureOf(const WindowRecord* w);
Rect titleBarOf(const WindowRecord* w);
Rect closeBoxOf(const WindowRecord* w);
// Draws a window's frame, title bar and shadow into the screen port.
void drawFrame(GrafPtr screen, const WindowRecord* w);
// Draws the menu bar with the program's name.
void drawMenuBar(GrafPtr screen, const char* title);
// Draws the current cursor with its hot spot at `where`.
void drawCursor(GrafPtr screen, Point where);

constexpr uint32_t kBlack = 0xFF000000u;
constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kDesktop = 0xFF8C8C8Cu;
constexpr uint32_t kShadow = 0xFF404040u;
constexpr uint32_t kInactive = 0xFF9A9A9Au;
// Fills r ∩ the port's raster with a colour, straight into the pixels.
void fillPixels(GrafPtr port, Rect r, uint32_t argb);
void framePixels(GrafPtr port, Rect r, uint32_t argb);
// A hidden dialog owes a whole redraw when it is shown, so it keeps no raster
// meanwhile (a full-size one per parameter page otherwise).
void dropRaster(WindowRecord* w);
void restoreRaster(WindowRecord* w);
// NewCWindow, or without a raster when `raster` is false (see dropRaster).
WindowRef newWindow(const Rect* boundsRect, ConstStr255Param title, bool visible, short procID, WindowRef behind,
                    bool goAwayFlag, long refCon, bool raster);
}  // namespace vokwm
