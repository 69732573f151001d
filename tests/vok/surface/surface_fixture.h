// Surface tests draw on an offscreen world standing in for the drawing
// window; the surface settings go back to their defaults after each test.
#pragma once
#include "tests/vok/plot/plot_fixture.h"
#include "vok/surface/surface_loop.h"
#include "vok/surface/surface_settings.h"

namespace surfacetest {

class SurfaceTest : public plottest::PlotTest {
 protected:
  SG3DView view = {};

  void SetUp() override {
    PlotTest::SetUp();
    s_g3d = s_g3dDefaults;
  }
  void TearDown() override {
    if (view.row) FreeArrayDouble1(view.row);
    s_g3d = s_g3dDefaults;
    PlotTest::TearDown();
  }
  // One pass's cells onto a fresh white world.
  void drawSurface(short width, short height) {
    usePlain(width, height);
    EraseDrawing();
    SG3DSetting(&view);
    SG3DMakeArray(&view);
    SG3DDrawCells(&view);
  }
};

}  // namespace surfacetest
