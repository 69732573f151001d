// The surface graph's settings record s_g3d: range, view, light, colours,
// cell size and the box with its numbers and titles. The dialog edits it;
// SG3DSetting derives the scales, increments and light vector from it.
#pragma once
#include <cstdint>

enum { kG3DStringSize = 256 };  // label strings hold at most 255 characters

typedef double (*G3DFunction)(double x, double y);
// Receives the corner values z00, z01, z11, z10; non-zero when it has set
// the fill colour itself.
typedef int32_t (*G3DColorFunction)(double z00, double z01, double z11, double z10);

struct G3DSettings {
  G3DFunction function;
  G3DColorFunction colorFunction;
  int32_t color;  // fill cells with shaded colour; else erase and outline
  double xMin, xMax, yMin, yMax;
  int32_t xWidth, yWidth;  // pixels spanned by the x and y ranges
  double xScale, yScale;   // pixels per world unit (derived)
  int32_t sameXYScale;
  double funcScale;  // pixels per unit of f
  int32_t useResolution;
  double xResolution, yResolution;  // cell size in pixels when useResolution is set
  int32_t sameXYRes;
  double horizontalPos, verticalPos;  // pixel position of the range's centre
  double angleXY, angleZ;             // degrees
  double lightXYAngle, lightZAngle;   // degrees
  double lightVector[3];              // direction the light travels (derived)
  double lightRed, lightGreen, lightBlue;  // percent
  double shadowRed, shadowGreen, shadowBlue;
  double xIncrement, yIncrement;  // cell size in world units
  int32_t sameXYInc;
  int32_t showAxis;
  int32_t showXLabel, showYLabel, showFuncLabel;
  char xLabel[kG3DStringSize], yLabel[kG3DStringSize], funcLabel[kG3DStringSize];
  int32_t labelSize;
  double funcMin, funcMax;  // f range of the vertical axis
  int32_t showXMin, showXMax, showYMin, showYMax, showFuncMin, showFuncMax;
  int32_t xMinDigit, xMaxDigit, yMinDigit, yMaxDigit, funcMinDigit, funcMaxDigit;
  int32_t xLabelDx, xLabelDy, yLabelDx, yLabelDy, funcLabelDx, funcLabelDy;
  int32_t xNumDx, xNumDy, yNumDx, yNumDy, funcNumDx, funcNumDy;
  int32_t gridLines;  // outline coloured cells in black
  int32_t arrow;      // arrow heads on the axes
};
extern G3DSettings s_g3d;
// The record as the program starts with it (tests reset s_g3d from it).
extern const G3DSettings s_g3dDefaults;

void SetGraph3DFunction(G3DFunction f);
void SetGraph3DColorFunction(G3DColorFunction c);
