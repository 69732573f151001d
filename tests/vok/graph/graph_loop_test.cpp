// The graph loop's registration order (the order of every parameter file a
// series graph writes) and the pass transform for ranges a user can type.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/paths.h"
#include "vok/graph/graph_loop.h"
#include "vok/graph/graph_settings.h"
#include "vok/graph/sheet_data.h"
#include "vok/params/param_table.h"
#include "vok/plot/plot.h"

namespace {
std::vector<std::string> labels(PDPage* page) {
  std::vector<std::string> out;
  for (; page; page = page->next)
    for (int i = 0; i < page->count; ++i) out.push_back(page->params[i].name);
  return out;
}
int typeOf(PDPage* page, const std::string& label) {
  for (; page; page = page->next)
    for (int i = 0; i < page->count; ++i)
      if (label == page->params[i].name) return page->params[i].type;
  return -1;
}
}  // namespace

TEST(GraphLoop, SeriesGraphRegistersInDialogOrder) {
  std::string path = vtest::scratchDir("graph_loop") + "/d.tsv";
  vtest::writeFile(path, "t\tA\tB\n0\t1\t2\n1\t3\t4\n");
  SetGraphFileName(path.c_str());
  s_g1.graphKind = kGraphSpreadSheet;
  s_g.graphDimension = 1;
  in_SetUpParametersDialogP(&s_g.dialog);
  s_g.dialogReady = 1;
  GraphAddParameters();

  std::vector<std::string> got = labels(s_g.dialog);
  std::vector<std::string> lead = {"Save Params", "Param File Name", "Load Params", "Exit Graph",   "Save Graph",
                                   "EPS Save Graph", "Print Graph",  "Bitmap Save", "EPS Bitmap Save",
                                   "Bitmap Print", "Load New Data", "Color",        "Min Frame X"};
  ASSERT_GE(got.size(), lead.size() + 44);
  EXPECT_EQ(std::vector<std::string>(got.begin(), got.begin() + long(lead.size())), lead);
  EXPECT_EQ(got[lead.size() + 43], "Title Y Position") << "45 frame settings";
  std::vector<std::string> data(got.begin() + long(lead.size()) + 44, got.end());
  std::vector<std::string> expected = {"Series Number", "Data 1", "Data 2", "Data 3", "Data Number",
                                       "Plot 1 X", "Plot 1 Y", "Plot 1 SD", "Plot 2 X", "Plot 2 Y", "Plot 2 SD",
                                       "Plot 3 X", "Plot 3 Y", "Plot 3 SD", "Plot 1 Min", "Plot 1 Max",
                                       "Plot 2 Min", "Plot 2 Max", "Plot 3 Min", "Plot 3 Max", "Pen 1 Width",
                                       "Pen 2 Width", "Pen 3 Width", "No Line 1", "No Line 2", "No Line 3",
                                       "Data Mark 1", "Data Mark 2", "Data Mark 3", "Mark 1 Radius",
                                       "Mark 2 Radius", "Mark 3 Radius", "Data 1 Color", "Data 2 Color",
                                       "Data 3 Color", "Regression Line", "Show Gradient", "Grad. FontSize",
                                       "Reg. Line Range", "Reg. Line Min", "Reg. Line Max", "log(x)", "log(y)",
                                       "Show Data"};
  EXPECT_EQ(data, expected);
  EXPECT_EQ(typeOf(s_g.dialog, "Load New Data"), doType);
  EXPECT_EQ(typeOf(s_g.dialog, "Data Number"), longType);
  EXPECT_EQ(typeOf(s_g.dialog, "Grad. FontSize"), intType);
  EXPECT_EQ(typeOf(s_g.dialog, "Reg. Line Min"), doubleType);
  EXPECT_EQ(s_sg.dataCount, 2);
}

TEST(GraphLoop, TransformStaysFiniteForRangesWithoutWidth) {
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
}
