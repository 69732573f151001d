// zoom_prog MODE STEP...: starts a program with the drawing window at global
// (100, 100), 400 x 300 unscaled (MODE "plain", or "buffered" at display
// scale 2, window at (200, 200)), sets a transform of 100 pixels per unit with
// world (0, 0) at pixel (50, 250), and plays the steps:
//   enlarge   EnlargePlot2D (the script drags), then prints the world
//             rectangle the window shows, both scales and whether it was erased
//   reverse   makes x grow to the left: world 0 at column 350
//   shrink    ShrinkPlot2DHalf, then prints as enlarge does
// Results go to standard error, one line per step.
#include <cstdio>
#include <cstring>

#include "vok/plot/plot.h"
#include "vok/vok.h"

namespace {
const short kW = 400, kH = 300;

// A dot at (5, 5) that an erase removes.
void markCorner() {
  s_MoveTo(5, 5);
  s_LineTo(5, 5);
}

bool cornerInked() {
  const PixMap& pm = s_drawingPort->portPixMap;
  return (pm.baseAddr[5 * pm.rowPixels + 5] & 0xFFFFFF) != 0xFFFFFF;
}

void report(const char* step) {
  Point origin = {0, 0};
  LocalToGlobal(&origin);
  std::fprintf(stderr, "%s x %.4f %.4f y %.4f %.4f w %.4f %.4f erased %d\n", step, Plot2DReverseX(0),
               Plot2DReverseX(kW), Plot2DReverseY(kH), Plot2DReverseY(0), s_wx, s_wy, cornerInked() ? 0 : 1);
}
}  // namespace

int main(int argc, char** argv) {
  bool buffered = argc > 1 && std::strcmp(argv[1], "buffered") == 0;
  if (buffered) s_d_scale = 2.0;
  SetDrawingBounds(100, 100, 100 + kW, 100 + kH);
  if (buffered)
    StartRedraw();
  else
    StartNoRedraw();
  ShowDrawing();
  SetPlot4W(0, 100, 100, 0, 0);
  SetPlot4B(0, 50, 50, 0, 0);
  SetPlot4O(0, 0, 0, 0, 0);
  for (int i = 2; i < argc; ++i) {
    markCorner();
    if (std::strcmp(argv[i], "enlarge") == 0) {
      EnlargePlot2D();
      report("enlarge");
    } else if (std::strcmp(argv[i], "reverse") == 0) {
      SetPlot4W(0, -100, 100, 0, 0);
      SetPlot4B(0, 350, 50, 0, 0);
      SetPlot4O(0, 0, 0, 0, 0);
    } else if (std::strcmp(argv[i], "shrink") == 0) {
      ShrinkPlot2DHalf();
      report("shrink");
    }
  }
  return 0;
}
