// The graph settings record s_g shared by every 2D graph: where the frame sits,
// which world range it shows, what of frame, axes, grid, numbers, labels and
// title is drawn, and the command flags of the Parameters dialog. Its setters,
// the log-axis conversions, and the registration of the frame settings.
#pragma once
#include <cstdint>

struct PDPage;

enum { kGraphStringSize = 256 };  // strings hold at most 255 characters

struct GraphSettings {
  int32_t graphDimension;   // 1 series or function graph, 2 contour graph, 3 surface graph
  PDPage* dialog;           // the Parameters dialog all graph parameters are added to
  int32_t dialogReady;      // 1 once the dialog's page list is set up
  int32_t parametersAdded;  // set: the graph loop does not register parameters again
  int32_t exitGraph, printGraph, saveGraph, epsSaveGraph;  // command flags
  int32_t left, bottom;     // frame's left edge; its bottom edge above the window's
  int32_t width, height;    // frame size in pixels
  double minFrameX, maxFrameX;  // world x range of the frame (data units, before any logarithm)
  double minFrameY, maxFrameY;  // world y range of the frame
  int32_t drawFrame, drawXAxis, drawYAxis;
  char fontName[kGraphStringSize];  // font of labels, title and numbers
  char xLabel[kGraphStringSize];    // styled text
  char yLabel[kGraphStringSize];
  int16_t labelSize;                // text size of labels, title and numbers
  int32_t xLabelX, xLabelY;         // pixel offset of the x label from its anchor
  int32_t yLabelX, yLabelY;
  double frameWidth;                // pen size of frame, axes and grid
  int32_t xMinDigitSetting, xMaxDigitSetting, yMinDigitSetting, yMaxDigitSetting;
  char title[kGraphStringSize];     // styled text
  int32_t titleAbove, titleBelow;
  int32_t titleX, titleY;           // title offset in pixels, y counted upward
  int32_t colorFlag;                // series in colour, EPS bitmaps in colour
  int32_t showXMinSetting, showXMaxSetting, showYMinSetting, showYMaxSetting;
  int32_t spreadsheetData;          // contour or surface grid taken from a data file
  int32_t drawArrow;                // arrowheads on the axes when no frame is drawn
  int32_t scaleMarkX, scaleMarkY;   // grey grid lines across x (vertical) and across y
  double intervalX, intervalY;      // grid spacing in plotted units
  int32_t showNumberX, showNumberY;
  int32_t digitX, digitY;           // decimals of the grid numbers
};
extern GraphSettings s_g;

// ---- setters (strings longer than 255 characters are cut) ---------------------
void SetGraphXLabel(const char* label);
void SetGraphYLabel(const char* label);
void SetGraphTitle(const char* title);
void SetGraphUpperTitleFlag(int32_t flag);
void SetGraphLowerTitleFlag(int32_t flag);
void SetGraphTitleXPosition(int32_t x);
void SetGraphTitleYPosition(int32_t y);
void SetGraphFrameWidth(double width);
void SetGraphLeftBottom(int32_t left, int32_t bottom);
void SetGraphWidthHeight(int32_t width, int32_t height);
void SetGraphFrameRange(double xMin, double xMax, double yMin, double yMax);
// Copies `text` into a settings string of kGraphStringSize bytes, cut to fit.
void s_GraphCopyString(char* dst, const char* text);
// A range must have width for a scale: a constant v becomes v ... v + 1 (a
// wider step where + 1 is lost in a huge v), kept finite; an end that is not
// finite is replaced first (0 for the low end, then the low end for the high).
void s_GraphWidenRange(double* lo, double* hi);
