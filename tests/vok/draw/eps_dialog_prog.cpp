// EPS saving in a started program: the save dialog answered by the headless
// script (first a file, then a cancel), then what was left behind is printed.
// With the argument "exit" the program instead ends while a recording is
// open, whose private temporary file must be gone afterwards.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "vok/vok.h"

int main(int argc, char** argv) {
  StartDrawingOnly();
  Rect r = {20, 30, 120, 230};
  if (argc > 1 && std::strcmp(argv[1], "exit") == 0) {
    BeginEPSSaving();
    std::printf("recording %s\n", EPSTemporaryPath());
    FrameRect(&r);
    return s_eps.active ? 0 : 3;
  }
  SetEPSFileName("graph.dat");
  for (int round = 1; round <= 2; ++round) {
    EraseDrawing();
    BeginEPSSaving();
    if (!s_eps.active) return 3;
    std::string tmp = EPSTemporaryPath();
    FrameRect(&r);
    s_MoveTo(40, 80);
    DrawStyleText("f(x) = x^2");
    EndEPSSaving();
    std::printf("round %d: temporary %s\n", round, access(tmp.c_str(), F_OK) == 0 ? "left" : "removed");
  }
  return 0;
}
