// The SDL display: one real window showing the virtual screen, scaled to fit
// (letterboxed, the logical size is the virtual screen, so SDL hands us mouse
// positions in virtual-screen pixels). Declines silently without an X or
// Wayland display, so that the automatic choice falls back to headless.

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/display/display.h"
#include "platform/display/sdl/sdl_calls.h"
#include "platform/display/sdl/sdl_internal.h"
#include "platform/event/event.h"

namespace {
SDL_Window* g_window = nullptr;
SDL_Renderer* g_renderer = nullptr;
SDL_Texture* g_texture = nullptr;
int g_w = 0, g_h = 0;

// The largest size of the virtual screen's shape that fits the desktop.
void initialWindowSize(int w, int h, int* ww, int* wh) {
  *ww = w, *wh = h;
  SDL_Rect usable;
  if (sdl().SDL_GetDisplayUsableBounds(0, &usable) != 0 || usable.w <= 0 || usable.h <= 0) return;
  double s = std::min({1.0, double(usable.w) / w, double(usable.h) / h});
  *ww = std::max(1, int(w * s)), *wh = std::max(1, int(h * s));
}

bool fail(char* why, size_t n, const char* what) {
  std::snprintf(why, n, "%s: %s", what, sdl().SDL_GetError());
  if (g_renderer) sdl().SDL_DestroyRenderer(g_renderer);
  if (g_window) sdl().SDL_DestroyWindow(g_window);
  g_renderer = nullptr, g_window = nullptr;
  sdl().SDL_Quit();
  return false;
}

bool openSDL(int w, int h, char* why, size_t n) {
  const char* x = std::getenv("DISPLAY");
  const char* wl = std::getenv("WAYLAND_DISPLAY");
  if ((!x || !*x) && (!wl || !*wl)) {
    std::snprintf(why, n, "%s", std::getenv("VOK_DISPLAY") ? "neither DISPLAY nor WAYLAND_DISPLAY is set" : "");
    return false;
  }
  if (!sdl().failure.empty()) {
    std::snprintf(why, n, "%s", sdl().failure.c_str());
    return false;
  }
  sdl().SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");  // SIGINT/SIGTERM are ours (they send quit)
  sdl().SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  if (sdl().SDL_Init(SDL_INIT_VIDEO) != 0) return fail(why, n, "SDL_Init");
  int ww, wh;
  initialWindowSize(w, h, &ww, &wh);
  g_window = sdl().SDL_CreateWindow(VokProgramName(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, ww, wh,
                              SDL_WINDOW_RESIZABLE);
  if (!g_window) return fail(why, n, "SDL_CreateWindow");
  g_renderer = sdl().SDL_CreateRenderer(g_window, -1, 0);
  if (!g_renderer) g_renderer = sdl().SDL_CreateRenderer(g_window, -1, SDL_RENDERER_SOFTWARE);
  if (!g_renderer) return fail(why, n, "SDL_CreateRenderer");
  sdl().SDL_RenderSetLogicalSize(g_renderer, w, h);
  g_texture = sdl().SDL_CreateTexture(g_renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, w, h);
  if (!g_texture) return fail(why, n, "SDL_CreateTexture");
  g_w = w, g_h = h;
  sdl().SDL_ShowCursor(SDL_DISABLE);  // the virtual screen draws its own
  sdl().SDL_StartTextInput();
  return true;
}

void presentSDL(const PixMap* screen) {
  if (!g_texture) return;
  sdl().SDL_UpdateTexture(g_texture, nullptr, screen->baseAddr, screen->rowPixels * 4);
  sdl().SDL_SetRenderDrawColor(g_renderer, 0, 0, 0, 255);
  sdl().SDL_RenderClear(g_renderer);
  sdl().SDL_RenderCopy(g_renderer, g_texture, nullptr, nullptr);
  sdl().SDL_RenderPresent(g_renderer);
}

void pumpSDL(bool) { VokSDLPumpInput(g_w, g_h); }

void closeSDL() {
  if (g_texture) sdl().SDL_DestroyTexture(g_texture);
  if (g_renderer) sdl().SDL_DestroyRenderer(g_renderer);
  if (g_window) sdl().SDL_DestroyWindow(g_window);
  g_texture = nullptr, g_renderer = nullptr, g_window = nullptr;
  sdl().SDL_Quit();
}
}  // namespace

extern const VokDisplay kVokSDLDisplay = {
    "sdl", "an SDL2 window showing the virtual screen", openSDL, presentSDL, pumpSDL, closeSDL, true, true,
};
