// The start-up state, the hooks of the text window's commands with their
// do-nothing defaults, and the hooks of the drawing layer.
#include "vok/frame/hooks.h"
#include "vok/frame/startup.h"

VOKStartState s_ss = {0, 0, 0};

long (*ReadTextP)(char* c) = s_longDummyString;
long (*SaveTextP)(const char* text) = s_longDummyString;
void (*PrintTextP)(const char* text) = s_voidDummyString;

long s_longDummyString(char*) { return 0; }
long s_longDummyString(const char*) { return 0; }
void s_voidDummyString(const char*) {}
void s_voidDummyVoid() {}

namespace {
bool noDrawingWindow() { return false; }
}  // namespace
void (*s_StartP)() = s_voidDummyVoid;
bool (*s_DrawOOMMessageP)() = noDrawingWindow;
void (*s_SelectDrawingPortP)() = s_voidDummyVoid;

void SetDirectDrawOn() { s_ss.directDraw = 1; }
void SetDirectDrawOff() { s_ss.directDraw = 0; }
