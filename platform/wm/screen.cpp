// The virtual screen: its size (the main device's), the available area below
// the menu bar, and compositing: desktop, visible windows back to front,
// menu bar, and (for displays that show it) the cursor.
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/event/event_internal.h"
#include "platform/wm/dialog_internal.h"
#include "platform/wm/wm_internal.h"

namespace {
std::string g_menuTitle = "vok";
void (*g_present)() = nullptr;

GrafPort* screenPort() {
  static GrafPort* port = [] {
    int w, h;
    VokScreenSize(&w, &h);
    auto* p = new GrafPort;
    OpenPortOn(p, w, h);
    return p;
  }();
  return port;
}

// Copies a window's backing raster into its content rectangle, clipped to the screen.
void copyContent(GrafPtr screen, const WindowRecord* w) {
  const PixMap& src = w->port.portPixMap;
  const PixMap& dst = screen->portPixMap;
  int srcW = src.bounds.right - src.bounds.left, srcH = src.bounds.bottom - src.bounds.top;
  int left = w->content.left, top = w->content.top;
  int x0 = std::max(0, left), x1 = std::min<int>(dst.rowPixels, left + srcW);
  int y0 = std::max(0, top), y1 = std::min<int>(dst.bounds.bottom, top + srcH);
  if (x1 <= x0 || !src.baseAddr) return;
  for (int y = y0; y < y1; ++y)
    std::memcpy(dst.baseAddr + size_t(y) * dst.rowPixels + x0,
                src.baseAddr + size_t(y - top) * src.rowPixels + (x0 - left), size_t(x1 - x0) * 4);
}
}  // namespace

// The size is the main device's (platform/gfx reads VOK_SCREEN).
void VokScreenSize(int* width, int* height) {
  const Rect& r = (*GetMainDevice())->gdRect;
  if (width) *width = r.right - r.left;
  if (height) *height = r.bottom - r.top;
}

OSStatus GetAvailableWindowPositioningBounds(GDHandle, Rect* available) {
  int w, h;
  VokScreenSize(&w, &h);
  if (available) *available = Rect{kVokMenuBarHeight, 0, short(h), short(w)};
  return noErr;
}

void VokSetMenuBarTitle(const char* programName) { g_menuTitle = programName ? programName : ""; }

const PixMap* VokComposeScreen(bool withCursor) {
  dlg::drawAllStale();
  GrafPtr screen = screenPort();
  vokwm::fillPixels(screen, screen->portPixMap.bounds, vokwm::kDesktop);
  auto& list = vokwm::windows();
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    if (!(*it)->visible) continue;
    vokwm::drawFrame(screen, *it);
    copyContent(screen, *it);
  }
  vokwm::drawMenuBar(screen, g_menuTitle.c_str());
  if (withCursor) vokwm::drawCursor(screen, VokMouseGlobal());
  return &screen->portPixMap;
}

const PixMap* VokScreenPixels() { return VokComposeScreen(false); }

void VokSetScreenPresenter(void (*present)()) { g_present = present; }

namespace {
bool g_watched = true;
}

void VokSetScreenWatched(bool watched) { g_watched = watched; }

bool VokScreenWatched() { return g_watched; }

void VokPresentScreen() {
  if (g_present) g_present();
}
