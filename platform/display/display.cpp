// Choosing and running the display: the bootstrap list, defaults for empty
// table slots, and the once-per-tick present.
#include "platform/display/display.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/event/event.h"
#include "platform/wm/window.h"

extern const VokDisplay kVokHeadlessDisplay;
#if VOK_HAVE_SDL
extern const VokDisplay kVokSDLDisplay;
#endif

namespace {
// In order of preference for the automatic choice.
const VokDisplay* const kBootstrap[] = {
#if VOK_HAVE_SDL
    &kVokSDLDisplay,
#endif
    &kVokHeadlessDisplay,
};

VokDisplay g_display;  // the chosen entry, with empty slots filled
bool g_open = false;
uint32_t g_lastPresentTick = 0;

bool noOpen(int, int, char*, size_t) { return true; }
void noPresent(const PixMap*) {}
void noPump(bool) {}
void noClose() {}

// The event calls and the window manager reach the display through these
// hooks. The library is linked so that this file is always in (see
// platform/CMakeLists.txt), and so are the hooks.
const bool g_hooksInstalled = [] {
  VokSetDisplayService(VokDisplayService);
  VokSetScreenPresenter(VokDisplayPresentNow);
  return true;
}();

void closeAtExit() {
  if (!g_open) return;
  g_open = false;
  g_display.close();
}

bool tryOpen(const VokDisplay* d, int w, int h, std::string* why) {
  VokDisplay filled = *d;
  if (!filled.open) filled.open = noOpen;
  if (!filled.present) filled.present = noPresent;
  if (!filled.pump) filled.pump = noPump;
  if (!filled.close) filled.close = noClose;
  char buf[256] = "";
  if (!filled.open(w, h, buf, sizeof buf)) {
    *why = buf;
    return false;
  }
  g_display = filled;
  VokSetScreenWatched(filled.wantsFrames);
  return true;
}

}  // namespace

extern "C" const bool vok_display_linked = true;

void VokOpenDisplay() {
  if (g_open) return;
  int w, h;
  VokScreenSize(&w, &h);
  const char* wanted = std::getenv("VOK_DISPLAY");
  const std::string name = VokProgramName();
  std::string why;
  if (wanted && *wanted) {
    for (const VokDisplay* d : kBootstrap) {
      if (std::strcmp(d->name, wanted) != 0) continue;
      if (!tryOpen(d, w, h, &why)) {
        std::string msg = name + ": VOK_DISPLAY=" + wanted + ": the display cannot be opened: " + why;
        VokExitWithError(1, msg.c_str());
      }
      g_open = true;
      std::atexit(closeAtExit);
      return;
    }
    std::string msg = name + ": VOK_DISPLAY=" + wanted + " is not a display of this build; known:";
    for (const VokDisplay* d : kBootstrap) msg += std::string(" ") + d->name;
    VokExitWithError(1, msg.c_str());
  }
  // Automatic: a window display declines silently when it does not apply (no
  // X display for sdl) and with a reason when it applies but fails. Headless
  // is never chosen unasked: a run nobody sees must say so.
  for (const VokDisplay* d : kBootstrap) {
    if (d == &kVokHeadlessDisplay) continue;
    if (tryOpen(d, w, h, &why)) {
      g_open = true;
      std::atexit(closeAtExit);
      return;
    }
    if (!why.empty()) std::fprintf(stderr, "%s: the %s display cannot be opened (%s)\n", name.c_str(), d->name, why.c_str());
  }
  std::string msg = name + ": no display (DISPLAY and WAYLAND_DISPLAY are unset, or no window could be opened)\n" +
                    name + ": to run without a window: VOK_DISPLAY=headless VOK_SCRIPT=script " + name + " [FILE]...";
  VokExitWithError(1, msg.c_str());
}

const VokDisplay* VokCurrentDisplay() {
  VokOpenDisplay();
  return &g_display;
}

void VokDisplayPresentNow() {
  const VokDisplay* d = VokCurrentDisplay();
  g_lastPresentTick = TickCount();
  if (d->wantsFrames) d->present(VokComposeScreen(d->drawsCursor));
}

void VokDisplayService(bool waitingForInput) {
  const VokDisplay* d = VokCurrentDisplay();
  d->pump(waitingForInput);
  if (TickCount() != g_lastPresentTick) VokDisplayPresentNow();
}
