// A program for the frame's end-to-end tests, run headless by script.
// VOK_TEST_MODE picks what it does; lines starting with "@" report facts
// for the test (everything else on standard output is the console echo).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/font/font.h"
#include "tests/support/vok_prog.h"
#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
#include "vok/vok.h"

namespace {
using vtest::env;

void report(const char* name, WindowPtr w) {
  if (!w) {
    std::printf("@%s none\n", name);
    return;
  }
  Rect r;
  GetWindowContentBounds(w, &r);
  std::printf("@%s %d %d %d %d %s\n", name, r.top, r.left, r.bottom, r.right, IsWindowVisible(w) ? "visible" : "hidden");
}

void startVariant(const std::string& v) {
  if (!env("VOK_TEST_SCALE").empty()) s_d_scale = std::atof(env("VOK_TEST_SCALE").c_str());
  if (v == "Start") Start();
  else if (v == "StartTextOnly") StartTextOnly();
  else if (v == "StartRedraw") StartRedraw();
  else if (v == "MinimumStart") MinimumStart();
  else StartDrawingOnly();
}

// Start-up: where the windows went.
int modeStart() {
  if (env("VOK_TEST_SETBOUNDS") == "1") SetDrawingBounds(300, 100, 700, 500);
  if (env("VOK_TEST_SETTEXT") == "1") SetTextBounds(0, 30, 300, 600);
  if (env("VOK_TEST_REMEMBER") == "1") s_windowResFlag = 1;
  if (!env("VOK_TEST_FONT").empty()) SetStartFont(env("VOK_TEST_FONT").c_str());
  startVariant(env("VOK_TEST_VARIANT"));
  report("drawing", s_displayWindow);
  report("text", s_textWindow);
  report("input", s_inputWindow);
  std::printf("@bounds %d %d %d %d\n", s_windowBounds.top, s_windowBounds.left, s_windowBounds.bottom,
              s_windowBounds.right);
  if (s_textWindow && s_displayWindow) {
    CGrafPtr text = GetWindowPort(s_textWindow), drawing = GetWindowPort(s_displayWindow);
    std::printf("@fonts %d %d %d %d\n", GetPortTextFont(text), GetPortTextSize(text), GetPortTextFont(drawing),
                GetPortTextSize(drawing));
  }
  if (env("VOK_TEST_TWICE") == "1") startVariant(env("VOK_TEST_VARIANT"));
  return 0;
}

// The boundary drag: a click at x moves the boundary there.
int modeBoundary() {
  s_windowResFlag = 1;
  Start();
  ChangeWindowBoundary();
  report("drawing", s_displayWindow);
  report("text", s_textWindow);
  Rect* t = VOWindowBounds(s_textWindow);
  std::printf("@textport %d %d\n", t->right, t->bottom);
  std::printf("@te %d\n", (**s_textH).destRect.right);
  return 0;
}

// A long computation that polls: the pause gesture stops it.
int modePause() {
  Start();
  s_printf("working\n");
  for (int i = 0; i < 600; ++i) {
    KeyPressedCheckPause();
    WaitTick(1);
  }
  std::printf("@finished\n");
  return 0;
}

int modeStop() {
  StartDrawingOnly();
  s_printf("before stop\n");
  Stop();
  std::printf("@stopped at %d %d\n", s_event.where.h, s_event.where.v);
  return 0;
}

int modeError() {
  Start();
  if (env("VOK_TEST_LONG") == "1") {
    std::string name(2000, 'n');
    PrintError("Error in test: cannot read %s\n", name.c_str());
  }
  PrintError("Error in test: value %d is 100%% wrong\n", 5);
}

}  // namespace

int main() {
  std::string mode = env("VOK_TEST_MODE");
  if (mode == "start") return modeStart();
  if (mode == "pause") return modePause();
  if (mode == "boundary") return modeBoundary();
  if (mode == "stop") return modeStop();
  if (mode == "error") return modeError();
  std::fprintf(stderr, "frame_prog: unknown VOK_TEST_MODE \"%s\"\n", mode.c_str());
  return 2;
}
