// Coordinates and hit testing: local <-> global for the current port (a
// window port's local origin is its content's top-left, shifted by
// SetOrigin), the mouse in local coordinates, and FindWindow's part codes.
#include "platform/event/event_internal.h"
#include "platform/wm/wm_internal.h"

namespace {
// Global position of the port's local (0, 0).
Point globalOfLocalZero(GrafPtr port) {
  Point p = {0, 0};
  if (port && vokwm::isWindow(port->window)) p = {port->window->content.top, port->window->content.left};
  // SetOrigin moves the port rectangle's top-left to the new local origin.
  return Point{short(p.v - port->portRect.top), short(p.h - port->portRect.left)};
}
}  // namespace

void GlobalToLocal(Point* pt) {
  if (!pt) return;
  Point o = globalOfLocalZero(GetQDPort());
  pt->h = short(pt->h - o.h);
  pt->v = short(pt->v - o.v);
}

void LocalToGlobal(Point* pt) {
  if (!pt) return;
  Point o = globalOfLocalZero(GetQDPort());
  pt->h = short(pt->h + o.h);
  pt->v = short(pt->v + o.v);
}

void GetMouse(Point* where) {
  if (!where) return;
  SystemTask();  // the freshest position the display knows
  *where = VokMouseGlobal();
  GlobalToLocal(where);
}

short FindWindow(Point globalWhere, WindowRef* w) {
  if (w) *w = nullptr;
  if (globalWhere.v >= 0 && globalWhere.v < kVokMenuBarHeight) return inMenuBar;
  for (WindowRecord* win : vokwm::windows()) {
    if (!win->visible) continue;
    Rect s = vokwm::structureOf(win);
    if (!PtInRect(globalWhere, &s)) continue;
    if (w) *w = win;
    if (PtInRect(globalWhere, &win->content)) return inContent;
    Rect box = vokwm::closeBoxOf(win);
    if (PtInRect(globalWhere, &box)) return inGoAway;
    return inDrag;
  }
  return inDesk;
}
