// The view of a surface graph: the per-pass view record (rotation, tilt,
// centre and the order in which cells are visited so that nearer cells are
// painted over farther ones), the mapping of (x, y, z) to pixels, and the
// incidence of the light on a cell.
#pragma once
#include <cstdint>

struct SG3DView {
  double rot[2][2];  // {{cos a, -sin a}, {sin a, cos a}}, a = angleXY
  double cosZ, sinZ;  // of angleZ
  double centerX, centerY;
  double xStart, xEnd, xStep;  // first cell's x, end limit (exclusive), signed step
  int32_t xDir;
  double yStart, yEnd, yStep;
  int32_t yDir;
  double* row;  // f of the previous row of cell corners (the surface loop's)
};

// A pass draws at most this many cells: a smaller increment is refused, so a
// mistyped value cannot hang the program or exhaust memory.
enum { kSG3DMaxCells = 4000000 };

// Derives scales, increments, light vector and the view from s_g3d. A range
// without width (or not finite, or reversed), or increments that are not
// positive or would give more than kSG3DMaxCells cells, are refused with an
// alert and the previous accepted values are put back. Returns 1 when the
// settings were taken as they stood, 0 when some were put back.
int SG3DSetting(SG3DView* view);
double SG3DX(double x, double y, const SG3DView* view);
double SG3DY(double x, double y, double z, const SG3DView* view);
// In [0, 1]: the light's incidence on the cell with corners (x, y) z00,
// (x, y + yIncrement) z01, (x + xIncrement, y + yIncrement) z11 and
// (x + xIncrement, y) z10.
double SG3DIncidence(double x, double y, double z00, double z01, double z11, double z10);
