// Contour tracing on an offscreen drawing, recording every line by its two
// pixel ends and every filled polygon by its points: whole passes, single
// triangles, negative shading, level numbers, level range, label heights.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "tests/vok/graph/graph_fixture.h"

static bool operator==(Point a, Point b) { return a.h == b.h && a.v == b.v; }

namespace {
std::vector<Point> g_lines;  // the two ends of every line
std::vector<std::vector<Point>> g_polygons;
double g_value = 0;

void recordLine(Point to) {
  g_lines.insert(g_lines.end(), {GetQDPort()->pnLoc, to});
  s_CustomLine(to);
}
void recordPoly(GrafVerb verb, PolyHandle poly) {
  if (verb == kQDGrafVerbFill) g_polygons.emplace_back((*poly)->polyPoints, (*poly)->polyPoints + PolyPointCount(poly));
  s_CustomPoly(verb, poly);
}
double fx(double x, double) { return x; }
double fConstant(double, double) { return g_value; }

Point px(double x, double y) { return Point{short(Plot2DTransY(y)), short(Plot2DTransX(x))}; }

class ContourTest : public graphtest::GraphTest {
 protected:
  plottest::Restore<Graph2DSettings> savedG2D{&s_g2d};
  void SetUp() override {
    GraphTest::SetUp();
    s_Graph2DForgetLevels();
    g_lines.clear(), g_polygons.clear();
    window(400, 400);
    textRecorder.lineProc = recordLine, textRecorder.polyProc = recordPoly;
    SetPortGrafProcs(world, &textRecorder);
    s_g.left = 50, s_g.bottom = 50, s_g.width = 300, s_g.height = 300;
    s_g.minFrameX = s_g.minFrameY = 0, s_g.maxFrameX = s_g.maxFrameY = 1;
    s_GraphSetTransform();
    SetGraph2DFunction(fx);
  }
};
}  // namespace

// f = x: only vertical segments, one line per multiple of df, evenly
// spaced, each spanning the frame's height.
TEST_F(ContourTest, LinearFunctionGivesEvenlySpacedVerticalLines) {
  SetGraph2DDXYF(0.5, 0.5, 0.25);
  s_g2d.contourLabel = 0;
  ASSERT_TRUE(s_Graph2DContourPass(0));
  std::map<short, std::set<short>> ends;  // h -> v of the segment ends
  for (size_t i = 0; i < g_lines.size(); i += 2) {
    ASSERT_EQ(g_lines[i].h, g_lines[i + 1].h) << "not vertical";
    ends[g_lines[i].h].insert({g_lines[i].v, g_lines[i + 1].v});
  }
  ASSERT_EQ(ends.size(), 5u);
  int i = 0;
  for (const auto& line : ends)
    EXPECT_TRUE(line.first == Plot2DTransX(0.25 * i++) && *line.second.begin() == Plot2DTransY(1) &&
                *line.second.rbegin() == Plot2DTransY(0))
        << line.first;
}

// Triangle P1 (0, 0), P2 (1, 0), P3 (0, 1) with sorted values.
TEST_F(ContourTest, TriangleSegmentsAndNegativeParts) {
  struct Case {
    int onlyZero;
    double df, fa, fb, fc;
    std::vector<Point> lines, fill;  // the segments' ends; or the shaded polygon
  } cases[] = {
      {1, .1, -1, 1, 2, {px(.5, 0), px(0, 1. / 3)}, {}},
      {1, .1, -1, 0, 2, {px(1, 0), px(0, 1. / 3), px(1, 0), px(0, 1. / 3)}, {}},  // zero = fb: drawn by both halves
      {0, .25, .3, .3, .3, {}, {}},
      {0, .5, 0, .5, 1, {px(0, 0), px(0, 0), px(1, 0), px(0, .5), px(1, 0), px(0, .5), px(0, 1), px(0, 1)}, {}},
      {0, 9, -2, -1, 3, {}, {px(0, 0), px(0, .4), px(.75, .25), px(1, 0), px(0, 0)}},
      {0, 9, -1, 2, 3, {}, {px(0, 0), px(0, .25), px(1. / 3, 0), px(0, 0)}},
      {0, 9, -3, -2, -1, {}, {px(0, 0), px(1, 0), px(0, 1), px(0, 0)}},
      {0, 9, -1, 0, 0, {}, {px(0, 0), px(0, 1), px(1, 0), px(1, 0), px(0, 0)}},  // fb = fc = 0: B is P2
  };
  s_g2d.contourLabel = 0, s_g2d.paintNegative = 1;
  for (const Case& c : cases) {
    g_lines.clear(), g_polygons.clear(), s_g2d.onlyZero = c.onlyZero, s_g2d.df = c.df;
    if (c.fill.empty())
      LevelLineTriangle(0, 0, 1, 0, 0, 1, c.fa, c.fb, c.fc);
    else
      PaintNegativeTriangle(0, 0, 1, 0, 0, 1, c.fa, c.fb, c.fc);
    EXPECT_TRUE(c.fill.empty() ? g_lines == c.lines : g_polygons.size() == 1 && g_polygons[0] == c.fill)
        << c.fa << " " << c.fb << " " << c.fc;
  }
}

// Each level gets one number per pass, at the same place on every redraw;
// the level range they are counted in.
TEST_F(ContourTest, LevelNumbersOncePerLevelAtTheSamePlaceOnRedraw) {
  SetGraph2DDXYF(0.1, 0.1, 0.25);
  s_g2d.labelsInterval = 0.1;
  std::vector<std::string> passes[2];
  for (auto& pass : passes) {
    graphtest::texts().clear();
    SG2DResetArray();
    Graph2DInitArray();
    ASSERT_TRUE(s_Graph2DContourPass(0));
    for (const auto& t : graphtest::texts())
      pass.push_back(t.text + "@" + std::to_string(t.h) + "," + std::to_string(t.v));
  }
  std::set<std::string> numbers;
  for (const auto& t : passes[0]) EXPECT_TRUE(numbers.insert(t.substr(0, t.find('@'))).second) << t;
  for (const char* level : {"0.25", "0.50", "0.75"}) EXPECT_EQ(numbers.count(level), 1u) << level;
  EXPECT_EQ(passes[0], passes[1]);

  // Nothing sampled is a number: the bounds are the range, not stale values.
  SetGraph2DFunction([](double, double) { return double(NAN); });
  s_Graph2DForgetLevels();
  SG2DResetArray();
  EXPECT_TRUE(s_g2d.levelMin == -250 && s_g2d.levelMax == 250) << s_g2d.levelMin;  // df times the bounds
}

TEST_F(ContourTest, ExtraLabelHeightsRoundToDf) {
  SetGraph2DFunction(fConstant);
  for (auto c : {std::make_pair(0.2499, 0.2), {0.25, 0.3}, {-0.26, -0.3}, {0.04999, 0.0}}) {
    g_value = c.first;
    EXPECT_NEAR(Graph2DHeight(100, 100), c.second, 1e-12) << c.first;
  }
}
