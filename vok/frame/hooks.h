// What the application frame needs of the layers above it, reached through
// hooks that those layers install from their own files; each does nothing
// until installed.
#pragma once
#include "platform/event/event.h"

// ---- the console's (vok/console) -------------------------------------------
// Appends text (CR line ends) to the text window: s_TextAppend.
extern void (*s_AppendTextP)(const char* text);
// An arrow key while stopped scrolls the text window.
extern void (*s_BrowseTextP)(const EventRecord& ev);
// Prints a fatal message in the text window; false when there is none.
extern bool (*s_PrintErrorTextP)(const char* message);
// Draws s_OOMMessage in the text window; false when there is none.
extern bool (*s_TextOOMMessageP)();

// ---- the drawing layer's (vok/draw) --------------------------------------------
// Starts the program so that a late error message has windows to show in.
extern void (*s_StartP)();
// Draws s_OOMMessage in the drawing window; false when there is none.
extern bool (*s_DrawOOMMessageP)();
// Makes the drawing window's port current again after drawing elsewhere.
extern void (*s_SelectDrawingPortP)();
