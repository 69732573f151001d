// The framed-graph demo driven by a headless script: its screen snapshots
// (decoded by netpbm) show frame, grid, numbers, labels and title, then the
// graph magnified by a mouse drag after "Magnify" and halved after "Shrink
// Half", both pressed in the graph's Parameters dialog.
#include <gtest/gtest.h>

#include "tests/platform/wm/screen_image.h"
#include "tests/support/headless.h"
#include "tests/vok/graph/graph_screen.h"

TEST(GraphDemo, ScriptedPassesMagnifyAndShrinkHalf) {
  VTEST_REQUIRE(vtest::haveTool("pngtopnm"), "pngtopnm (netpbm)");
  vtest::ProgRun run = vtest::runHeadless("graph-demo", "graph_frame_prog",
                   "snapshot \"plain.png\"\n"
                   "click 700 700\n"
                   "press \"Magnify\"\n"
                   "drag 145 190 295 310\n"  // local (135, 140) ... (285, 260): x 1 ... 3, y -0.5 ... 0.5
                   "press #1\n"
                   "snapshot \"magnified.png\"\n"
                   "click 700 700\n"
                   "press \"Shrink Half\"\n"
                   "press #1\n"
                   "snapshot \"shrunk.png\"\n"
                   "click 700 700\n"
                   "check \"Exit Graph\" on\n"
                   "press #1\n");
  const vtest::RunResult& r = run.result;
  const std::string& dir = run.dir;
  ASSERT_EQ(r.status, 0) << r.err << r.out;
  EXPECT_EQ(r.err,
            "item \"Magnify\" 425 168\n"
            "item \"Shrink Half\" 425 192\n"
            "item \"Exit Graph\" 385 216\n"
            "item \"OK\" 780 495\n"
            "pass 1 x -0.8000 5.2000 y -1.3333 1.6667\n"
            "dialog 1\n"
            "pass 2 x 1.0000 3.0000 y -0.5000 0.5000\n"
            "dialog 2\n"
            "pass 3 x 0.0000 4.0000 y -1.0000 1.0000\n"
            "dialog 3\n"
            "done\n");

  vtest::Image img;
  ASSERT_TRUE(vtest::readPNMVia("pngtopnm " + dir + "/plain.png", &img));
  graphtest::expectFramedGraph(img, 10, 50);

  ASSERT_TRUE(vtest::readPNMVia("pngtopnm " + dir + "/magnified.png", &img));
  graphtest::expectMagnified(img, 10, 50);

  ASSERT_TRUE(vtest::readPNMVia("pngtopnm " + dir + "/shrunk.png", &img));
  graphtest::expectShrunk(img, 10, 50);
}
