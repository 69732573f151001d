// A program that ends while an EPS recording is open: its private temporary
// file must be gone afterwards.
#include <cstdio>

#include "vok/vok.h"

int main() {
  Rect r = {0, 0, 50, 50};
  GWorldPtr world = nullptr;
  if (NewGWorld(&world, 0, &r, nullptr, nullptr, 0) != noErr) return 2;
  s_ss.started = 1;  // no windows needed to record
  s_UsePlainDrawingPort(world);
  s_CustomizeQDProcs();
  BeginEPSSaving();
  if (!s_eps.active) return 3;
  std::printf("recording %s\n", EPSTemporaryPath());
  FrameRect(&r);
  return 0;
}
