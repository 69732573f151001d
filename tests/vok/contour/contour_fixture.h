// Contour tests draw on an offscreen world through the graph fixture's
// bottlenecks, recording every line as its two pixel ends and every filled
// polygon as its points; the contour settings go back to their defaults.
#pragma once
#include <vector>

#include "tests/vok/graph/graph_fixture.h"

namespace contourtest {

struct Segment {
  Point from, to;
};

inline std::vector<Segment>& segments() {
  static std::vector<Segment> all;
  return all;
}
inline std::vector<std::vector<Point>>& polygons() {
  static std::vector<std::vector<Point>> all;
  return all;
}

inline void recordLine(Point to) {
  segments().push_back({GetQDPort()->pnLoc, to});
  s_CustomLine(to);
}
inline void recordPoly(GrafVerb verb, PolyHandle poly) {
  if (verb == kQDGrafVerbFill) polygons().emplace_back((*poly)->polyPoints, (*poly)->polyPoints + PolyPointCount(poly));
  s_CustomPoly(verb, poly);
}

class ContourTest : public graphtest::GraphTest {
 protected:
  Graph2DSettings savedG2D;
  void SetUp() override {
    GraphTest::SetUp();
    savedG2D = s_g2d;
    s_Graph2DForgetLevels();
    segments().clear();
    polygons().clear();
    window(400, 400);
    recorder.lineProc = recordLine;
    recorder.polyProc = recordPoly;
    SetPortGrafProcs(world, &recorder);
    s_PenMode(patOr);
  }
  void TearDown() override {
    s_g2d = savedG2D;
    s_Graph2DForgetLevels();
    GraphTest::TearDown();
  }
  // The frame [x0, x1] x [y0, y1] on 300 x 300 pixels, 50 from the left and the bottom.
  static void frame(double x0, double x1, double y0, double y1) {
    s_g.minFrameX = x0, s_g.maxFrameX = x1, s_g.minFrameY = y0, s_g.maxFrameY = y1;
    s_g.left = 50, s_g.bottom = 50, s_g.width = 300, s_g.height = 300;
    loopTransform();
  }
  static Point pixel(double x, double y) { return Point{short(Plot2DTransY(y)), short(Plot2DTransX(x))}; }
};

}  // namespace contourtest
