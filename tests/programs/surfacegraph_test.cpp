// surfacegraph and a program's own surface, end to end: the real programs
// run headless in a scratch folder, driven by scripts as a user would.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/headless.h"
#include "tests/support/vok_ink.h"
#include "tests/support/vok_scripts.h"

using vtest::epsPass;
using vtest::has;
using vtest::kExitGraph;

// View and light set in the dialog; Ghostscript's render of the pass's EPS
// shows what the screen showed (glyphs and edges aside).
TEST(SurfaceGraph, DialogViewAndLightThenEPSMatchesTheScreen) {
  VTEST_REQUIRE(vtest::haveGhostscript() && vtest::haveTool("pngtopnm"), "gs or netpbm");
  std::string dir = vtest::scratchDir("surfacegraph-eps"), log;
  std::string view = "field \"Angle XY\" 120\nfield \"Angle Z\" 45\nfield \"Light XY Angle\" 30\n"
                     "field \"Light Z Angle\" 40\nfield \"Shadow Blue\" 40\ncheck \"Glid\" off\n";
  vtest::RunResult r = vtest::runHeadlessIn(dir, vtest::programPath("surfacegraph"),
                                            view + epsPass("s.eps", "s.png") + kExitGraph,
                                            {"", vtest::sourceDir() + "/examples/grid.tsv"});
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  vtest::Image gs, screen;
  ASSERT_TRUE(vtest::gsRender(dir + "/s.eps", &gs, &log)) << log;
  ASSERT_TRUE(vtest::readPNG(dir + "/s.png", &screen));
  int left = screen.width, top = screen.height, blue = 0, best = gs.width * gs.height;
  for (int y = 60; y < screen.height; ++y)  // the first ink below the title bars
    for (int x = 0; x < screen.width; ++x)
      if (screen.at(x, y) != 0xFFFFFF) left = std::min(left, x), top = std::min(top, y);
  ASSERT_LE(left + gs.width, screen.width);
  for (int d = 0; d < 9; ++d) {  // Ghostscript's box may start a pixel off our first ink
    int differ = 0;
    for (int y = 0; y < gs.height; ++y)
      for (int x = 0; x < gs.width; ++x) {
        uint32_t a = screen.at(left + d % 3 - 1 + x, top + d / 3 - 1 + y), b = gs.at(x, y);
        differ += std::abs(int(a & 255) - int(b & 255)) > 8 || std::abs(int(a >> 16) - int(b >> 16)) > 8;
        blue += d == 4 && (a & 255) != a >> 16;
      }
    best = std::min(best, differ);
  }
  EXPECT_LT(best, gs.width * gs.height / 50);
  EXPECT_GT(blue, 5000) << "the surface shaded towards the blue shadow";
}

// The example program draws its own function and colour procedure; ranges
// and cell sizes that cannot be drawn are refused and the previous ones kept.
TEST(SurfaceFunction, OwnFunctionAndRefusedSettings) {
  std::string dir = vtest::scratchDir("surface-function"), refused = "press \"OK\"\npress \"OK\"\nclick 600 400\n";
  vtest::RunResult r = vtest::runHeadlessIn(
      dir, vtest::programPath("surface_function", true),
      epsPass("own.eps") + "field \"X Max\" 0\n" + refused + "check \"Use Resolution\" off\nfield \"X Increment\" 1e-9\n" +
          refused + "check \"Use Resolution\" on\nfield \"X Resolustion\" -1\n" + refused +
          "press \"Save Params\"\nsaveas \"after.param\"\n" + kExitGraph);
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_TRUE(has(r.err, "alert: Error in SG3DSetting: X Min 0 is not below X Max 0; the previous range is kept"));
  EXPECT_TRUE(has(r.err, "alert: Error in SG3DSetting: X Increment 1e-09 and Y Increment 1e-09 must be positive"));
  std::string params = vtest::readFile(dir + "/after.param");
  EXPECT_TRUE(has(params, "\"X Max\"\tdoubleType\t1.0") && has(params, "\"X Resolustion\"\tdoubleType\t5.0")) << params;
  EXPECT_TRUE(has(vtest::readFile(dir + "/own.eps"), "0.699992 0.800000 1.000000 setrgbcolor")) << "its low ground";
  r = vtest::runHeadlessIn(dir, "frame_prog", "press \"OK\"\n", {"VOK_TEST_MODE=nofunction"});
  EXPECT_TRUE(r.status != 0 && has(r.out + r.err, "Error in Graph3DF: No function")) << r.out << r.err;
}
