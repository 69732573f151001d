// The graph loop's pass transform for ranges a user can type.
#include <gtest/gtest.h>

#include <cmath>

#include "vok/graph/graph_loop.h"
#include "vok/graph/graph_settings.h"
#include "vok/plot/plot.h"

TEST(GraphLoop, TransformStaysFiniteForRangesWithoutWidth) {
  const GraphSettings saved = s_g;
  s_g.left = 80, s_g.bottom = 50, s_g.width = 300, s_g.height = 200;
  s_g.minFrameX = s_g.maxFrameX = 4;  // typed into both fields
  s_g.minFrameY = 0, s_g.maxFrameY = 2;
  s_GraphSetTransform();
  EXPECT_TRUE(std::isfinite(s_wx));
  EXPECT_GT(s_wx, 0);
  EXPECT_DOUBLE_EQ(s_wy, 100);
  s_g.minFrameY = s_g.maxFrameY = 1e300;
  s_GraphSetTransform();
  EXPECT_TRUE(std::isfinite(s_wy));
  EXPECT_GT(s_wy, 0);
  s_g.minFrameX = 10, s_g.maxFrameX = 0;  // a reversed axis is the user's choice
  s_GraphSetTransform();
  EXPECT_DOUBLE_EQ(s_wx, -30);
  s_g = saved;
}
