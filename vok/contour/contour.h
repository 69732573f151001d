// The contour graph: up to ten functions f(x, y) drawn as level lines over
// the frame, with level numbers, the negative region shaded and height
// labels placed by mouse. s_g2d holds every setting; Graph2DFunction runs
// the dialog and the drawing passes until the user ticks "Exit Graph".
#pragma once
#include <cstdint>

#include "platform/gfx/gfx.h"

typedef double (*Graph2DFunc)(double x, double y);

enum { kGraph2DMaxFunctions = 10 };

struct Graph2DSettings {
  Graph2DFunc functions[kGraph2DMaxFunctions];
  int32_t functionNumber;
  double dx, dy;          // cell size ("dx", "dy")
  double df;              // level spacing ("df")
  double levelMax;        // highest sampled value (per pass, when labels are on)
  double levelMin;        // lowest sampled value
  double funcMax;         // values are clamped to funcMin ... funcMax ("Func Max Bound")
  double funcMin;         // ("Func Min Bound")
  int32_t maxLevelNumber; // level count above which the label table is trimmed
  int32_t levelNumber;    // level steps between levelMin and levelMax
  Pattern pattern;        // fill of negative regions, loaded per function
  int32_t patternIndex[kGraph2DMaxFunctions];  // system pattern of each function
  int32_t contourLabel;   // "Contour Labels"
  int32_t paintNegative;  // "Paint Negative Region"
  int32_t plotFlag[kGraph2DMaxFunctions];      // "Plot f%d"
  int32_t onlyZero;       // "Only Zero Level"
  double labelsInterval;  // spacing factor of level numbers along a line
  int32_t labelDigit;     // decimals of level numbers and extra labels
  int32_t labelSize;      // their text size (low 16 bits)
  int32_t maxExtraNumber; // capacity of the extra-label tables
  int32_t extraNumber;    // extra labels placed
  int32_t* extraX;        // pixel column of each label
  int32_t* extraY;        // pixel row
  double* extraValue;     // rounded height
};
extern Graph2DSettings s_g2d;

// ---- installing functions and settings -------------------------------------------
void SetGraph2DFunction(Graph2DFunc f);  // the only function
void AddGraph2DFunction(Graph2DFunc f);  // one more; the eleventh is refused on the console
void SetGraph2DDXYF(double dx, double dy, double df);
void SetGraph2DContourLabelFlag(int32_t flag);
void SetGraph2DPaintNegativeFlag(int32_t flag);
void SetGraph2DOnlyZero(int32_t flag);
// A setting of the calling program in the contour graph's dialog.
void in_Graph2DAddParameter(void* pointer, int type, const char* name);

// ---- the loop ----------------------------------------------------------------------
void Graph2DFunction();
void Graph2DFAddParameters();
