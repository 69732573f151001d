// The regression line of series 1 read from real data files: the fit in
// plotted units, the gradient text, and no line (but a message saying why)
// where the rows cannot give one.
#include <gtest/gtest.h>

#include <string>

#include "tests/vok/graph/graph_fixture.h"

namespace {
class Regression : public graphtest::GraphTest {
 protected:
  void SetUp() override {
    GraphTest::SetUp();
    window();
  }
  void TearDown() override {
    // The reader's tables stay in use after the test; its switches go back off.
    s_sg.regressionLine = s_sg.showGradient = s_sg.regRange = s_sg.logY = 0;
    savedSG.was() = s_sg;
    GraphTest::TearDown();
  }
  // Reads `text` as the data file, whose range becomes the frame's, and
  // draws series 1 with its line; returns what the console received.
  std::string drawn(const std::string& text, int logY = 0, int regRange = 0) {
    graphtest::readSheet(text);
    s_sg.seriesX[0] = 1, s_sg.seriesY[0] = 2, s_sg.seriesSD[0] = 0;
    s_sg.regressionLine = 1, s_sg.logY = logY, s_sg.regRange = regRange, s_sg.regMin = 1, s_sg.regMax = 4;
    s_sg.logX = s_sg.showData = s_g.colorFlag = 0;
    s_GraphSetTransform();
    return vtest::stdoutOf(GraphPlotSpreadSheet);
  }
};
}  // namespace

TEST_F(Regression, FitsPlottedValuesOfTheSelectedRows) {
  // Logarithms under log(y): ln y = x.
  EXPECT_EQ(drawn("x\ty\n1\t2.718281828459045\n2\t7.38905609893065\n3\t20.085536923187668\n", 1), "");
  EXPECT_NEAR(s_GraphRegressionFit(0, 1).a, 1, 1e-9);
  // The line y = 2x - 1 through rows 2 and 3 only: x = 1 and 4 lie on the
  // strict bounds, and row 3's missing y is no zero. Its gradient is written.
  SetGraphShowGradientFlag(1);
  EXPECT_EQ(drawn("x\ty\n1\t9\n2\t3\n2.5\t\n3\t5\n4\t100\n", 0, 1), "");
  std::string text;
  for (const std::string& t : allTexts()) text += t;
  EXPECT_EQ(text, "a = 2.000000");
  // No line where all x are equal: no division by zero.
  EXPECT_EQ(drawn("x\ty\n2\t1\n2\t3\n"), "Error in Graph1DRegressionLine:\nThe 2 points have no spread in x; no line\n");
}
