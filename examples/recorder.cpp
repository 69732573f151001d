// recorder: a calculation that shows its state as running traces, page
// after page, like a chart recorder. It integrates two coupled, lightly
// damped pendulums (angles and angular velocities of both) with fourth-order
// Runge-Kutta steps and plots the four values in four bands. Each finished
// page is saved as a numbered bitmap file in the folder chosen at the start;
// the run stops half-way through its third page, which is saved last.
#include <cmath>

#include "vok/vok.h"

namespace {
const double kG = 9.81, kLength = 1.0, kCoupling = 0.6, kDamping = 0.05;
const double kDt = 0.01;           // integration step (s)
const int kStepsPerPoint = 4;      // integration steps between two plotted points
const int kBands = 4;

// State: angle 1, velocity 1, angle 2, velocity 2.
void derivatives(const double* s, double* d) {
  d[0] = s[1];
  d[1] = -kG / kLength * std::sin(s[0]) - kCoupling * (s[0] - s[2]) - kDamping * s[1];
  d[2] = s[3];
  d[3] = -kG / kLength * std::sin(s[2]) - kCoupling * (s[2] - s[0]) - kDamping * s[3];
}

void rungeKutta(double* s, double h) {
  double k1[4], k2[4], k3[4], k4[4], t[4];
  derivatives(s, k1);
  for (int i = 0; i < 4; ++i) t[i] = s[i] + h / 2 * k1[i];
  derivatives(t, k2);
  for (int i = 0; i < 4; ++i) t[i] = s[i] + h / 2 * k2[i];
  derivatives(t, k3);
  for (int i = 0; i < 4; ++i) t[i] = s[i] + h * k3[i];
  derivatives(t, k4);
  for (int i = 0; i < 4; ++i) s[i] += h / 6 * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]);
}

// The zero line of every band, drawn on each new page.
void drawZeroLines() {
  Rect area = s_PlotArea();
  const int32_t bases[kBands] = {s_bx, s_by, s_bz, s_bu};
  for (int32_t base : bases) {
    s_MoveTo(short(s_bn), short(area.bottom - base));
    LineTo(area.right, short(area.bottom - base));
  }
}
}  // namespace

int main() {
  SetDrawingBounds(260, 40, 900, 520);
  Start();
  Rect area = s_PlotArea();
  const int band = area.bottom / kBands;
  // Angles up to 0.8 rad and velocities up to 3 rad/s fill about 90 % of a half band.
  const double angleScale = band * 0.45 / 0.8, velocityScale = band * 0.45 / 3.0;
  SetPlot4O(0, 0, 0, 0, 0);
  SetPlot4W(2, angleScale, velocityScale, angleScale, velocityScale);
  SetPlot4B(10, band * 7 / 2, band * 5 / 2, band * 3 / 2, band / 2);  // x on top, u at the bottom
  SetPlotNewPageFunc(drawZeroLines);

  double state[4] = {0.8, 0, 0, 0};  // only the first pendulum starts out of rest
  SetPlot4I(state[0], state[1], state[2], state[3]);
  s_SetGWorld(s_drawingWindow, nullptr);
  EraseDrawing();
  drawZeroLines();
  BeginPlotSaving();

  const int pointsPerPage = int((area.right - s_bn) / s_wn) - 1;
  int pagesTurned = 0, points = 0;
  while (pagesTurned < 2 || s_n < pointsPerPage / 2) {
    for (int i = 0; i < kStepsPerPoint; ++i) rungeKutta(state, kDt);
    Plot4(state[0], state[1], state[2], state[3]);
    ++points;
    if (s_n == 0) ++pagesTurned;
  }
  EndPlotSaving();
  s_printf("recorder: %d points on %d pages, t = %.2f s\n", points, pagesTurned + 1, points * kStepsPerPoint * kDt);
  return 0;
}
