// What the vector print path writes beyond the EPS writer's fragments:
// frames and lines as wide as the pen, and pixel copies as images, each
// covering what the screen covers. Coordinates are the picture's; every
// frame leaves no current point (the caller moves back to the pen).
#pragma once
#include "platform/gfx/gfx.h"

// A line swept by the pen hanging below and right of it (a one-pixel pen
// strokes as the EPS writer does); the current point is left at `to`.
void s_PSPenLine(Point from, Point to, Point pen);
// Frames inside their shape, pen wide: a rectangle with elliptic corners
// of radii a and c (0: square; half the box: an oval), an arc of that
// oval's outline, a polygon's recorded lines, a region's edge.
void s_PSPenFrameRound(const Rect& r, double a, double c, Point pen);
void s_PSPenFrameArc(const Rect& r, short startAngle, short arcAngle, Point pen);
void s_PSPenFramePoly(PolyHandle poly, Point pen);
void s_PSPenFrameRgn(RgnHandle rgn, Point pen);
// A pixel copy as an image at its destination, scaled by replication: pure
// black and white sources as one-bit images, others in 8-bit colour; modes
// that paint only the source's ink as masks. `back` is the port's back
// colour, which the bic modes paint with.
void s_PSPixelCopy(const BitMap& src, const Rect& srcRect, const Rect& dstRect, short mode, RgnHandle mask,
                   const RGBColor& back);
