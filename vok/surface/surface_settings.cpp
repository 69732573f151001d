// The surface settings record and its installing functions.
#include "vok/surface/surface_settings.h"

const G3DSettings s_g3dDefaults = {
    nullptr, nullptr, 1,                 // function, colorFunction, color
    0.0, 1.0, 0.0, 1.0,                  // x and y ranges
    300, 300, 100.0, 100.0, 0, 100.0,    // widths, scales, sameXYScale, funcScale
    1, 5.0, 5.0, 1,                      // useResolution, resolutions, sameXYRes
    300.0, 350.0, 30.0, 60.0,            // position, view angles
    -160.0, 10.0, {0.3, -0.2, -1.0},     // light angles and vector
    100.0, 100.0, 100.0, 0.0, 0.0, 0.0,  // light and shadow colours
    0.01, 0.01, 1,                       // increments, sameXYInc
    1, 1, 1, 1,                          // showAxis, show labels
    "x", "y", "f", 12, 0.0, 3.0,         // labels, labelSize, f range of the axis
    1, 1, 1, 1, 1, 1,                    // show end numbers
    1, 1, 1, 1, 1, 1,                    // digits
    5, 15, -10, 15, -15, -20,            // label offsets
    10, 6, -25, 6, -25, -6,              // number offsets
    1, 0,                                // gridLines, arrow
};

G3DSettings s_g3d = s_g3dDefaults;

void SetGraph3DFunction(G3DFunction f) { s_g3d.function = f; }
void SetGraph3DColorFunction(G3DColorFunction c) { s_g3d.colorFunction = c; }
