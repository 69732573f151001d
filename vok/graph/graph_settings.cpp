// The one graph settings record with its defaults, and its setters.
#include "vok/graph/graph_settings.h"

#include <cmath>
#include <cstring>

GraphSettings s_g = {
    1,                   // graphDimension
    nullptr, 0, 0,       // dialog, dialogReady, parametersAdded
    0, 0, 0, 0,          // exitGraph, printGraph, saveGraph, epsSaveGraph
    80, 50, 300, 300,    // left, bottom, width, height
    0.0, 1.0,            // minFrameX, maxFrameX
    0.0, 1.0,            // minFrameY, maxFrameY
    1, 0, 0,             // drawFrame, drawXAxis, drawYAxis
    "Times", "x", "y",   // fontName, xLabel, yLabel
    24,                  // labelSize
    15, 39, -45, -24,    // xLabelX, xLabelY, yLabelX, yLabelY
    1.0,                 // frameWidth
    1, 1, 1, 1,          // x/y min/max digit settings
    "Title",             // title
    0, 0,                // titleAbove, titleBelow
    0, 0,                // titleX, titleY
    0,                   // colorFlag
    1, 1, 1, 1,          // show x/y min/max settings
    0,                   // spreadsheetData
    0,                   // drawArrow
    0, 0,                // scaleMarkX, scaleMarkY
    1.0, 1.0,            // intervalX, intervalY
    1, 1,                // showNumberX, showNumberY
    1, 1,                // digitX, digitY
};

void s_GraphCopyString(char* dst, const char* text) {
  if (!text) text = "";
  size_t n = std::strlen(text);
  if (n > kGraphStringSize - 1) n = kGraphStringSize - 1;
  std::memcpy(dst, text, n);
  dst[n] = '\0';
}

void SetGraphXLabel(const char* label) { s_GraphCopyString(s_g.xLabel, label); }
void SetGraphYLabel(const char* label) { s_GraphCopyString(s_g.yLabel, label); }
void SetGraphTitle(const char* title) { s_GraphCopyString(s_g.title, title); }
void SetGraphUpperTitleFlag(int32_t flag) { s_g.titleAbove = flag; }
void SetGraphLowerTitleFlag(int32_t flag) { s_g.titleBelow = flag; }
void SetGraphTitleXPosition(int32_t x) { s_g.titleX = x; }
void SetGraphTitleYPosition(int32_t y) { s_g.titleY = y; }
void SetGraphFrameWidth(double width) { s_g.frameWidth = width; }

void SetGraphLeftBottom(int32_t left, int32_t bottom) {
  s_g.left = left;
  s_g.bottom = bottom;
}

void SetGraphWidthHeight(int32_t width, int32_t height) {
  s_g.width = width;
  s_g.height = height;
}

void SetGraphFrameRange(double xMin, double xMax, double yMin, double yMax) {
  s_g.minFrameX = xMin;
  s_g.maxFrameX = xMax;
  s_g.minFrameY = yMin;
  s_g.maxFrameY = yMax;
}

void s_GraphWidenRange(double* lo, double* hi) {
  if (!std::isfinite(*lo)) *lo = 0.0;
  if (!std::isfinite(*hi)) *hi = *lo;
  if (*hi != *lo) return;
  double w = 1.0;
  if (*lo + w == *lo) w = std::fabs(*lo) * 0x1p-40;
  if (std::isfinite(*lo + w))
    *hi = *lo + w;
  else
    *lo = *hi - w;
}
