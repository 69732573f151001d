// Opening the desktop for a program that calls no event loop of its own:
// the launch function gets the command line itself, so that a program's main
// needs nothing but its start-up call.
#include "vok/frame/launch.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/display/display.h"
#include "platform/event/event.h"
#include "platform/wm/window.h"

void s_OpenDesktop() {
  static bool opened = false;
  if (opened) return;
  opened = true;
  VokLaunch(0, nullptr);  // program name, display, signals, the launch event from the command line
  // Headless output is read by scripts and tests line by line.
  if (s_HeadlessRun()) std::setvbuf(stdout, nullptr, _IOLBF, 0);
}

bool s_HeadlessRun() { return std::strcmp(VokCurrentDisplay()->name, "headless") == 0; }

void s_ExitWithStatus(int status) {
  if (status == 0) ExitToShell();
  std::fflush(nullptr);
  std::exit(status);
}
