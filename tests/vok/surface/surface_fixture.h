// Surface tests draw on an offscreen world standing in for the drawing
// window, with every text call recorded (the graph tests' recorder); the
// surface settings go back to their defaults after each test.
#pragma once
#include "tests/vok/graph/graph_fixture.h"
#include "vok/surface/surface_frame.h"
#include "vok/surface/surface_loop.h"
#include "vok/surface/surface_settings.h"

namespace surfacetest {

class SurfaceTest : public graphtest::GraphTest {
 protected:
  SG3DView view = {};

  void SetUp() override {
    GraphTest::SetUp();
    s_g3d = s_g3dDefaults;
  }
  void TearDown() override {
    if (view.row) FreeArrayDouble1(view.row);
    view.row = nullptr;
    s_g3d = s_g3dDefaults;
    GraphTest::TearDown();
  }
  // One pass's cells onto a fresh white world.
  void drawSurface(short width, short height) {
    window(width, height);
    EraseDrawing();
    SG3DSetting(&view);
    SG3DMakeArray(&view);
    SG3DDrawCells(&view);
  }
};

}  // namespace surfacetest
