// Raster entry points for the other platform modules (text drawing above all):
// glyph masks and spans drawn straight into a port's pixels, with the port's
// clipping (clipRgn, visRgn and the raster's bounds), colours and transfer
// mode. They bypass the bottleneck table: callers are bottlenecks themselves.
#pragma once
#include "platform/gfx/gfx.h"

// Draws an 8-bit coverage mask (255 = inside the glyph, 0 = outside, values
// between only when anti-aliased) with its top-left pixel at local (x, y),
// `pitch` bytes from one mask row to the next, following port->txMode:
//   srcOr (the default)  covered pixels take the fore colour;
//   srcCopy              as srcOr, and uncovered pixels of the mask box take
//                        the back colour;
//   srcXor               covered pixels are inverted (coverage >= 128);
//   srcBic               covered pixels take the back colour;
//   notSrc...            the same with covered and uncovered swapped.
// Any other mode draws as srcOr. Partial coverage blends linearly.
void VokDrawGlyphMask(GrafPort* port, int x, int y, const uint8_t* coverage, int w, int h, int pitch);

// Fills local pixels x0 <= x < x1 of row y with transfer mode `mode`:
// srcCopy/srcOr paint the fore colour, srcXor inverts, srcBic paints the back
// colour; the pattern modes (patCopy...) use the port's pen pattern. For
// underlines and strike-throughs. Empty or clipped-away spans draw nothing.
void VokFillSpan(GrafPort* port, int y, int x0, int x1, short mode);
