// Opening the desktop for a program that calls no event loop of its own:
// the launch function gets the command line itself, so that a program's main
// needs nothing but its start-up call.
#include "vok/frame/launch.h"

#include <cstdio>
#include <cstring>

#include "platform/display/display.h"
#include "platform/event/event.h"

void s_OpenDesktop() {
  static bool opened = false;
  if (opened) return;
  opened = true;
  VokLaunch(0, nullptr);
  // Headless output is read by scripts and tests line by line.
  if (s_HeadlessRun()) std::setvbuf(stdout, nullptr, _IOLBF, 0);
}

bool s_HeadlessRun() {
  const VokDisplay* d = VokCurrentDisplay();
  return d && std::strcmp(d->name, "headless") == 0;
}

void s_ExitWithStatus(int status) {
  if (status == 0) ExitToShell();
  VokExitWithError(status, nullptr);
}
