// Grids built from data files read by the real reader: node placement,
// lookups beyond the grid, rows that miss or repeat nodes, a change of the
// f column, and a new file read with the same column choice.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/support/paths.h"
#include "vok/vok.h"

namespace {
class GridTest : public ::testing::Test {
 protected:
  GraphSettings savedG;
  Graph2DSettings savedG2D;
  std::string dir;

  void SetUp() override {
    savedG = s_g;
    savedG2D = s_g2d;
    s_g.graphDimension = 2;
    s_sg.maxSeries = 1;
    dir = vtest::scratchDir("contour-grid");
  }
  void TearDown() override {
    if (s_sg.grid) FreeArrayDouble2(s_sg.grid, s_sg.gridNx, s_sg.gridNy);
    s_sg.grid = nullptr;
    s_sg.gridX = s_sg.gridY = s_sg.gridF = 0;
    s_g = savedG;
    s_g2d = savedG2D;
  }
  // Reads `rows` under a header x, y, f, g and builds the grid of series 1.
  void load(const std::string& rows, int fColumn = 3) {
    std::string path = dir + "/grid.tsv";
    vtest::writeFile(path, "x\ty\tf\tg\n" + rows);
    char message[512];
    ASSERT_EQ(SGReadPath(path.c_str(), message, sizeof message), kSGReadOK) << message;
    s_sg.seriesX[0] = 1, s_sg.seriesY[0] = 2, s_sg.seriesF[0] = fColumn;
    SG2DArray();
  }
};

// x 0, 0.5, 1 and y 0, 2, 4: f = 10 i + j at node (i, j), g = -f.
std::string fullGrid() {
  std::string rows;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      rows += std::to_string(0.5 * i) + "\t" + std::to_string(2 * j) + "\t" + std::to_string(10 * i + j) + "\t" +
              std::to_string(-(10 * i + j)) + "\n";
  return rows;
}
}  // namespace

TEST_F(GridTest, NodesFrameStepsAndNearestNodeLookups) {
  load(fullGrid());
  ASSERT_NE(s_sg.grid, nullptr);
  EXPECT_EQ(s_sg.gridNx, 3);
  EXPECT_EQ(s_sg.gridNy, 3);
  EXPECT_DOUBLE_EQ(s_g2d.dx, 0.5);
  EXPECT_DOUBLE_EQ(s_g2d.dy, 2);
  EXPECT_DOUBLE_EQ(s_g.minFrameX, 0);
  EXPECT_DOUBLE_EQ(s_g.maxFrameX, 1);
  EXPECT_DOUBLE_EQ(s_g.maxFrameY, 4);
  struct {
    double x, y, expected;
  } cases[] = {
      {0.74, 2.9, 11},       // nearest node (0.5, 2)
      {1.0, 4.0, 22},        // the far corner
      {1.2, 5.0, 22},        // one cell past the far edges: the edge node
      {-7, -1e300, 0},       // far below
      {1e300, 2, 21},        // far beyond in x only
      {NAN, NAN, 0},         // not a point: a node all the same
      {0.24, 0.99, 0},       // rounding down on both axes
      {0.25, 1.0, 11},       // exactly half way rounds up
  };
  for (const auto& c : cases) EXPECT_EQ(Graph2DSSFunc(c.x, c.y), c.expected) << c.x << ", " << c.y;
}

TEST_F(GridTest, MissingRowsRepeatedNodesAndCellsThatAreNotNumbers) {
  load("0\t0\t1\n"
       "1\t0\t2\n"
       "1\t1\tnan\n"  // not a number: the node is not reached
       "0\t1\t3\n"
       "0\t1\t4\n"    // the later row wins
       "x\t0\t9\n"    // no x: skipped
       "2\t2\t5\n");  // (1, 2) and (2, 0), (2, 1), (0, 2) are missing
  EXPECT_EQ(s_sg.gridNx, 3);
  double expected[3][3] = {{1, 4, 0}, {2, 0, 0}, {0, 0, 5}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) EXPECT_EQ(s_sg.grid[i][j], expected[i][j]) << i << "," << j;
}

// Another f column refills the same grid in place; nodes no row reaches
// keep what they held.
TEST_F(GridTest, AnotherFColumnRefillsInPlace) {
  load("0\t0\t1\t-1\n1\t0\t2\n0\t1\t3\t-3\n1\t1\t4\t-4\n");
  double** before = s_sg.grid;
  s_sg.seriesF[0] = 4;
  SG2DArray();
  EXPECT_EQ(s_sg.grid, before);
  EXPECT_EQ(s_sg.gridF, 4);
  EXPECT_EQ(s_sg.grid[0][0], -1);
  EXPECT_EQ(s_sg.grid[1][0], 2) << "row without g";
  EXPECT_EQ(s_sg.grid[1][1], -4);
}

// A new file with the same column numbers is a new grid: its own extent,
// steps, frame and values, nothing of the old file's.
TEST_F(GridTest, NewDataWithTheSameColumnsRebuilds) {
  load(fullGrid());
  s_g.minFrameX = 0.5;  // the user narrowed the old frame
  load("10\t100\t7\n12\t100\t8\n14\t100\t9\n10\t101\t1\n12\t101\t2\n14\t101\t3\n");
  EXPECT_EQ(s_sg.gridNx, 3);
  EXPECT_EQ(s_sg.gridNy, 2);
  EXPECT_DOUBLE_EQ(s_g.minFrameX, 10);
  EXPECT_DOUBLE_EQ(s_g.maxFrameY, 101);
  EXPECT_DOUBLE_EQ(s_g2d.dx, 2);
  EXPECT_EQ(Graph2DSSFunc(12, 101), 2);
  EXPECT_EQ(Graph2DSSFunc(0, 0), 7) << "far below: the new grid's corner";
}
