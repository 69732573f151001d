// Painting the area under a y = f(x) curve: the pen's path is noted while
// the curve is drawn, then the area is filled from it and the curve drawn
// again on top, so the fill's white pattern bits do not break the line.
#pragma once
#include "platform/gfx/gfx.h"

void s_FunctionPaintBegin();
// Called after each sample of the curve with where its pen is; noted when painting.
void s_FunctionNotePen(Point pen);
// Fills between the noted path and the frame's bottom value, from minDrawX
// to `end`, with the pattern of curve i (from 0), and redraws the path.
void s_FunctionPaintEnd(int i, double end);
