// Loading SDL2 and looking up its calls, once.
#include "platform/display/sdl/sdl_calls.h"

#include <dlfcn.h>

const VokSDLCalls& sdl() {
  static const VokSDLCalls calls = [] {
    VokSDLCalls c;
    const char* soname = "libSDL2-2.0.so.0";
    void* lib = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!lib) {
      const char* e = dlerror();
      c.failure = std::string("the SDL2 library cannot be loaded: ") + (e ? e : soname);
      return c;
    }
#define VOK_SDL_LOAD(name)                                                  \
  c.name = reinterpret_cast<decltype(&::name)>(dlsym(lib, #name));          \
  if (!c.name && c.failure.empty()) c.failure = std::string(soname) + " lacks " #name;
    VOK_SDL_CALLS(VOK_SDL_LOAD)
#undef VOK_SDL_LOAD
    return c;
  }();
  return calls;
}
