// How the utilities report: the frame and the console sit above them and
// install the real reports (the out-of-memory message, console output) from
// their own files; until then a report goes to standard error.
#pragma once

// Ends the program after telling the user that memory ran out.
extern void (*s_UtilOutOfMemoryP)();
// Shows a line of text to the user (the console once there is one).
extern void (*s_UtilMessageP)(const char* text);
