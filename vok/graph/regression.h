// The least-squares line through series 1 of a series graph, with its
// gradient written beside it and the ends of the fitted x interval marked;
// and the setters of the regression and logarithmic-axis options.
#pragma once
#include <cstdint>

// Fits and draws the line of the 0-based columns over the whole frame width,
// in plotted units (logarithms on a logarithmic axis). Rows whose x or y cell
// is missing are left out, as the series leaves them out; with "Reg. Line
// Range" only rows with regMin < x < regMax (data units) count. Fewer than
// two rows, or all at one x, give no line and a console message saying why.
void Graph1DRegressionLine(int xColumn, int yColumn);

struct RegressionFit {
  long n;     // rows fitted
  double a;   // gradient and intercept in plotted units; NaN when there is no line
  double b;
};
RegressionFit s_GraphRegressionFit(int xColumn, int yColumn);

void SetGraphRegressionLineFlag(int32_t flag);
void SetGraphShowGradientFlag(int32_t flag);
void SetGraphGradientFontSize(int32_t size);
void SetGraphLogXFlag(int32_t flag);
void SetGraphLogYFlag(int32_t flag);
void SetGraphShowDataFlag(int32_t flag);
