// Fuzz target of the styled-text markup: any bytes (up to the first NUL) as
// a graph label, drawn as labels are, on a plain drawing port and on a
// buffered pair scaled by 1.5. Drawing measures what StyleTextWidth said it
// would, returns to the baseline and closes every group.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "vok/draw/bottlenecks.h"
#include "vok/vok.h"

namespace {
void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

GWorldPtr newWorld(short width, short height) {
  Rect r = {0, 0, height, width};
  GWorldPtr w = nullptr;
  if (NewGWorld(&w, 0, &r, nullptr, nullptr, 0) != noErr) std::abort();
  return w;
}

GWorldPtr g_plain, g_buffer, g_screen;

void drawLabel(const char* text) {
  s_TextFace(normal);
  s_TextSize(12);
  s_c_italicFlag = 1;
  s_MoveTo(10, 30);
  int width = StyleTextWidth(text);
  CGrafPtr port = s_UnscaledPort();
  Point start = port->pnLoc;
  DrawStyleText(text);
  require(s_c_subscriptLevel == 0, "every group closed");
  require(port->pnLoc.v == start.v, "back on the baseline");
  if (width > -20000 && width < 20000)
    require(port->pnLoc.h - start.h == width, "StyleTextWidth is the pen's advance");
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("VOK_DISPLAY", "headless", 1);
  s_ss.started = 1;  // no windows: offscreen worlds stand in for them
  s_colorFlag = 1;
  g_plain = newWorld(200, 60);
  g_buffer = newWorld(200, 60);
  g_screen = newWorld(300, 90);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  s_d_scale = 1.0;
  s_windowBounds = Rect{0, 0, 60, 200};
  s_UsePlainDrawingPort(g_plain);
  s_CustomizeQDProcs();
  drawLabel(text.c_str());
  s_d_scale = 1.5;
  s_UseBufferedDrawingPorts(g_buffer, g_screen);
  s_CustomizeQDProcs();
  drawLabel(text.c_str());
  SetGWorld(nullptr, nullptr);
  s_drawingPort = s_redrawPort = nullptr;
  s_redrawFlag = 0;
  return 0;
}
