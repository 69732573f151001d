// The demo in a real X server on the SDL display: the text and drawing
// windows where the start-up puts them, the drawing on screen, and a real
// click ending the Stop.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/platform/wm/screen_image.h"
#include "tests/support/paths.h"

TEST(FrameSDL, DemoShowsItsWindowsAndARealClickEndsTheStop) {
#if !VOK_HAVE_SDL
  if (vtest::inCI()) FAIL() << "this build has no SDL display";
  GTEST_SKIP() << "this build has no SDL display";
#endif
  for (const char* tool : {"xvfb-run", "xdotool", "xwd", "xwdtopnm"}) VTEST_REQUIRE(vtest::haveTool(tool), tool);
  std::string dir = vtest::scratchDir("frame-sdl-demo");
  vtest::RunResult r = vtest::run("env -u DISPLAY -u WAYLAND_DISPLAY xvfb-run -a -s '-screen 0 1280x1024x24' bash " +
                                  vtest::sourceDir() + "/tests/vok/frame/sdl_demo.sh " + dir + " " +
                                  vtest::progPath("frame_prog"));
  std::string steps = vtest::readFile(dir + "/steps.txt");
  std::string out = vtest::readFile(dir + "/demo.out");
  SCOPED_TRACE("steps:\n" + steps + "\nout:\n" + out + vtest::readFile(dir + "/demo.err") + "\nxvfb-run: " + r.err);
  ASSERT_EQ(r.status, 0);
  int x = 0, y = 0, w = 0, h = 0;
  ASSERT_EQ(std::sscanf(steps.c_str(), "geometry %d %d %d %d", &x, &y, &w, &h), 4);
  EXPECT_EQ(w, 1024);
  EXPECT_EQ(h, 768);
  EXPECT_TRUE(steps.find("status 0") != std::string::npos);
  EXPECT_EQ(steps.find("ended before"), std::string::npos);
  EXPECT_EQ(steps.find("did not end"), std::string::npos);
  EXPECT_TRUE(out.find("@done") != std::string::npos);
  EXPECT_EQ(out.find("console line"), std::string::npos);  // no echo: a person sees the window

  vtest::Image img;
  ASSERT_TRUE(vtest::readPNMVia("cat " + dir + "/screen.ppm", &img));
  // The drawing window's content starts at (250, 23); the frame rectangle is
  // at (40, 40)-(340, 240) in it, the diagonal runs from its bottom left.
  EXPECT_EQ(img.at(x + 290, y + 63), 0x000000u);   // frame corner
  EXPECT_EQ(img.at(x + 589, y + 262), 0x000000u);  // opposite corner
  EXPECT_EQ(img.at(x + 590, y + 263), 0xFFFFFFu);  // just outside
  EXPECT_EQ(img.at(x + 500, y + 230), 0xFFFFFFu);  // inside, off the diagonal
  // Text window left of it, with "console line" below two empty lines.
  int ink = 0;
  for (int v = y + 23 + 26; v < y + 23 + 40; ++v)
    for (int u = x + 4; u < x + 100; ++u) ink += img.at(u, v) == 0x000000u;
  EXPECT_GT(ink, 30);
}
