// Frame, axes, grid, numbers, labels and title of every 2D graph, drawn
// from the settings s_g through the current plot transform; the log-axis
// conversions; and the registration of the frame settings as parameters.
#pragma once
#include <cstdint>

// The plotted value of a data x or y: SafeLog of it while the axis is
// logarithmic (s_sg.logX / logY), else the value itself.
double GraphConvertX(double x);
double GraphConvertY(double y);

// True for a function graph drawn as bars: its frame is widened by half a
// bar on each side, while the corner numbers show the unwidened range.
bool s_GraphFunctionBars();

// The frame range in plotted units, widened by half a bar on each side for a
// function bar graph. An end that is not finite becomes 0 and a range
// without width (or height) is made one plotted unit wide above its
// minimum, so a scale made from it is always finite.
void GraphPlottedFrameRange(double* x0, double* x1, double* y0, double* y1);

// Everything of the graph except the data, through the current transform:
// frame with corner numbers, axes (with arrows and end numbers when there
// is no frame), axis labels, grey grid lines with their numbers and the
// title. Leaves the pen size of the frame for the data; restores the port's
// text size.
void GraphFrameAndLabel();
// `text` as styled text at the pen, in the label font and size.
void DrawGraphLabel(const char* text);
// A filled arrowhead at pixel (x1, y1) pointing away from (x0, y0), its sides
// 10 pixels long. Nothing is drawn for an axis without length or with an
// end that is not a finite point of the plot region.
void AxisArrow(double x0, double y0, double x1, double y1);

// The grid draws at most this many lines per axis; a denser grid (an
// interval tiny against the range) is not drawn at all.
enum { kGraphMaxGridLines = 4096 };

// Registers the 45 frame settings into s_g.dialog, in dialog order.
void GraphFrameAddParameters();
// Adds a parameter of the calling program to the graph's dialog, setting the
// dialog up first when the graph has not done so yet.
void in_Graph1DAddParameter(void* address, int type, const char* label);
