// The graph settings record s_g shared by every 2D graph. So far it holds the
// fields the spreadsheet reader needs (the graph kind and the frame's world
// range); the frame, axes, labels and title settings join it in their field
// order with their defaults.
#pragma once
#include <cstdint>

struct GraphSettings {
  int32_t graphDimension;  // 1 series or function graph, 2 contour graph, 3 surface graph
  double minFrameX, maxFrameX;  // world x range of the frame (data units, before any logarithm)
  double minFrameY, maxFrameY;  // world y range of the frame
};
extern GraphSettings s_g;
