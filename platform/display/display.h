// Displays: the backends that show the virtual screen and feed input, behind
// one small table of procedures. Each backend lives in its own folder
// (headless/, sdl/) and is listed once in the bootstrap list of display.cpp.
#pragma once
#include "platform/base/program.h"
#include "platform/gfx/gfx.h"

struct VokDisplay {
  const char* name;
  const char* description;
  // Called once at start-up with the virtual screen's size. May decline
  // (returns false and says why), and the next backend is tried.
  bool (*open)(int width, int height, char* whyNot, size_t whyNotSize);
  // Shows the composited screen; called at most once per tick.
  void (*present)(const PixMap* screen);
  // Turns pending input into events through PostInputEvent. waitingForInput:
  // the program waits for mouse or key events and none is queued.
  void (*pump)(bool waitingForInput);
  // Called once when the process ends.
  void (*close)();
  bool wantsFrames;  // false: the screen is only composited on request (snapshots)
  bool drawsCursor;  // the cursor is drawn onto the virtual screen
};

// Opens the display chosen by VOK_DISPLAY (sdl | headless), else the first
// backend of the bootstrap list that accepts. An unknown name, or a named
// backend that cannot open, ends the program with a message. Idempotent.
void VokOpenDisplay();
// The open display (opening it on first use).
const VokDisplay* VokCurrentDisplay();
// One turn of the display: pump its input, then present the screen if a tick
// has passed since the last present.
void VokDisplayService(bool waitingForInput);
// Presents now, whatever the tick (after the screen visibly changed, or an expose).
void VokDisplayPresentNow();

// Start-up of a program on this desktop, once per process (later calls do
// nothing): records argv[0] as the program name (the menu bar title), opens
// the display, installs SIGINT/SIGTERM handlers that send quit, and posts the
// command-line arguments as ONE open-documents event (open application when
// there are none), as the desktop hands documents to a launched program.
// With argc 0 / argv null the arguments are read from /proc/self/cmdline, so
// a start-up function without access to main's arguments can call it.
// A first argument of exactly --help or --version is answered on standard
// output and ends the process with status 0.
void VokLaunch(int argc, char** argv);
// What --help says the program does and what its file arguments are.
void VokSetProgramHelp(const char* about, const char* documents);
// The toolkit's version, from the build.
const char* VokVersion();
