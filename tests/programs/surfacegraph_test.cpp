// surfacegraph and a calculation program's own surface, end to end: the real
// programs run headless in a scratch folder, driven by scripts as a user
// would drive them; the EPS is read and rendered by Ghostscript.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "tests/support/ghostscript.h"
#include "tests/support/paths.h"

namespace {
vtest::RunResult runIn(const std::string& dir, const std::string& program, const std::string& script,
                       const std::string& args = "") {
  vtest::writeFile(dir + "/script", script);
  return vtest::run("cd '" + dir + "' && HOME='" + dir + "' VOK_DISPLAY=headless VOK_SCRIPT=script '" + program +
                    "' " + args);
}

std::string surfacegraph() { return vtest::binaryDir() + "/programs/surfacegraph"; }
std::string surfaceFunction() { return vtest::binaryDir() + "/examples/surface_function"; }
std::string gridFile() { return "'" + vtest::sourceDir() + "/examples/grid.tsv'"; }
bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

int gap(uint32_t a, uint32_t b) {
  int g = 0;
  for (int s = 0; s < 24; s += 8) g = std::max(g, std::abs(int((a >> s) & 255) - int((b >> s) & 255)));
  return g;
}

// The first non-white row and column of the screen below the title bars.
void inkOrigin(const vtest::Image& img, int* left, int* top) {
  *left = img.width, *top = img.height;
  for (int y = 60; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x)
      if ((img.at(x, y) & 0xFFFFFF) != 0xFFFFFF) *left = std::min(*left, x), *top = std::min(*top, y);
}

const char* kExit = "check \"Exit Graph\" on\npress \"OK\"\n";
}  // namespace

// View and light changed in the dialog; the EPS of that pass, rendered by
// Ghostscript, shows what the screen showed.
TEST(SurfaceGraph, DialogViewAndLightThenEPSMatchesTheScreen) {
  VTEST_REQUIRE(vtest::haveGhostscript(), "gs");
  VTEST_REQUIRE(vtest::haveTool("pngtopnm"), "netpbm");
  std::string dir = vtest::scratchDir("surfacegraph-eps");
  vtest::RunResult r = runIn(dir, surfacegraph(),
                             "field \"Angle XY\" 120\n"
                             "field \"Angle Z\" 45\n"
                             "field \"Light XY Angle\" 30\n"
                             "field \"Light Z Angle\" 40\n"
                             "field \"Shadow Blue\" 40\n"
                             "check \"Glid\" off\n"
                             "check \"EPS Save Graph\" on\n"
                             "press \"OK\"\n"
                             "saveas \"surface.eps\"\n"
                             "snapshot \"screen.png\"\n"
                             "click 600 400\n" +
                                 std::string(kExit),
                             gridFile());
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  std::string eps = dir + "/surface.eps", log;
  ASSERT_TRUE(vtest::gsParses(eps, &log)) << log;
  vtest::Image rendered, screen;
  ASSERT_TRUE(vtest::gsRender(eps, &rendered, &log)) << log;
  vtest::run("pngtopnm '" + dir + "/screen.png' > '" + dir + "/screen.ppm'");
  ASSERT_TRUE(vtest::readPPM(dir + "/screen.ppm", &screen));
  int left, top;
  inkOrigin(screen, &left, &top);
  ASSERT_LT(left + rendered.width, screen.width + 1);
  ASSERT_LT(top + rendered.height, screen.height + 1);
  // The box Ghostscript crops to may start a pixel before our first ink.
  int differ = rendered.width * rendered.height, coloured = 0;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      int n = 0;
      for (int y = 0; y < rendered.height; ++y)
        for (int x = 0; x < rendered.width; ++x) n += gap(screen.at(left + dx + x, top + dy + y), rendered.at(x, y)) > 8;
      differ = std::min(differ, n);
    }
  for (int y = 0; y < rendered.height; ++y)
    for (int x = 0; x < rendered.width; ++x) {
      uint32_t ours = screen.at(left + x, top + y);
      coloured += (ours & 0xFF) != ((ours >> 16) & 0xFF);  // the blue-tinted shadow
    }
  // Ghostscript paints every pixel a shape touches: edges and glyphs differ.
  EXPECT_LT(differ, rendered.width * rendered.height / 50) << "of " << rendered.width << " x " << rendered.height;
  EXPECT_GT(coloured, 5000) << "the shaded surface in the shadow colour";
}

// Printing wins over saving a picture: only the two printing dialogs come,
// no save dialog (the script would not fit it and the run would fail).
TEST(SurfaceGraph, PrintingWinsOverSavingInOnePass) {
  std::string dir = vtest::scratchDir("surfacegraph-print");
  vtest::RunResult r = runIn(dir, surfacegraph(),
                             "check \"Print Graph\" on\n"
                             "check \"Save Graph\" on\n"
                             "press \"OK\"\n"
                             "cancel\n"
                             "cancel\n"
                             "click 600 400\n" +
                                 std::string(kExit),
                             gridFile());
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_EQ(vtest::regularFiles(dir), 1) << "only the script";
}

// A program's own function and colour procedure; mistyped ranges and cell
// sizes are refused with a message, the previous values stay and the run goes on.
TEST(SurfaceFunction, DrawsItsFunctionAndRefusesRangesAndCellSizesThatCannotBeDrawn) {
  std::string dir = vtest::scratchDir("surface-function");
  std::string refusedPass = "press \"OK\"\npress \"OK\"\nclick 600 400\n";  // the alert, then the drawing
  vtest::RunResult r = runIn(dir, surfaceFunction(),
                             "check \"EPS Save Graph\" on\n"
                             "press \"OK\"\n"
                             "saveas \"own.eps\"\n"
                             "click 600 400\n"
                             "check \"EPS Save Graph\" off\n"
                             "field \"X Max\" 0\n" +
                                 refusedPass + "field \"Y Min\" 2\n" + refusedPass +
                                 "check \"Use Resolution\" off\n"
                                 "field \"X Increment\" 0\n" +
                                 refusedPass + "field \"X Increment\" 1e-9\n" + refusedPass +
                                 "check \"Use Resolution\" on\n"
                                 "field \"X Resolustion\" -1\n" +
                                 refusedPass +
                                 "press \"Save Params\"\n"
                                 "saveas \"after.param\"\n" +
                                 kExit);
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_TRUE(has(r.err, "alert: Error in SG3DSetting: X Min 0 is not below X Max 0; the previous range is kept"))
      << r.err;
  EXPECT_TRUE(has(r.err, "alert: Error in SG3DSetting: Y Min 2 is not below Y Max 1")) << r.err;
  EXPECT_TRUE(has(r.err, "alert: Error in SG3DSetting: X Increment 1e-09 and Y Increment 1e-09 must be positive"))
      << r.err;
  std::string params = vtest::readFile(dir + "/after.param");
  for (const char* kept : {"\"X Max\"\tdoubleType\t1.000000", "\"Y Min\"\tdoubleType\t0.000000",
                           "\"X Resolustion\"\tdoubleType\t5.000000", "\"Use Resolution\"\tflagType\t1"})
    EXPECT_TRUE(has(params, kept)) << kept << "\n" << params;
  if (vtest::haveGhostscript()) {
    std::string log;
    EXPECT_TRUE(vtest::gsParses(dir + "/own.eps", &log)) << log;
  }
  EXPECT_TRUE(has(vtest::readFile(dir + "/own.eps"), "0.699992 0.800000 1.000000 setrgbcolor"))
      << "the colour procedure's low ground";
}

TEST(SurfaceFunction, WithoutAFunctionTheGraphStopsWithAMessage) {
  std::string dir = vtest::scratchDir("surface-nofunction");
  vtest::RunResult r = runIn(dir, vtest::progPath("no_function_prog"), "press \"OK\"\n");
  EXPECT_NE(r.status, 0);
  EXPECT_TRUE(has(r.out + r.err, "Error in Graph3DF: No function")) << r.out << r.err;
}
