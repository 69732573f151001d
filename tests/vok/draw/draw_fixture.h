// Drawing on offscreen worlds that stand in for the drawing window: plain
// mode on one world, buffered mode on an unscaled buffer and a scaled
// "window" world, both with the drawing bottlenecks installed.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/support/paths.h"
#include "tests/support/vok_expect.h"
#include "tests/support/vok_ink.h"
#include "vok/draw/bottlenecks.h"
#include "vok/vok.h"

namespace drawtest {

inline uint32_t pixel(CGrafPtr port, int h, int v) {
  const PixMap& pm = port->portPixMap;
  return pm.baseAddr[(v - pm.bounds.top) * pm.rowPixels + (h - pm.bounds.left)] & 0xFFFFFF;
}
inline bool inked(CGrafPtr port, int h, int v) { return pixel(port, h, v) != 0xFFFFFF; }

// A rectangle for one call: PaintRect(rect({top, left, bottom, right})).
inline const Rect* rect(const Rect& r) { return &r; }

// Bounding box of the non-white pixels of a port (empty when all white).
inline Rect inkBox(CGrafPtr port) { return vtest::inkBox(vtest::portImage(port)); }

// A text call that reached the drawing bottleneck, with the port's pen, font, size and face.
struct TextCall {
  std::string text, font;
  short h, v, size, face;
};
inline std::vector<TextCall>& textCalls() {
  static std::vector<TextCall> calls;
  return calls;
}
inline void recordText(short byteCount, const void* textBuf, Point numer, Point denom) {
  GrafPtr port = GetQDPort();
  Str255 name;
  char family[256] = "";
  if (FMGetFontFamilyName(port->txFont, name) == noErr) CopyPascalToC(name, family);
  textCalls().push_back({std::string(static_cast<const char*>(textBuf), size_t(byteCount)), family, port->pnLoc.h,
                         port->pnLoc.v, port->txSize, port->txFace});
  s_CustomText(byteCount, textBuf, numer, denom);
}

class DrawTest : public ::testing::Test {
 protected:
  GWorldPtr world = nullptr;   // plain: the drawing port; buffered: the redraw buffer
  GWorldPtr screen = nullptr;  // buffered: the scaled window's port
  CQDProcs textRecorder;

  static GWorldPtr newWorld(short width, short height) {
    Rect r = {0, 0, height, width};
    GWorldPtr w = nullptr;
    EXPECT_EQ(NewGWorld(&w, 0, &r, nullptr, nullptr, 0), noErr);
    return w;
  }

  void SetUp() override {
    s_ss.started = 1;  // these tests make no windows
    s_colorFlag = 1;
    s_ss.directDraw = 0;
    s_c_italicFlag = 1;
    s_c_subscriptLevel = 0;
    EPSSetFailureReporter(nullptr);
  }

  void usePlain(short width, short height) {
    s_d_scale = 1.0;
    s_windowBounds = Rect{0, 0, height, width};
    world = newWorld(width, height);
    s_UsePlainDrawingPort(world);
    s_CustomizeQDProcs();
  }

  // Records every text call on the plain world into textCalls() from now on.
  void recordTexts() {
    textRecorder = s_GrafProcs;
    textRecorder.textProc = recordText;
    SetPortGrafProcs(world, &textRecorder);
    textCalls().clear();
  }

  // The window's content rectangle is `bounds` (global), the buffer unscaled.
  void useBuffered(Rect bounds, double scale) {
    s_d_scale = scale;
    s_windowBounds = bounds;
    world = newWorld(short(bounds.right - bounds.left), short(bounds.bottom - bounds.top));
    screen = newWorld(short(short(bounds.right * scale) - short(bounds.left * scale)),
                      short(short(bounds.bottom * scale) - short(bounds.top * scale)));
    s_UseBufferedDrawingPorts(world, screen);
    s_CustomizeQDProcs();
  }

  void TearDown() override {
    if (s_eps.active) {
      EPSSetNextOutputPath("/dev/null/none");  // discard: nothing may be left behind
      EPSSetFailureReporter([](const char*) {});
      EndEPSSaving();
    }
    EPSSetNextOutputPath(nullptr);
    EPSSetFailureReporter(nullptr);
    SetGWorld(nullptr, nullptr);
    s_redrawFlag = 0;
    s_drawingPort = s_redrawPort = nullptr;
    s_d_scale = 1.0;
    s_drawBackLineFlag = 1;
    if (world) DisposeGWorld(world);
    if (screen) DisposeGWorld(screen);
    world = screen = nullptr;
  }

  // Ends the recording into `path`, as if it had been chosen in the save dialog.
  static std::string saveEPS(const std::string& path) {
    EPSSetNextOutputPath(path.c_str());
    EndEPSSaving();
    return path;
  }
  // The PostScript recorded so far (the recording stays open).
  static std::string recorded() {
    if (!s_eps.file) return "";
    std::fflush(s_eps.file);
    return vtest::readFile(EPSTemporaryPath());
  }
  // What was recorded after the fixed header lines.
  static std::string body() {
    std::string all = recorded();
    size_t at = all.find("1 setlinecap\n");
    return at == std::string::npos ? all : all.substr(at + 13);
  }
};

}  // namespace drawtest
