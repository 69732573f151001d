// Extra height labels: "New Label" waits for a click in the drawing and
// writes there the height of the first function, rounded to df. Labels keep
// their window pixel positions and are redrawn at the end of every pass
// until "Reset Label".
#pragma once

void ExtraHeightNew();    // "New Label"
void ResetExtraHeight();  // "Reset Label": the count back to 0
// The height at pixel (h, v) of the last pass's transform, rounded to df:
// the first function there, or for gridded data the linear interpolation
// over the cell triangle that holds the point.
double Graph2DHeight(short h, short v);
void ExtraHeightDraw(int i);
