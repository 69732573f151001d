// The one graph settings record, with its defaults.
#include "vok/graph/graph_settings.h"

GraphSettings s_g = {
    1,       // graphDimension
    0.0, 1.0,  // minFrameX, maxFrameX
    0.0, 1.0,  // minFrameY, maxFrameY
};
