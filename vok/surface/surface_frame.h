// The surface's box: three axes from the corner (xMin, yMin, funcMin), each
// with its end values, a styled title and an optional arrow head, placed by
// pixel offsets from the projected axis ends.
#pragma once
#include "vok/surface/projection.h"

// Draws the three axes over the surface; called with the foreground black.
void SG3DFrame(const SG3DView* view);
// "%.*f" of value at the pen offset by (dx, dy); pen and text size are put back.
void DrawValue(short dx, short dy, int digits, double value);
// Styled text at the pen offset by (dx, dy); pen and text size are put back.
void DrawLabel(short dx, short dy, const char* text);
// An arrow head at the projection of point 2, pointing away from point 1.
void G3DDrawArrow(double x1, double y1, double z1, double x2, double y2, double z2, const SG3DView* view);
