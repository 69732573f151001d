// Plot tests draw on an offscreen world standing in for the drawing window;
// the transform and the plot state go back to their defaults after each test.
#pragma once
#include "tests/support/vok_expect.h"
#include "tests/vok/draw/draw_fixture.h"
#include "vok/plot/plot.h"

namespace plottest {

struct TransformCopy {
  double o[6], w[7], pScale;
  int32_t on, b[7];
  void take() {
    double* os[] = {&s_ox, &s_oy, &s_oz, &s_ou, &s_or, &s_os};
    double* ws[] = {&s_wn, &s_wx, &s_wy, &s_wz, &s_wu, &s_wr, &s_ws};
    int32_t* bs[] = {&s_bn, &s_bx, &s_by, &s_bz, &s_bu, &s_br, &s_bs};
    for (int i = 0; i < 6; ++i) o[i] = *os[i];
    for (int i = 0; i < 7; ++i) w[i] = *ws[i], b[i] = *bs[i];
    on = s_on;
    pScale = s_p_scale;
  }
  void put() const {
    SetPlot6O(on, o[0], o[1], o[2], o[3], o[4], o[5]);
    SetPlot6W(w[0], w[1], w[2], w[3], w[4], w[5], w[6]);
    SetPlot6B(b[0], b[1], b[2], b[3], b[4], b[5], b[6]);
    s_p_scale = pScale;
  }
};

class PlotTest : public drawtest::DrawTest {
 protected:
  PlotState savedState;
  TransformCopy savedTransform;
  void SetUp() override {
    DrawTest::SetUp();
    savedState = s_p;
    savedTransform.take();
  }
  void TearDown() override {
    s_p = savedState;
    savedTransform.put();
    DrawTest::TearDown();
  }
  // Pixels per unit, base pixels and origins of the x and y axes.
  static void transform(double wx, double wy, int32_t bx, int32_t by, double ox = 0, double oy = 0) {
    SetPlot4W(1, wx, wy, 0, 0);
    SetPlot4B(0, bx, by, 0, 0);
    SetPlot4O(0, ox, oy, 0, 0);
  }
  int inkCount() const {
    Rect b;
    GetPortBounds(world, &b);
    int n = 0;
    for (int v = b.top; v < b.bottom; ++v)
      for (int h = b.left; h < b.right; ++h) n += drawtest::inked(world, h, v);
    return n;
  }
};

}  // namespace plottest
