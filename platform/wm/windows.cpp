// Windows: creation with a backing port, the z-order (front to back), the
// active window with its activate/deactivate events, showing, hiding,
// moving, sizing, titles and the owner's slots.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <malloc.h>

#include "platform/event/event_internal.h"
#include "platform/wm/dialog_internal.h"
#include "platform/wm/wm_internal.h"

namespace vokwm {
namespace {
WindowRecord* g_active = nullptr;
WindowRef g_forgetting = nullptr;

bool belongsToForgotten(const VokQueuedEvent& qe) {
  return (qe.ev.what == updateEvt || qe.ev.what == activateEvt) && qe.ev.message == uintptr_t(g_forgetting);
}

void postActivate(WindowRecord* w, bool active) {
  EventRecord ev = {};
  ev.what = activateEvt;
  ev.message = uintptr_t(w);
  ev.where = VokMouseGlobal();
  ev.modifiers = active ? activeFlag : 0;
  PostInputEvent(ev);
}

constexpr int kMaxSide = 32767;
int clampSide(int n) { return std::max(0, std::min(kMaxSide, n)); }
}  // namespace

std::vector<WindowRecord*>& windows() {
  static std::vector<WindowRecord*> list;
  return list;
}

bool isWindow(WindowRef w) {
  if (!w) return false;
  auto& list = windows();
  return std::find(list.begin(), list.end(), w) != list.end();
}

void updateActivation() {
  WindowRecord* front = FrontWindow();
  if (front == g_active) return;
  if (g_active) {
    g_active->hilited = false;
    postActivate(g_active, false);
  }
  g_active = front;
  if (front) {
    front->hilited = true;
    postActivate(front, true);
  }
}

void forgetQueuedEvents(WindowRef w) {
  g_forgetting = w;
  while (VokPeepEvent(VokQueueOp::get, activMask | updateMask, 0, nullptr, belongsToForgotten)) {
  }
  g_forgetting = nullptr;
}

// Gives the window a raster of the new size, keeping the pixels that still
// fit and the port's state (pen, text, bottlenecks, origin); new area white.
void resizeBackingStore(WindowRecord* w, int width, int height) {
  GrafPort& p = w->port;
  const PixMap old = p.portPixMap;
  size_t n = size_t(width) * size_t(height);
  auto* px = static_cast<uint32_t*>(std::malloc((n ? n : 1) * sizeof(uint32_t)));
  if (!px) return;  // keeps the old size rather than losing the window
  std::fill_n(px, n, kWhite);
  int oldW = old.bounds.right - old.bounds.left, oldH = old.bounds.bottom - old.bounds.top;
  for (int y = 0; y < std::min(height, oldH); ++y)
    std::memcpy(px + size_t(y) * width, old.baseAddr + size_t(y) * old.rowPixels, size_t(std::min(width, oldW)) * 4);
  std::free(p.ownedPixels);  // the port's raster is malloc'ed (OpenPortOn)
  p.ownedPixels = px;
  p.portPixMap.baseAddr = px;
  p.portPixMap.rowPixels = width;
  Rect r = {p.portRect.top, p.portRect.left, short(p.portRect.top + height), short(p.portRect.left + width)};
  p.portPixMap.bounds = r;
  p.portRect = r;
  RectRgn(p.visRgn, &r);
}

// The raster goes and the pixel map becomes empty at the same corner (the
// clip is then empty: drawing does nothing); the port rectangle stays.
void dropRaster(WindowRecord* w) {
  GrafPort& p = w->port;
  PixMap& pm = p.portPixMap;
  bool large = size_t(pm.rowPixels) * size_t(pm.bounds.bottom - pm.bounds.top) >= (size_t(1) << 16);
  std::free(p.ownedPixels);
  p.ownedPixels = nullptr;
  pm.baseAddr = nullptr;
  pm.rowPixels = 0;
  pm.bounds.bottom = pm.bounds.top;
  pm.bounds.right = pm.bounds.left;
  if (large) malloc_trim(0);  // one below the mmap threshold would stay resident in the heap
}

// A white raster the size of the port rectangle; without memory the window
// stays empty rather than failing.
void restoreRaster(WindowRecord* w) {
  GrafPort& p = w->port;
  int width = p.portRect.right - p.portRect.left, height = p.portRect.bottom - p.portRect.top;
  size_t n = size_t(width) * size_t(height);
  auto* px = static_cast<uint32_t*>(std::malloc((n ? n : 1) * sizeof(uint32_t)));
  if (!px) return;
  std::fill_n(px, n, kWhite);
  p.ownedPixels = px;
  PixMap& pm = p.portPixMap;
  pm.baseAddr = px;
  pm.rowPixels = width;
  pm.bounds.bottom = short(pm.bounds.top + height);
  pm.bounds.right = short(pm.bounds.left + width);
}

WindowRef newWindow(const Rect* boundsRect, ConstStr255Param title, bool visible, short procID, WindowRef behind,
                    bool goAwayFlag, long refCon, bool raster) {
  if (!boundsRect) return nullptr;
  auto* w = new WindowRecord;
  w->content = *boundsRect;
  int width = clampSide(boundsRect->right - boundsRect->left), height = clampSide(boundsRect->bottom - boundsRect->top);
  w->content.right = short(w->content.left + width);
  w->content.bottom = short(w->content.top + height);
  OpenPortOn(&w->port, raster ? width : 0, raster ? height : 0);
  w->port.window = w;
  if (!raster) {
    w->port.portRect = Rect{0, 0, short(height), short(width)};
    RectRgn(w->port.visRgn, &w->port.portRect);
    dropRaster(w);
  }
  w->procID = procID;
  w->visible = visible;
  w->goAway = goAwayFlag;
  w->refCon = refCon;
  if (title) std::memcpy(w->title, title, size_t(title[0]) + 1);
  w->updateRgn = NewRgn();
  auto& list = windows();
  if (behind == kFirstWindowOfClass) {
    list.insert(list.begin(), w);
  } else {
    auto at = std::find(list.begin(), list.end(), behind);
    list.insert(at == list.end() ? list.end() : at + 1, w);
  }
  updateActivation();
  return w;
}
}  // namespace vokwm

using namespace vokwm;

WindowRef NewCWindow(void*, const Rect* boundsRect, ConstStr255Param title, Boolean visible, short procID,
                     WindowRef behind, Boolean goAwayFlag, long refCon) {
  return newWindow(boundsRect, title, visible, procID, behind, goAwayFlag, refCon, true);
}

WindowRef NewWindow(void* storage, const Rect* boundsRect, ConstStr255Param title, Boolean visible, short procID,
                    WindowRef behind, Boolean goAwayFlag, long refCon) {
  return NewCWindow(storage, boundsRect, title, visible, procID, behind, goAwayFlag, refCon);
}

void DisposeWindow(WindowRef w) {
  if (!isWindow(w)) return;
  auto& list = windows();
  list.erase(std::find(list.begin(), list.end(), w));
  if (g_active == w) g_active = nullptr;
  forgetQueuedEvents(w);
  if (w->savedVisRgn) DisposeRgn(w->savedVisRgn);
  DisposeRgn(w->updateRgn);
  ClosePort(&w->port);
  delete w;
  updateActivation();
}

void ShowWindow(WindowRef w) {
  if (!isWindow(w) || w->visible) return;
  w->visible = true;
  if (dlg::find(w) && !w->port.portPixMap.baseAddr) {
    restoreRaster(w);
    dlg::drawLater(dlg::find(w));
  }
  dlg::drawIfStale(w);
  updateActivation();
}

void HideWindow(WindowRef w) {
  if (!isWindow(w) || !w->visible) return;
  w->visible = false;
  if (DialogData* d = dlg::find(w)) {
    dropRaster(w);
    dlg::drawLater(d);
  }
  updateActivation();
}

Boolean IsWindowVisible(WindowRef w) { return isWindow(w) && w->visible; }

void BringToFront(WindowRef w) {
  if (!isWindow(w)) return;
  auto& list = windows();
  list.erase(std::find(list.begin(), list.end(), w));
  list.insert(list.begin(), w);
  updateActivation();
}

void SelectWindow(WindowRef w) { BringToFront(w); }

WindowRef FrontWindow() {
  for (WindowRecord* w : windows())
    if (w->visible) return w;
  return nullptr;
}

WindowRef VokFirstWindow() { return windows().empty() ? nullptr : windows().front(); }

WindowRef GetNextWindow(WindowRef w) {
  auto& list = windows();
  auto it = std::find(list.begin(), list.end(), w);
  if (it == list.end() || it + 1 == list.end()) return nullptr;
  return *(it + 1);
}

void MoveWindow(WindowRef w, short hGlobal, short vGlobal, Boolean front) {
  if (!isWindow(w)) return;
  OffsetRect(&w->content, short(hGlobal - w->content.left), short(vGlobal - w->content.top));
  if (front) SelectWindow(w);
}

void SizeWindow(WindowRef w, short width, short height, Boolean update) {
  if (!isWindow(w)) return;
  int newW = clampSide(width), newH = clampSide(height);
  int oldW = w->content.right - w->content.left, oldH = w->content.bottom - w->content.top;
  if (newW == oldW && newH == oldH) return;
  resizeBackingStore(w, newW, newH);
  w->content.right = short(w->content.left + (w->port.portRect.right - w->port.portRect.left));
  w->content.bottom = short(w->content.top + (w->port.portRect.bottom - w->port.portRect.top));
  if (!update) return;
  // The new strips (right and bottom) need drawing.
  Rect pr = w->port.portRect;
  if (newW > oldW) {
    Rect r = {pr.top, short(pr.left + oldW), pr.bottom, pr.right};
    InvalWindowRect(w, &r);
  }
  if (newH > oldH) {
    Rect r = {short(pr.top + oldH), pr.left, pr.bottom, pr.right};
    InvalWindowRect(w, &r);
  }
}

CGrafPtr GetWindowPort(WindowRef w) { return isWindow(w) ? &w->port : nullptr; }

void GetWTitle(WindowRef w, Str255 title) {
  if (!title) return;
  if (!isWindow(w)) title[0] = 0;
  else std::memcpy(title, w->title, size_t(w->title[0]) + 1);
}

short GetWindowKind(WindowRef w) { return isWindow(w) ? w->kind : 0; }

Rect* GetWindowContentBounds(WindowRef w, Rect* r) {
  if (r) *r = isWindow(w) ? w->content : Rect{0, 0, 0, 0};
  return r;
}

Rect* VokGetWindowTitleBarBounds(WindowRef w, Rect* r) {
  if (r) *r = isWindow(w) ? titleBarOf(w) : Rect{0, 0, 0, 0};
  return r;
}

Rect* VokGetWindowCloseBoxBounds(WindowRef w, Rect* r) {
  if (r) *r = isWindow(w) ? closeBoxOf(w) : Rect{0, 0, 0, 0};
  return r;
}
