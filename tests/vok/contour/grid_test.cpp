// Grids built from a data file read by the real reader: node placement,
// missing, repeated and unreadable rows, lookups beyond the grid, and a
// new file read with the same columns.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/vok/graph/graph_fixture.h"
#include "vok/vok.h"

TEST(Grid, NodesStepsFrameAndNearestNodeLookups) {
  plottest::Restore<GraphSettings> savedG{&s_g};
  plottest::Restore<Graph2DSettings> savedG2D{&s_g2d};
  s_g.graphDimension = 2, s_sg.maxSeries = 1;
  // x 0, 0.5, 1 and y 0, 2, 4; f = 10 i + j at node (i, j), with (1, 2)
  // missing, (0, 1) given twice, and (2, 0) not a number.
  ASSERT_NO_FATAL_FAILURE(graphtest::readSheet(
      "x\ty\tf\n0\t0\t0\n0\t2\t5\n0\t2\t1\n0\t4\t2\n0.5\t0\t10\n0.5\t2\t11\n1\t0\tnan\n1\t2\t21\n1\t4\t22\n"));
  s_sg.seriesX[0] = 1, s_sg.seriesY[0] = 2, s_sg.seriesF[0] = 3;
  SG2DArray();
  ASSERT_NE(s_sg.grid, nullptr);
  EXPECT_EQ(s_sg.gridNx * 10 + s_sg.gridNy, 33);
  EXPECT_EQ(s_g2d.dx * 10 + s_g2d.dy, 7);
  EXPECT_EQ(s_g.maxFrameX * 10 + s_g.maxFrameY, 14);
  struct {
    double x, y, expected;
  } cases[] = {
      {0.74, 2.9, 11}, {0.25, 1.0, 11},  // nearest node; half way rounds up
      {0, 2, 1},                         // the later of two rows
      {0.5, 4, 0},     {1, 0, 0},        // no row; a value that is not a number
      {1.2, 5.0, 22},  {1e300, 2, 21},   // past the far edges: the edge node
      {-7, -1e300, 0}, {NAN, NAN, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(Graph2DSSFunc(c.x, c.y), c.expected) << c.x << ", " << c.y;

  // New data with the same columns ("Load New Data") is a new grid.
  graphtest::readSheet("x\ty\tf\n10\t1\t7\n12\t1\t8\n10\t2\t5\n12\t2\t6\n");
  SG2DArray();
  EXPECT_EQ(s_sg.gridNx * 10 + s_sg.gridNy, 22);
  EXPECT_EQ(Graph2DSSFunc(0, 0) * 10 + Graph2DSSFunc(12, 1), 78);
  FreeArrayDouble2(s_sg.grid, s_sg.gridNx, s_sg.gridNy);
  s_sg.grid = nullptr;
  s_sg.gridX = s_sg.gridY = s_sg.gridF = 0;
}
