// The desktop underneath a program: opening it at start-up (display, program
// name, the documents of the command line as the launch event), whether the
// run is headless, and ending the process with a status.
#pragma once

// Opens the desktop once; later calls do nothing.
void s_OpenDesktop();
// True when the run has no screen a person sees (script-driven).
bool s_HeadlessRun();
// Ends the process with `status` (closing the display, running exit handlers).
[[noreturn]] void s_ExitWithStatus(int status);
