// surface_function: a calculation program that draws its own function as a
// shaded surface: a ridge in front of a peak, with cells below a level
// coloured by the program and the rest shaded by the light.
#include <algorithm>
#include <cmath>

#include "vok/vok.h"

namespace {
double ridgeAndPeak(double x, double y) {
  double peak = 1.6 * std::exp(-((x - 0.6) * (x - 0.6) + (y - 0.7) * (y - 0.7)) / 0.03);
  double ridge = 0.9 * std::exp(-(y - 0.3) * (y - 0.3) / 0.01);
  return peak + ridge;
}

// Low ground in a pale blue; the rest is left to the shading.
int32_t lowGround(double z00, double z01, double z11, double z10) {
  if (std::max(std::max(z00, z01), std::max(z11, z10)) > 0.05) return 0;
  SetRGBColor(70, 80, 100);
  return 1;
}
}  // namespace

int main() {
  StartColorDrawingOnly();
  SetGraph3DFunction(ridgeAndPeak);
  SetGraph3DColorFunction(lowGround);
  Graph3DFunction();
  return 0;
}
