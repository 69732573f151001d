// Contour tracing: each grid cell of steps dx, dy split into two triangles
// along the diagonal from lower right to upper left, and in each triangle
// the straight segments where the linear interpolation of f crosses a
// multiple of df; the negative part of each triangle filled; one level
// number per level along the lines, placed by countdown. Also the level
// table: the range of sampled values and the countdowns.
#pragma once
#include <cstdint>

// The countdowns, one per level step from levelMin (levelNumber + 1 of them).
extern int32_t* s_g2dArray;

// The contour pass of function k over the frame, polling CheckPause once per
// column. False (and nothing drawn) when dx, dy or df is not a positive
// number, or a frame edge is not finite.
bool s_Graph2DContourPass(int k);

// Evaluates functions[k] at the three points, clamps the values to
// funcMin ... funcMax (not a number counts as funcMax), and orders the points
// so that fa <= fb <= fc; equal values keep their order.
void Graph2DOrderPoints(double* x1, double* y1, double* x2, double* y2, double* x3, double* y3, double* fa,
                        double* fb, double* fc, int k);
void ExchangeDouble(double* a, double* b);
// The level segments of one ordered triangle (fa <= fb <= fc).
void LevelLineTriangle(double x1, double y1, double x2, double y2, double x3, double y3, double fa, double fb,
                       double fc);
// Fills the part of one ordered triangle where the interpolation is at or below 0.
void PaintNegativeTriangle(double x1, double y1, double x2, double y2, double x3, double y3, double fa, double fb,
                           double fc);
// Counts down the level's counter; writes the number at the pen when it runs out.
void ContourLabel(double level);

// ---- the level table ------------------------------------------------------------
// Recomputes range and table when labels are on and the cache says the last
// ones do not cover the frame, the df or the f column.
void SG2DResetArray();
void Graph2DMaxAndMin();
void Graph2DMakeArray();
void Graph2DInitArray();  // restarts the countdowns
// Forgets the cached range, so the next SG2DResetArray recomputes.
void s_Graph2DForgetLevels();
