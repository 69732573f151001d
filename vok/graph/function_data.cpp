// The one function-graph record with its defaults.
#include "vok/graph/function_data.h"

FunctionGraphSettings s_fg = {
    0,              // functionCount
    {}, {}, {},     // function, xFunction, yFunction
    0.0, 1.0,       // minDrawX, maxDrawX
    {},             // minT
    {1.0},          // maxT: 1 for the first curve, 0 for the others
    0.01,           // step
    {8, 21},        // paintPattern: 8 and 21 for the first two curves, 0 for the others
    {},             // paint
    0,              // barGraph
};
