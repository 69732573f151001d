// SDL input -> our events: the left button as the mouse, keys with their
// modifiers (Ctrl and the Super key act as Command, Alt as Option), typed
// text as key-downs, and closing the window as quit.

#include <algorithm>

#include "platform/display/display.h"
#include "platform/display/sdl/sdl_calls.h"
#include "platform/display/sdl/sdl_internal.h"
#include "platform/event/keys.h"

namespace {
int g_screenW = 1, g_screenH = 1;
bool g_buttonDown = false;
Point g_where = {0, 0};
// The modifiers as of the event being handled: sdl().SDL_GetModState() is already
// ahead when several events were pumped at once, so follow the key events.
Uint16 g_mods = KMOD_NONE;

EventModifiers currentModifiers() {
  Uint16 m = g_mods;
  EventModifiers mods = 0;
  if (m & KMOD_SHIFT) mods |= shiftKey;
  if (m & KMOD_CTRL) mods |= cmdKey | controlKey;
  if (m & KMOD_GUI) mods |= cmdKey;
  if (m & KMOD_ALT) mods |= optionKey;
  if (m & KMOD_CAPS) mods |= alphaLock;
  return mods;
}

// Logical coordinates may fall in the letterbox: keep them on the screen.
Point toScreen(int x, int y) {
  return Point{short(std::clamp(y, 0, g_screenH - 1)), short(std::clamp(x, 0, g_screenW - 1))};
}

void postMouse(EventKind what, int x, int y) {
  g_where = toScreen(x, y);
  g_buttonDown = what == mouseDown;
  EventRecord ev = {};
  ev.what = what;
  ev.where = g_where;
  ev.modifiers = EventModifiers(currentModifiers() | (g_buttonDown ? 0 : btnState));
  PostInputEvent(ev);
}

void postKey(uint8_t charCode, uint8_t keyCode, bool repeat) {
  PostInputEvent(VokKeyEvent(charCode, keyCode, currentModifiers(), repeat));
}

const VokNamedKey* specialKey(SDL_Keycode sym) {
  switch (sym) {
    case SDLK_RETURN: return VokFindNamedKey("return");
    case SDLK_KP_ENTER: return VokFindNamedKey("enter");
    case SDLK_TAB: return VokFindNamedKey("tab");
    case SDLK_ESCAPE: return VokFindNamedKey("escape");
    case SDLK_BACKSPACE: return VokFindNamedKey("backspace");
    case SDLK_DELETE: return VokFindNamedKey("delete");
    case SDLK_LEFT: return VokFindNamedKey("left");
    case SDLK_RIGHT: return VokFindNamedKey("right");
    case SDLK_UP: return VokFindNamedKey("up");
    case SDLK_DOWN: return VokFindNamedKey("down");
    default: return nullptr;
  }
}

void onKeyDown(const SDL_KeyboardEvent& k) {
  g_mods = k.keysym.mod;
  if (const VokNamedKey* named = specialKey(k.keysym.sym)) {
    postKey(named->charCode, named->keyCode, k.repeat);
  } else if ((k.keysym.mod & (KMOD_CTRL | KMOD_GUI)) && k.keysym.sym >= 32 && k.keysym.sym < 127) {
    // Command shortcuts produce no text input: take the key's own character.
    postKey(uint8_t(k.keysym.sym), 0, k.repeat);
  }
  SetMouseState(g_where, g_buttonDown, currentModifiers());
}

void onText(const char* utf8) {
  if (g_mods & (KMOD_CTRL | KMOD_GUI)) return;  // already posted from the key-down
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8); *p; ++p)
    if (*p >= 0x20 && *p < 0x7F) postKey(*p, 0, false);  // text is single-byte ASCII here
}

void onWindowEvent(const SDL_WindowEvent& w) {
  if (w.event == SDL_WINDOWEVENT_CLOSE) PostAppleEvent(kAEQuitApplication, nullptr, 0);
  if (w.event == SDL_WINDOWEVENT_EXPOSED || w.event == SDL_WINDOWEVENT_SIZE_CHANGED) VokDisplayPresentNow();
}
}  // namespace

void VokSDLPumpInput(int screenW, int screenH) {
  static bool first = true;
  if (first) g_mods = Uint16(sdl().SDL_GetModState()), first = false;
  g_screenW = std::max(1, screenW), g_screenH = std::max(1, screenH);
  SDL_Event e;
  while (sdl().SDL_PollEvent(&e)) {
    switch (e.type) {
      case SDL_QUIT: PostAppleEvent(kAEQuitApplication, nullptr, 0); break;
      case SDL_WINDOWEVENT: onWindowEvent(e.window); break;
      case SDL_MOUSEMOTION:
        g_where = toScreen(e.motion.x, e.motion.y);
        SetMouseState(g_where, g_buttonDown, currentModifiers());
        break;
      case SDL_MOUSEBUTTONDOWN:
        if (e.button.button == SDL_BUTTON_LEFT) postMouse(mouseDown, e.button.x, e.button.y);
        break;
      case SDL_MOUSEBUTTONUP:
        if (e.button.button == SDL_BUTTON_LEFT) postMouse(mouseUp, e.button.x, e.button.y);
        break;
      case SDL_KEYDOWN: onKeyDown(e.key); break;
      case SDL_KEYUP:
        g_mods = e.key.keysym.mod;
        SetMouseState(g_where, g_buttonDown, currentModifiers());
        break;
      case SDL_TEXTINPUT: onText(e.text.text); break;
      default: break;
    }
  }
}
