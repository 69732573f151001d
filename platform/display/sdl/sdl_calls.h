// The SDL2 calls the display makes, looked up when the display is opened:
// the library and the dozens it needs are then loaded only by programs that
// show a window, not by every headless run at start-up.
#pragma once
#include <SDL.h>

#include <string>

#define VOK_SDL_CALLS(X)                                                                                       \
  X(SDL_CreateRenderer) X(SDL_CreateTexture) X(SDL_CreateWindow) X(SDL_DestroyRenderer) X(SDL_DestroyTexture) \
  X(SDL_DestroyWindow) X(SDL_GetDisplayUsableBounds) X(SDL_GetError) X(SDL_GetModState) X(SDL_Init)           \
  X(SDL_PollEvent) X(SDL_Quit) X(SDL_RenderClear) X(SDL_RenderCopy) X(SDL_RenderPresent)                      \
  X(SDL_RenderSetLogicalSize) X(SDL_SetHint) X(SDL_SetRenderDrawColor) X(SDL_ShowCursor)                      \
  X(SDL_StartTextInput) X(SDL_UpdateTexture)

struct VokSDLCalls {
#define VOK_SDL_FIELD(name) decltype(&::name) name = nullptr;
  VOK_SDL_CALLS(VOK_SDL_FIELD)
#undef VOK_SDL_FIELD
  std::string failure;  // why the library cannot be used, empty when it can
};

// Loads the library on the first call.
const VokSDLCalls& sdl();
