// The example data files: they are what examples/make_examples.py writes,
// and the reader finds in them the columns, gaps and grid they were made with.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/paths.h"
#include "vok/graph/graph_settings.h"
#include "vok/graph/sheet_data.h"

namespace {
int invalidCells(int column) {
  int n = 0;
  for (int r = 0; r < s_sg.dataCount; ++r) n += !s_sg.valid[column - 1][r];
  return n;
}
}  // namespace

TEST(Examples, CommittedFilesAreTheScriptsOutput) {
  VTEST_REQUIRE(vtest::haveTool("python3"), "python3");
  std::string out = vtest::scratchDir("examples");
  auto r = vtest::run("python3 " + vtest::sourceDir() + "/examples/make_examples.py " + out);
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* name : {"damped.tsv", "grid.tsv"})
    EXPECT_TRUE(vtest::readFile(out + "/" + name) == vtest::readFile(vtest::sourceDir() + "/examples/" + name))
        << name << " differs from what examples/make_examples.py writes";
}

TEST(Examples, DampedOscillations) {
  SetGraphDataNumber(5000);
  char message[512];
  ASSERT_EQ(SGReadPath((vtest::sourceDir() + "/examples/damped.tsv").c_str(), message, sizeof message), kSGReadOK)
      << message;
  ASSERT_EQ(s_sg.columnCount, 4);
  EXPECT_STREQ(s_sg.columnNames[0], "time");
  EXPECT_STREQ(s_sg.columnNames[3], "error");
  EXPECT_EQ(s_sg.dataCount, 2400);
  EXPECT_EQ(invalidCells(1), 0);
  EXPECT_EQ(invalidCells(3), 65 + 6);  // missing readings, and six short rows
  EXPECT_EQ(invalidCells(4), 46 + 6);  // "n/a" cells, and the short rows
  EXPECT_EQ(s_g.minFrameX, 0);
  EXPECT_NEAR(s_g.maxFrameX, 23.99, 1e-9);
  EXPECT_EQ(s_g.minFrameY, -1);
  EXPECT_EQ(s_g.maxFrameY, 1);
}

TEST(Examples, RegularGrid) {
  char message[512];
  ASSERT_EQ(SGReadPath((vtest::sourceDir() + "/examples/grid.tsv").c_str(), message, sizeof message), kSGReadOK)
      << message;
  ASSERT_EQ(s_sg.columnCount, 3);
  EXPECT_EQ(s_sg.dataCount, 41 * 41);
  for (int c : {0, 1}) {
    EXPECT_EQ(s_sg.columnMin[c], -2);
    EXPECT_EQ(s_sg.columnMax[c], 2);
    EXPECT_NEAR(s_sg.columnStep[c], 0.1, 1e-12);
  }
  EXPECT_LT(s_sg.columnMin[2], 0);  // a negative region for the contour shading
  EXPECT_GT(s_sg.columnMax[2], 0.5);
}
