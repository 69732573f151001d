// Inside the SDL display: the input pump's entry (sdl_input.cpp).
#pragma once

// Turns pending SDL events into our events; `screenW/H` bound the pointer.
void VokSDLPumpInput(int screenW, int screenH);
