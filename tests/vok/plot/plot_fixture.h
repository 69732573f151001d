// Plot tests draw on an offscreen world standing in for the drawing window;
// the transform and the plot state go back to what they were after each test.
#pragma once
#include <initializer_list>
#include <utility>
#include <vector>

#include "tests/support/vok_expect.h"
#include "tests/vok/draw/draw_fixture.h"
#include "vok/plot/plot.h"

namespace plottest {

// Puts each variable back, when it goes, as it was when it was made.
template <class T>
struct Restore {
  std::vector<std::pair<T*, T>> saved;
  Restore(std::initializer_list<T*> at) {
    for (T* p : at) saved.emplace_back(p, *p);
  }
  ~Restore() {
    for (auto& [p, value] : saved) *p = value;
  }
  T& was() { return saved[0].second; }
};

class PlotTest : public drawtest::DrawTest {
 protected:
  Restore<PlotState> savedState{&s_p};
  Restore<double> savedScales{&s_ox, &s_oy, &s_oz, &s_ou, &s_or, &s_os, &s_wn,
                              &s_wx, &s_wy, &s_wz, &s_wu, &s_wr, &s_ws, &s_p_scale};
  Restore<int32_t> savedBases{&s_on, &s_bn, &s_bx, &s_by, &s_bz, &s_bu, &s_br, &s_bs};
  // Pixels per unit, base pixels and origins of the x and y axes.
  static void transform(double wx, double wy, int32_t bx, int32_t by, double ox = 0, double oy = 0) {
    SetPlot4W(1, wx, wy, 0, 0);
    SetPlot4B(0, bx, by, 0, 0);
    SetPlot4O(0, ox, oy, 0, 0);
  }
  int inkIn(int left, int top, int right, int bottom) const {
    int n = 0;
    for (int v = top; v < bottom; ++v)
      for (int h = left; h < right; ++h) n += drawtest::inked(world, h, v);
    return n;
  }
  int inkCount() const {
    Rect b;
    GetPortBounds(world, &b);
    return inkIn(b.left, b.top, b.right, b.bottom);
  }
};

}  // namespace plottest
