// Fatal and non-fatal messages. A fatal error is shown in the text window
// and an alert, also written to standard error, and ends the process with a
// non-zero status, so that scripted and unattended runs see the failure.
#include "vok/frame/messages.h"

#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <cstring>

#include "platform/base/program.h"
#include "platform/font/font.h"
#include "platform/wm/dialog.h"
#include "vok/frame/events.h"
#include "vok/frame/hooks.h"
#include "vok/frame/launch.h"
#include "vok/util/report.h"

FILE* s_debugFile = nullptr;
unsigned char s_OOMMessage[256] = "\016Out of Memory!";

namespace {
bool g_dying = false;  // a fatal report is under way: a second one only ends the process

// While a fatal report waits for the user, a quit (the window closed, a
// signal, a script that ran out) still ends the process as a failure.
OSErr fatalQuit(const AppleEvent*, AppleEvent*, long) { s_ExitWithStatus(1); }

void beginFatalReport() {
  g_dying = true;
  AEInstallEventHandler(kCoreEventClass, kAEQuitApplication, NewAEEventHandlerUPP(fatalQuit), 0, false);
}

void toStderr(const char* message) {
  std::fprintf(stderr, "%s: %s", VokProgramName(), message);
  size_t n = std::strlen(message);
  if (n == 0 || message[n - 1] != '\n') std::fputc('\n', stderr);
  std::fflush(stderr);
}
}  // namespace

void PrintError(const char* format, ...) {
  static char message[256];
  va_list ap;
  va_start(ap, format);
  int n = std::vsnprintf(message, sizeof message, format, ap);  // cuts at 255 characters
  va_end(ap);
  if (n < 0) std::strcpy(message, "Error: unprintable error message");
  toStderr(message);
  if (g_dying) s_ExitWithStatus(1);
  beginFatalReport();
  if (s_PrintErrorTextP(message)) AlertMessage(message, 3);
  s_ExitWithStatus(1);
}

void AlertMessage(const char* message, short kind) {
  if (kind < 0 || kind > 3) return;
  // Nobody sees the alert of a scripted run: its text goes to the log too.
  if (s_HeadlessRun()) {
    const char* m = message ? message : "";
    size_t n = std::strlen(m);
    if (n && m[n - 1] == '\n') --n;
    std::fprintf(stderr, "%s: alert: %.*s\n", VokProgramName(), int(n), m);
  }
  Str255 text;
  CopyCToPascal(message ? message : "", text);  // bounded to 255 characters
  ParamText(text, (ConstStr255Param) "", (ConstStr255Param) "", (ConstStr255Param) "");
  enum : short { kAlertID = 129 };
  switch (kind) {
    case 0: Alert(kAlertID, nullptr); break;
    case 1: NoteAlert(kAlertID, nullptr); break;
    case 2: CautionAlert(kAlertID, nullptr); break;
    default: StopAlert(kAlertID, nullptr); break;
  }
}

void s_AlertFileError(const char* message) {
  if (s_HeadlessRun()) VokNoteFailure();  // someone at a window has seen it
  AlertMessage(message, 2);
}

// The message next to the last drawing and at the top-left corner.
void s_DrawOOMMessage(CGrafPtr port, GDHandle device) {
  SetGWorld(port, device);
  Move(0, 12);
  DrawString(s_OOMMessage);
  MoveTo(0, 12);
  DrawString(s_OOMMessage);
}

namespace {
// The utilities report exhausted memory through this file, and so does a
// failed operator new (a std::bad_alloc would abort past the report).
void newFailed() { s_OOMError(); }
const bool g_oomInstalled = (s_UtilOutOfMemoryP = s_OOMError, std::set_new_handler(newFailed), true);
// A file-size limit then fails the write with EFBIG, reported like a full
// disk, instead of killing the program mid-save with its temporary left.
const bool g_fileLimitIgnored = (std::signal(SIGXFSZ, SIG_IGN), true);

// A click or a key ends the wait; so does a quit.
void waitClickOrKey() {
  FlushEvents(everyEvent, 0);
  EventRecord ev;
  for (;;) {
    s_TakeAppleEvent();
    if (WaitNextEvent(mDownMask | keyDownMask, &ev, 10, nullptr)) return;
  }
}
}  // namespace

void s_OOMError() {
  toStderr("Out of Memory!");
  if (g_dying) s_ExitWithStatus(1);
  beginFatalReport();
  bool shown = s_DrawOOMMessageP();
  if (s_TextOOMMessageP()) shown = true;
  if (shown) waitClickOrKey();
  s_ExitWithStatus(1);
}

void* CheckCalloc(size_t count, size_t size) {
  if (count == 0) count = 1;
  if (size == 0) size = 1;  // calloc may answer a zero-size request with null
  void* p = std::calloc(count, size);
  if (!p) s_OOMError();
  return p;
}

void DebugWriteFile(const char* text) {
  if (!s_debugFile || !text) return;
  std::fputs(text, s_debugFile);
  std::fflush(s_debugFile);
}
