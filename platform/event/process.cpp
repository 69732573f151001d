// The process around the event queue: SIGINT/SIGTERM as quit, and the two
// ways out (ExitToShell, VokExitWithError).
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "platform/base/program.h"
#include "platform/event/event_internal.h"

namespace {
// Written by the signal handler only: the signal seen, and whether a quit
// sent for an earlier signal is still waiting to be dispatched.
volatile sig_atomic_t g_signal = 0;
volatile sig_atomic_t g_signalQuitPosted = 0;
bool g_exitingWithError = false;

// The last exit handler: a run that noted a failure ends with status 1 even
// when its main returns 0 (a viewer's graph loop simply returns).
void keepFailureStatus() {
  if (!VokRunFailed() || g_exitingWithError) return;
  std::fflush(nullptr);
  std::_Exit(1);
}

void onSignal(int sig) {
  if (g_signal || g_signalQuitPosted) {
    // The program did not get round to the first request: let a second one end it.
    std::signal(sig, SIG_DFL);
    std::raise(sig);
    return;
  }
  g_signal = sig;
}
}  // namespace

void VokInstallSignalHandlers() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  struct sigaction sa = {};
  sa.sa_handler = onSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
}

void VokHandleSignals() {
  if (g_signalQuitPosted && !VokPeepEvent(VokQueueOp::peek, highLevelEventMask, 0, nullptr, VokIsQuitEvent))
    g_signalQuitPosted = 0;  // dispatched (and the program chose to go on)
  if (!g_signal) return;
  g_signalQuitPosted = 1;
  g_signal = 0;
  PostAppleEvent(kAEQuitApplication, nullptr, 0);
}

void VokInstallFailureStatus() {
  static const bool installed = std::atexit(keepFailureStatus) == 0;
  (void) installed;
}

void ExitToShell() {
  std::fflush(stdout);
  std::exit(VokRunFailed() ? 1 : 0);
}

void VokExitWithError(int status, const char* message) {
  g_exitingWithError = true;
  std::fflush(stdout);
  if (message && *message) std::fprintf(stderr, "%s\n", message);
  std::exit(status ? status : 1);
}
