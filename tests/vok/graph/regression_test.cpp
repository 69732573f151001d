// The regression line of series 1 read from real data files: the fit in
// plotted units, what is drawn and written, and the data that give no line.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/vok/graph/graph_fixture.h"

namespace {
class Regression : public graphtest::GraphTest {
 protected:
  void SetUp() override {
    GraphTest::SetUp();
    window();
    s_g.colorFlag = 0;
  }
  void TearDown() override {
    // The reader's tables stay in use after the test; its settings go back.
    SGRecord before = savedSG;
    savedSG = s_sg;
    savedSG.regressionLine = before.regressionLine, savedSG.showGradient = before.showGradient;
    savedSG.regRange = before.regRange, savedSG.regMin = before.regMin, savedSG.regMax = before.regMax;
    savedSG.logX = before.logX, savedSG.logY = before.logY, savedSG.showData = before.showData;
    GraphTest::TearDown();
  }
  // Reads `text` as the data file; its range becomes the frame's.
  void read(const std::string& text) {
    std::string path = vtest::scratchDir("regression") + "/d.tsv";
    vtest::writeFile(path, text);
    char message[256];
    ASSERT_EQ(SGReadPath(path.c_str(), message, sizeof message), kSGReadOK) << message;
    s_sg.showData = 0, s_sg.logX = 0;
    s_sg.seriesX[0] = 1, s_sg.seriesY[0] = 2, s_sg.seriesSD[0] = 0;
    s_sg.seriesMin[0] = s_g.minFrameX, s_sg.seriesMax[0] = s_g.maxFrameX;
  }
  std::string pass() {
    loopTransform();
    testing::internal::CaptureStdout();
    GraphPlotSpreadSheet();
    return testing::internal::GetCapturedStdout();
  }
};
}  // namespace

TEST_F(Regression, ExactLineIsDrawnAcrossTheFrameWithItsGradient) {
  read("x\ty\n1\t3\n2\t5\n3\t7\n4\t9\n");
  SetGraphRegressionLineFlag(1);
  SetGraphShowGradientFlag(1);
  s_g.minFrameX = 0, s_g.maxFrameX = 5, s_g.minFrameY = 0, s_g.maxFrameY = 12;
  EXPECT_EQ(pass(), "");
  RegressionFit fit = s_GraphRegressionFit(0, 1);
  EXPECT_NEAR(fit.a, 2, 1e-12);
  EXPECT_NEAR(fit.b, 1, 1e-12);
  std::string text;
  for (const std::string& t : allTexts()) text += t;
  EXPECT_EQ(text, "a = 2.000000");
  // From the line's right end, 40 pixels left and 8 up, in the gradient's size.
  ASSERT_NE(find("a"), nullptr);
  EXPECT_EQ(find("a")->h, Plot2DTransX(5) - 40);
  EXPECT_EQ(find("a")->v, Plot2DTransY(11) - 8);
  EXPECT_EQ(find("a")->size, 12);
  for (double x : {0.05, 4.95}) EXPECT_GT(inkIn(Plot2DTransX(x), Plot2DTransY(2 * x + 1) - 2, Plot2DTransX(x) + 1,
                                                  Plot2DTransY(2 * x + 1) + 3), 0) << "line at x = " << x;
}

// Which rows are fitted, in which units, and when there is no line at all.
TEST_F(Regression, FitsPlottedValuesOfTheSelectedRows) {
  struct Case {
    const char* data;
    int logY, regRange;
    long n;
    double a, b;
    const char* message;
  } cases[] = {
      {"x\ty\n1\t2.718281828459045\n2\t7.38905609893065\n3\t20.085536923187668\n", 1, 0, 3, 1, 0, ""},
      {"x\ty\n1\t1\n2\t3\n3\t5\n4\t100\n", 0, 1, 2, 2, -1, ""},     // x = 4 is on the strict bound
      {"x\ty\n1\t1\n2\t\n3\t5\n", 0, 0, 2, 2, -1, ""},               // a missing y is no zero
      {"x\ty\n1\t1\n4\t1\n", 0, 1, 0, NAN, NAN, "two points; 0 selected"},
      {"x\ty\n2\t1\n2\t3\n2\t5\n", 0, 0, 3, NAN, NAN, "no spread in x"},
  };
  for (const Case& c : cases) {
    read(c.data);
    s_sg.regressionLine = 1, s_sg.logY = c.logY;
    s_sg.regRange = c.regRange, s_sg.regMin = 1, s_sg.regMax = 4;
    std::string out = pass();
    RegressionFit fit = s_GraphRegressionFit(0, 1);
    EXPECT_EQ(fit.n, c.n) << c.data;
    if (std::isnan(c.a)) {
      EXPECT_TRUE(std::isnan(fit.a)) << c.data;
      EXPECT_NE(out.find(c.message), std::string::npos) << out;
    } else {
      EXPECT_NEAR(fit.a, c.a, 1e-9) << c.data;
      EXPECT_NEAR(fit.b, c.b, 1e-9) << c.data;
      EXPECT_EQ(out, "") << c.data;
    }
  }
}
