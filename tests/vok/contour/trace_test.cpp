// Contour tracing on an offscreen drawing: the level segments of whole
// passes and of single triangles, the shading of negative parts, the level
// numbers' countdowns, the level range and the heights of extra labels.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <utility>

#include "tests/vok/contour/contour_fixture.h"

using contourtest::ContourTest;
using contourtest::polygons;
using contourtest::segments;

namespace {
double g_value = 0;
double fx(double x, double) { return x; }
double fConstant(double, double) { return g_value; }
double fPlane(double x, double y) { return 2 * x + 3 * y; }
double fNaN(double, double) { return NAN; }
double fSteep(double x, double) { return 1e4 * x; }

bool samePoint(Point a, Point b) { return a.h == b.h && a.v == b.v; }
}  // namespace

// f = x: every segment vertical, one line at each multiple of df, each
// spanning the frame's height, evenly spaced.
TEST_F(ContourTest, LinearFunctionGivesEvenlySpacedVerticalLines) {
  frame(0, 1, 0, 1);
  SetGraph2DFunction(fx);
  SetGraph2DDXYF(0.5, 0.5, 0.25);
  s_g2d.contourLabel = 0;
  ASSERT_TRUE(s_Graph2DContourPass(0));
  std::map<short, std::pair<short, short>> lines;  // h -> covered v range
  for (const auto& s : segments()) {
    ASSERT_EQ(s.from.h, s.to.h) << "not vertical";
    auto it = lines.emplace(s.from.h, std::make_pair(std::min(s.from.v, s.to.v), std::max(s.from.v, s.to.v))).first;
    it->second.first = std::min({it->second.first, s.from.v, s.to.v});
    it->second.second = std::max({it->second.second, s.from.v, s.to.v});
  }
  ASSERT_EQ(lines.size(), 5u);
  int i = 0;
  for (const auto& line : lines) {
    EXPECT_EQ(line.first, Plot2DTransX(0.25 * i++));
    EXPECT_EQ(line.second.first, Plot2DTransY(1));
    EXPECT_EQ(line.second.second, Plot2DTransY(0));
  }
}

// Triangle P1 (0, 0), P2 (1, 0), P3 (0, 1) with sorted values.
TEST_F(ContourTest, TriangleSegments) {
  frame(-1, 2, -1, 2);
  SetGraph2DFunction(fx);
  s_g2d.contourLabel = 0;
  auto p = [](double x, double y) { return ContourTest::pixel(x, y); };
  struct Case {
    int onlyZero;
    double df, fa, fb, fc;
    std::vector<std::pair<Point, Point>> expected;
  } cases[] = {
      {1, 0.1, -1, 1, 2, {{p(0.5, 0), p(0, 1.0 / 3)}}},                    // zero in the lower half only
      {1, 0.1, -1, 0, 2, {{p(1, 0), p(0, 1.0 / 3)}, {p(1, 0), p(0, 1.0 / 3)}}},  // zero = fb: both halves
      {1, 0.1, 1, 2, 3, {}},
      {1, 0.1, 0, 0, 0, {}},
      {0, 0.25, 0.3, 0.3, 0.3, {}},                                        // flat: nothing
      {0, 0.5, 0, 0.5, 1,                                                  // levels on the vertices
       {{p(0, 0), p(0, 0)}, {p(1, 0), p(0, 0.5)}, {p(1, 0), p(0, 0.5)}, {p(0, 1), p(0, 1)}}},
  };
  for (const Case& c : cases) {
    segments().clear();
    s_g2d.onlyZero = c.onlyZero;
    s_g2d.df = c.df;
    LevelLineTriangle(0, 0, 1, 0, 0, 1, c.fa, c.fb, c.fc);
    ASSERT_EQ(segments().size(), c.expected.size()) << c.fa << " " << c.fb << " " << c.fc;
    for (size_t i = 0; i < c.expected.size(); ++i) {
      EXPECT_TRUE(samePoint(segments()[i].from, c.expected[i].first)) << c.fa << " " << c.fb << " segment " << i;
      EXPECT_TRUE(samePoint(segments()[i].to, c.expected[i].second)) << c.fa << " " << c.fb << " segment " << i;
    }
  }
}

TEST_F(ContourTest, NegativePartsOfTriangles) {
  frame(-1, 2, -1, 2);
  s_g2d.paintNegative = 1;
  GetIndPattern(&s_g2d.pattern, 0, 1);
  auto p = [](double x, double y) { return ContourTest::pixel(x, y); };
  struct Case {
    double fa, fb, fc;
    std::vector<Point> expected;
  } cases[] = {
      {-2, -1, 3, {p(0, 0), p(0, 0.4), p(0.75, 0.25), p(1, 0), p(0, 0)}},  // P1, A, B, P2
      {-1, 2, 3, {p(0, 0), p(0, 0.25), p(1.0 / 3, 0), p(0, 0)}},           // P1, A, B
      {-3, -2, -1, {p(0, 0), p(1, 0), p(0, 1), p(0, 0)}},                  // whole
      {-1, 0, 0, {p(0, 0), p(0, 1), p(1, 0), p(1, 0), p(0, 0)}},           // fb = fc = 0: B is P2
      {0, 0, 0, {p(0, 0), p(0, 0), p(1, 0), p(1, 0), p(0, 0)}},
      {0.5, 1, 2, {}},
  };
  for (const Case& c : cases) {
    polygons().clear();
    PaintNegativeTriangle(0, 0, 1, 0, 0, 1, c.fa, c.fb, c.fc);
    if (c.expected.empty()) {
      EXPECT_TRUE(polygons().empty());
      continue;
    }
    ASSERT_EQ(polygons().size(), 1u) << c.fa << " " << c.fb << " " << c.fc;
    const auto& got = polygons()[0];
    ASSERT_EQ(got.size(), c.expected.size()) << c.fa << " " << c.fb << " " << c.fc;
    for (size_t i = 0; i < got.size(); ++i)
      EXPECT_TRUE(samePoint(got[i], c.expected[i])) << c.fa << " " << c.fb << " " << c.fc << " point " << i;
  }
}

// Each level gets one number per pass, and the same place on every redraw.
TEST_F(ContourTest, LevelNumbersOncePerLevelAtTheSamePlaceOnRedraw) {
  frame(0, 1, 0, 1);
  SetGraph2DFunction(fx);
  SetGraph2DDXYF(0.1, 0.1, 0.25);
  s_g2d.labelsInterval = 0.1;
  std::vector<graphtest::TextCall> passes[2];
  for (auto& pass : passes) {
    graphtest::texts().clear();
    SG2DResetArray();
    Graph2DInitArray();
    ASSERT_TRUE(s_Graph2DContourPass(0));
    pass = graphtest::texts();
  }
  std::set<std::string> numbers;
  for (const auto& t : passes[0]) EXPECT_TRUE(numbers.insert(t.text).second) << t.text << " written twice";
  for (const char* level : {"0.25", "0.50", "0.75"}) EXPECT_EQ(numbers.count(level), 1u) << level;
  ASSERT_EQ(passes[0].size(), passes[1].size());
  for (size_t i = 0; i < passes[0].size(); ++i) {
    EXPECT_EQ(passes[0][i].text, passes[1][i].text);
    EXPECT_EQ(passes[0][i].h, passes[1][i].h);
    EXPECT_EQ(passes[0][i].v, passes[1][i].v);
  }
}

TEST_F(ContourTest, LevelRangeAndTable) {
  frame(0, 1, 0, 1);
  SetGraph2DDXYF(0.25, 0.25, 0.1);
  struct Case {
    Graph2DFunc f;
    double levelMin, levelMax;
    int levelNumber;
  } cases[] = {
      {fNaN, -100, 100, 2000},    // nothing sampled: the bounds (cut to df times them), not stale values
      {fSteep, 0, 100, 1000},     // upper bound hit, then the table cut to df times the bounds
      {fPlane, 0, 5, 50},
  };
  for (const Case& c : cases) {
    SetGraph2DFunction(c.f);
    s_Graph2DForgetLevels();
    SG2DResetArray();
    EXPECT_NEAR(s_g2d.levelMin, c.levelMin, 1e-9);
    EXPECT_NEAR(s_g2d.levelMax, c.levelMax, 1e-9);
    EXPECT_EQ(s_g2d.levelNumber, c.levelNumber);
  }
}

// The height under a click: rounded to df; for gridded data interpolated
// over the cell's triangle, which is exact for a plane.
TEST_F(ContourTest, ExtraLabelHeightsAndText) {
  frame(0, 1, 0, 1);
  s_g2d.df = 0.1;
  SetGraph2DFunction(fConstant);
  s_g.spreadsheetData = 0;
  for (auto c : {std::make_pair(0.2499, 0.2), {0.25, 0.3}, {-0.26, -0.3}, {0.04999, 0.0}}) {
    g_value = c.first;
    EXPECT_NEAR(Graph2DHeight(100, 100), c.second, 1e-12) << c.first;
  }
  s_g.spreadsheetData = 1;
  SetGraph2DFunction(fPlane);
  SetGraph2DDXYF(0.1, 0.1, 0.01);
  for (short h : {53, 77, 128, 201, 349})
    for (short v : {52, 170, 233, 347}) {
      double x = Plot2DReverseX(h), y = Plot2DReverseY(v);
      EXPECT_NEAR(Graph2DHeight(h, v), std::floor(fPlane(x, y) / 0.01 + 0.5) * 0.01, 1e-9) << h << "," << v;
    }

  s_g2d.extraX = MakeArrayInt1(1), s_g2d.extraY = MakeArrayInt1(1), s_g2d.extraValue = MakeArrayDouble1(1);
  s_g2d.extraX[0] = 120, s_g2d.extraY[0] = 90, s_g2d.extraValue[0] = 0.3;
  graphtest::texts().clear();
  ExtraHeightDraw(0);
  ASSERT_EQ(graphtest::texts().size(), 1u);
  EXPECT_EQ(graphtest::texts()[0].text, "0.30");
  EXPECT_EQ(graphtest::texts()[0].h, 112);
  EXPECT_EQ(graphtest::texts()[0].v, 94);
  FreeArrayInt1(s_g2d.extraX), FreeArrayInt1(s_g2d.extraY), FreeArrayDouble1(s_g2d.extraValue);
}
