// Opening the desktop for a program that calls no event loop of its own:
// the launch function gets the command line itself, so that a program's main
// needs nothing but its start-up call.
#include "vok/frame/launch.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/event/event.h"
#include "platform/wm/window.h"

void s_OpenDesktop() {
  static bool opened = false;
  if (opened) return;
  opened = true;
  // Headless output is read by scripts and tests line by line.
  if (s_HeadlessRun()) std::setvbuf(stdout, nullptr, _IOLBF, 0);
}

bool s_HeadlessRun() {
  // BEGIN interim: until the display layer says which display it opened.
  const char* d = std::getenv("VOK_DISPLAY");
  if (d && *d) return std::strcmp(d, "headless") == 0;
  return !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY");
  // END interim
}

void s_ExitWithStatus(int status) {
  if (status == 0) ExitToShell();
  std::fflush(nullptr);
  std::exit(status);
}
