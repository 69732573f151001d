// Polylines with far more points than pixel columns: the lines of one that
// stay on a single pixel column (vertical or of zero length) are held and
// drawn as at most three lines covering the same span. Chained lines on one
// column paint exactly the union of their spans, on screen, in pictures and
// in PostScript with round caps, in every transfer mode except the xor ones.
// A move to a point inside the held span keeps the run going (the separate
// segments of a contour): the spans still overlap, so their union is one span.
#pragma once
#include "platform/gfx/gfx.h"

struct VOKLineRun {
  bool open;     // lines are held
  short h;       // their column
  short entry;   // where the pen was when the first was held
  short lo, hi;  // the span they cover
  short last;    // where the last one ended (or a held move went)
};

// A line from `from` (the pen) to `to` with the current pen. True when it is
// held: the pen stays at the run's entry until s_LineRunFlush, which the
// caller must call before it moves, draws or changes any drawing state.
// False when the line was drawn (after the lines held before it).
bool s_LineRunTo(VOKLineRun* run, Point from, Point to);
// s_LineRunTo from the pen: the run's last point while it is open, else the port's pen.
bool s_LineRunLineTo(VOKLineRun* run, Point to);
// A move to `to`: held when it stays inside the run's span (the pen is then
// taken to be at `to`), else the run is drawn and the pen moved.
void s_LineRunMoveTo(VOKLineRun* run, Point to);
// Draws the held lines; the pen ends where the last of them ended (or the
// last held move went).
void s_LineRunFlush(VOKLineRun* run);
// Every line drawn on its own when VOK_LINE_RUNS=off (to compare the two).
bool s_LineRunsEnabled();
