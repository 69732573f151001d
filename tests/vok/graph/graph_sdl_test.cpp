// The framed-graph demo in a real X server on the SDL display, worked with
// the real mouse: the graph on screen, then "Magnify" clicked in the dialog
// with a dragged rectangle, then "Shrink Half", then "Exit Graph".
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/platform/wm/screen_image.h"
#include "tests/support/paths.h"
#include "tests/vok/graph/graph_screen.h"

TEST(GraphSDL, MagnifyByDragAndShrinkHalfWithTheRealMouse) {
#if !VOK_HAVE_SDL
  if (vtest::inCI()) FAIL() << "this build has no SDL display";
  GTEST_SKIP() << "this build has no SDL display";
#endif
  for (const char* tool : {"xvfb-run", "xdotool", "xwd", "xwdtopnm"}) {
    if (vtest::haveTool(tool)) continue;
    if (vtest::inCI()) FAIL() << tool << " is missing (scripts/deps installs it)";
    GTEST_SKIP() << tool << " is missing";
  }
  std::string dir = vtest::scratchDir("graph-sdl");
  vtest::RunResult r = vtest::run("env -u DISPLAY -u WAYLAND_DISPLAY xvfb-run -a -s '-screen 0 1280x1024x24' bash " +
                                  vtest::sourceDir() + "/tests/vok/graph/graph_sdl.sh " + dir + " " +
                                  vtest::progPath("graph_frame_prog"));
  std::string steps = vtest::readFile(dir + "/steps.txt");
  std::string err = vtest::readFile(dir + "/demo.err");
  SCOPED_TRACE("steps:\n" + steps + "\nerr:\n" + err + "\nxvfb-run: " + r.err);
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(steps.find("timeout"), std::string::npos);
  EXPECT_EQ(steps.find("did not end"), std::string::npos);
  EXPECT_NE(steps.find("status 0"), std::string::npos);
  EXPECT_NE(err.find("pass 2 x 1.0000 3.0000 y -0.5000 0.5000\n"), std::string::npos);
  EXPECT_NE(err.find("pass 3 x 0.0000 4.0000 y -1.0000 1.0000\ndialog 3\ndone\n"), std::string::npos);
  int x = 0, y = 0, w = 0, h = 0;
  ASSERT_EQ(std::sscanf(steps.c_str(), "geometry %d %d %d %d", &x, &y, &w, &h), 4);
  ASSERT_EQ(w, 1024);  // the virtual screen at its own size

  vtest::Image img;
  ASSERT_TRUE(vtest::readPNMVia("cat " + dir + "/plain.ppm", &img));
  graphtest::expectFramedGraph(img, x + 10, y + 50);
  ASSERT_TRUE(vtest::readPNMVia("cat " + dir + "/magnified.ppm", &img));
  graphtest::expectMagnified(img, x + 10, y + 50);
  ASSERT_TRUE(vtest::readPNMVia("cat " + dir + "/shrunk.ppm", &img));
  graphtest::expectShrunk(img, x + 10, y + 50);
}
