// Loading SDL2 and looking up its calls, once.
#include "platform/display/sdl/sdl_calls.h"

#include "platform/base/shared_library.h"

const VokSDLCalls& sdl() {
  static const VokSDLCalls calls = [] {
    VokSDLCalls c;
    const char* soname = "libSDL2-2.0.so.0";
    void* lib = VokOpenLibrary(soname, "the SDL2 library", &c.failure);
    if (!lib) return c;
#define VOK_SDL_LOAD(name) VokLookUpCall(lib, soname, #name, &c.name, &c.failure);
    VOK_SDL_CALLS(VOK_SDL_LOAD)
#undef VOK_SDL_LOAD
    return c;
  }();
  return calls;
}
