// What the start-up subsystem (frame and console) needs of the drawing layer
// above it, reached through hooks the drawing layer installs from its own
// files; each does nothing until installed.
#pragma once

// Starts the program so that a late error message has windows to show in.
extern void (*s_StartP)();
// Draws s_OOMMessage in the drawing window; false when there is none.
extern bool (*s_DrawOOMMessageP)();
// Makes the drawing window's port current again after drawing elsewhere.
extern void (*s_SelectDrawingPortP)();
