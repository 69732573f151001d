// The start-up state, the hooks of the text window's commands with their
// do-nothing defaults, and the hooks of the drawing layer.
#include "vok/frame/startup.h"

#include "vok/frame/hooks.h"

VOKStartState s_ss = {0, 0, 0};

long (*ReadTextP)(char* c) = s_longDummyString;
long (*SaveTextP)(const char* text) = s_longDummyString;
void (*PrintTextP)(const char* text) = s_voidDummyString;

long s_longDummyString(char*) { return 0; }
long s_longDummyString(const char*) { return 0; }
void s_voidDummyString(const char*) {}
void s_voidDummyVoid() {}

namespace {
bool noWindow() { return false; }
bool noTextWindow(const char*) { return false; }
void noBrowse(const EventRecord&) {}
}  // namespace
void (*s_AppendTextP)(const char* text) = s_voidDummyString;
void (*s_BrowseTextP)(const EventRecord& ev) = noBrowse;
bool (*s_PrintErrorTextP)(const char* message) = noTextWindow;
bool (*s_TextOOMMessageP)() = noWindow;
void (*s_StartP)() = s_voidDummyVoid;
bool (*s_DrawOOMMessageP)() = noWindow;
void (*s_SelectDrawingPortP)() = s_voidDummyVoid;

void SetDirectDrawOn() { s_ss.directDraw = 1; }
void SetDirectDrawOff() { s_ss.directDraw = 0; }
