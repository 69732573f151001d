// Picture and bitmap saving in a started program, driven by a headless
// script that answers the save dialogs. The case comes from SAVE_CASE:
//   mono:    black-and-white mode; saves the blank window, then a drawing
//            (window pixels to expect.ppm), then three automatic saves
//   color:   colour mode; the drawing saved as a bitmap (a picture)
//   picture: BeginSaving/EndSaving twice (the second save may be cancelled),
//            then a third recording, to show the recording always ends;
//            prints the size of the first picture's handle
//   monofail: black-and-white mode; the drawing saved as a bitmap once
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/test_drawing.h"
#include "tests/support/vok_prog.h"
#include "vok/params/pd_procs.h"
#include "vok/vok.h"

namespace {
using vtest::env;
// The test shapes with a light (yellow: white in one bit) rectangle, and
// marks beyond 576 x 720 that a one-bit image cuts off.
void drawShapes() {
  vtest::drawTestShapes(RGBColor{65535, 65535, 0});
  Rect right = {100, 570, 140, 700}, low = {700, 20, 760, 80};
  PaintRect(&right);
  PaintRect(&low);
}
}  // namespace

int main() {
  std::string which = env("SAVE_CASE");
  SetDrawingBoundsFull();
  if (which == "mono") {
    StartBW();
    HideWindow(s_textWindow);
    SaveProc();
    drawShapes();
    vtest::writeDrawingPPM("expect.ppm");
    SaveProc();
    for (int i = 0; i < 3; ++i) {
      Rect mark = {short(10 + 10 * i), 10, short(18 + 10 * i), 18};
      PaintRect(&mark);
      EndBitMapSavingAuto();
    }
  } else if (which == "color") {
    StartDrawingOnly();
    drawShapes();
    vtest::writeDrawingPPM("expect.ppm");
    SaveProc();
  } else if (which == "monofail") {
    StartBW();
    HideWindow(s_textWindow);
    drawShapes();
    SaveProc();
  } else if (which == "picture") {
    StartDrawingOnly();
    BeginSaving();
    drawShapes();
    EndSaving();
    std::printf("pict %ld\n", long(GetHandleSize(reinterpret_cast<Handle>(s_save.pict))));
    vtest::writeDrawingPPM("expect.ppm");
    BeginSaving();
    Rect more = {10, 10, 30, 30};
    PaintRect(&more);
    EndSaving();
    BeginSaving();
    EndSaving();
  } else {
    std::printf("unknown case %s\n", which.c_str());
    return 3;
  }
  std::printf("done\n");
  return 0;
}
