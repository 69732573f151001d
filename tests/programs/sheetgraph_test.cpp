// sheetgraph end to end: the real program, run headless in a scratch folder
// and driven by scripts as a user would drive it; its EPS output is read by
// Ghostscript.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "tests/support/ghostscript.h"
#include "tests/support/headless.h"

namespace {
using vtest::has;
std::string program() { return vtest::binaryDir() + "/programs/sheetgraph"; }

// Runs sheetgraph in the folder `dir` (kept between runs of one test) with
// the script and the documents `args`; HOME is the folder too.
vtest::RunResult runIn(const std::string& dir, const std::string& script, const std::string& args = "") {
  return vtest::runHeadlessIn(dir, program(), script, {"", args});
}


std::string examples() { return vtest::sourceDir() + "/examples"; }

// The corner numbers are drawn as text, so the EPS carries them as strings.
bool showsNumber(const std::string& eps, const std::string& number) {
  return has(vtest::readFile(eps), "(" + number + ")");
}


// A parameter file without its command lines, whose values are procedure
// addresses of the run that wrote them.
std::string settings(const std::string& file) {
  std::string out;
  size_t at = 0;
  while (at < file.size()) {
    size_t end = file.find('\n', at);
    if (end == std::string::npos) end = file.size();
    std::string line = file.substr(at, end - at);
    if (line.find("\tdoType\t") == std::string::npos) out += line + "\n";
    at = end + 1;
  }
  return out;
}

const char* kExit = "check \"Exit Graph\" on\npress \"OK\"\n";
}  // namespace

TEST(SheetGraph, EditsFrameSavesEPSAndParametersThenLoadsThemInANewRun) {
  std::string dir = vtest::scratchDir("sheetgraph-edit");
  std::string data = "'" + examples() + "/damped.tsv'";
  vtest::RunResult r = runIn(dir,
                             "field \"Min Frame X\" 2\n"
                             "field \"Max Frame X\" 7.5\n"
                             "field \"Min Frame Y\" -2\n"
                             "field \"Max Frame Y\" 3\n"
                             "field \"X Label\" \"time t_0\"\n"
                             "check \"EPS Save Graph\" on\n"
                             "press \"OK\"\n"
                             "saveas \"graph.eps\"\n"
                             "click 600 400\n"
                             "check \"EPS Save Graph\" off\n"
                             "press \"Save Params\"\n"
                             "saveas \"graph.param\"\n" +
                                 std::string(kExit),
                             data);
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  vtest::expectGoodEPS(dir + "/graph.eps");
  EXPECT_TRUE(showsNumber(dir + "/graph.eps", "2.0"));
  EXPECT_TRUE(showsNumber(dir + "/graph.eps", "7.5"));
  EXPECT_TRUE(showsNumber(dir + "/graph.eps", "-2.0"));
  std::string params = vtest::readFile(dir + "/graph.param");
  EXPECT_TRUE(has(params, "\"Max Frame X\"\tdoubleType\t7.5")) << params;
  EXPECT_TRUE(has(params, "\"X Label\"\tstringType\ttime t_0")) << params;

  // A new run starts from the data's own range; loading the file restores ours.
  r = runIn(dir,
            "check \"EPS Save Graph\" on\n"
            "press \"OK\"\n"
            "saveas \"fresh.eps\"\n"
            "click 600 400\n"
            "press \"Load Params\"\n"
            "choose \"graph.param\"\n"
            "check \"EPS Save Graph\" on\n"
            "press \"OK\"\n"
            "saveas \"loaded.eps\"\n"
            "click 600 400\n"
            "check \"EPS Save Graph\" off\n"
            "press \"Save Params\"\n"
            "saveas \"again.param\"\n" +
                std::string(kExit),
            data);
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_FALSE(showsNumber(dir + "/fresh.eps", "7.5"));
  EXPECT_TRUE(showsNumber(dir + "/loaded.eps", "7.5"));
  EXPECT_TRUE(showsNumber(dir + "/loaded.eps", "-2.0"));
  EXPECT_EQ(settings(vtest::readFile(dir + "/again.param")), settings(params)) << "every setting restored";
}

TEST(SheetGraph, LoadNewDataSwitchesFileAndFrameRange) {
  std::string dir = vtest::scratchDir("sheetgraph-newdata");
  vtest::RunResult r = runIn(dir,
                             "press \"Load New Data\"\n"
                             "choose \"" + examples() + "/grid.tsv\"\n"
                             "check \"EPS Save Graph\" on\n"
                             "press \"OK\"\n"
                             "saveas \"grid.eps\"\n"
                             "click 600 400\n" +
                                 std::string(kExit),
                             "'" + examples() + "/damped.tsv'");
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  vtest::expectGoodEPS(dir + "/grid.eps");
  EXPECT_TRUE(showsNumber(dir + "/grid.eps", "-2.0")) << "x range of grid.tsv starts at -2";
}

TEST(SheetGraph, WithoutDataTheGraphHasFrameAndLabelsOnly) {
  std::string dir = vtest::scratchDir("sheetgraph-nodata");
  // Cancelled open dialog.
  vtest::RunResult r = runIn(dir,
                             "cancel\n"
                             "check \"EPS Save Graph\" on\n"
                             "press \"OK\"\n"
                             "saveas \"empty.eps\"\n"
                             "click 600 400\n" +
                                 std::string(kExit));
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  vtest::expectGoodEPS(dir + "/empty.eps");
  EXPECT_TRUE(showsNumber(dir + "/empty.eps", "0.0"));
  EXPECT_TRUE(showsNumber(dir + "/empty.eps", "1.0"));

  // A missing and a malformed file: a message naming the file, then the same graph.
  vtest::writeFile(dir + "/binary.tsv", std::string("\x01\x02\x00\x7f\xff", 5));
  for (const char* name : {"missing.tsv", "binary.tsv"}) {
    r = runIn(dir,
              "cancel\n"
              "check \"EPS Save Graph\" on\n"
              "press \"OK\"\n"
              "saveas \"bad.eps\"\n"
              "click 600 400\n" +
                  std::string(kExit),
              name);
    ASSERT_EQ(r.status, 1) << name << r.out << r.err;  // the run goes on, and fails
    EXPECT_TRUE(has(r.out + r.err, name)) << r.out << r.err;
    vtest::expectGoodEPS(dir + "/bad.eps");
  }
}

TEST(SheetGraph, ExitOrQuitInTheFirstDialogWritesNothing) {
  std::string dir = vtest::scratchDir("sheetgraph-quit");
  std::string data = "'" + examples() + "/damped.tsv'";
  vtest::RunResult r = runIn(dir, "check \"EPS Save Graph\" on\n" + std::string(kExit), data);
  EXPECT_EQ(r.status, 0) << r.err;
  r = runIn(dir, "check \"EPS Save Graph\" on\npress \"Quit\"\n", data);
  EXPECT_EQ(r.status, 0) << r.err;
  std::string listing = vtest::run("ls -A '" + dir + "'").out;
  EXPECT_EQ(listing, "script\n") << listing;
}

// Series settings edited in the dialog go into the parameter file, and a
// fresh run that loads it writes the same file again.
TEST(SheetGraph, SeriesSettingsComeBackFromAParameterFile) {
  std::string dir = vtest::scratchDir("sheetgraph-series");
  std::string data = "'" + examples() + "/damped.tsv'";
  vtest::RunResult r = runIn(dir,
                             "field \"Pen 1 Width\" 4\n"
                             "field \"Data 1 Color\" 3\n"
                             "field \"Data Mark 2\" 2\n"
                             "field \"Mark 2 Radius\" 5\n"
                             "check \"No Line 2\" on\n"
                             "field \"Plot 1 Max\" 0.5\n"
                             "press \"Save Params\"\n"
                             "saveas \"series.param\"\n" +
                                 std::string(kExit),
                             data);
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  std::string params = vtest::readFile(dir + "/series.param");
  for (const char* line : {"\"Pen 1 Width\"\tdoubleType\t4.000000\n", "\"Data 1 Color\"\tintType\t3\n",
                           "\"Data Mark 2\"\tintType\t2\n", "\"Mark 2 Radius\"\tintType\t5\n",
                           "\"No Line 2\"\tflagType\t1\n", "\"Plot 1 Max\"\tdoubleType\t0.500000\n"})
    EXPECT_TRUE(has(params, line)) << line << params;

  r = runIn(dir, "press \"Load Params\"\nchoose \"series.param\"\npress \"Save Params\"\nsaveas \"again.param\"\n" +
                     std::string(kExit),
            data);
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_EQ(settings(vtest::readFile(dir + "/again.param")), settings(params));
}

// The EPS file of a whole graph, rendered by Ghostscript, shows what the
// screen shows: the same ink within a pixel or two (strokes are centred on
// their path in the file, glyphs come from another rasterizer).
TEST(SheetGraph, EPSOfTheGraphLooksLikeTheScreen) {
  VTEST_REQUIRE(vtest::haveGhostscript(), "gs");
  VTEST_REQUIRE(vtest::haveTool("pngtopnm"), "pngtopnm (netpbm)");
  std::string dir = vtest::scratchDir("sheetgraph-eps-screen");
  vtest::RunResult r = runIn(dir,
                             "field \"Title\" \"Damped x_1\"\n"
                             "check \"Title above\" on\n"
                             "check \"EPS Save Graph\" on\n"
                             "press \"OK\"\n"
                             "saveas \"graph.eps\"\n"
                             "snapshot \"screen.png\"\n"
                             "click 600 400\n" +
                                 std::string(kExit),
                             "'" + examples() + "/damped.tsv'");
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  ASSERT_EQ(vtest::run("pngtopnm " + dir + "/screen.png > " + dir + "/screen.ppm").status, 0);
  vtest::Image screen, eps;
  ASSERT_TRUE(vtest::readPPM(dir + "/screen.ppm", &screen));
  std::string log;
  ASSERT_TRUE(vtest::gsRender(dir + "/graph.eps", &eps, &log)) << log;
  vtest::Box box;
  ASSERT_TRUE(vtest::epsDeclaredBox(dir + "/graph.eps", &box));
  // The drawing window's content starts below the menu bar, at global (0, 22);
  // the file's y axis runs up from the content's bottom edge.
  const int kTop = 22, kHeight = 768 - kTop;
  const int left = int(box.llx), top = kTop + kHeight - int(box.ury);
  ASSERT_GT(eps.width, 100);
  auto ink = [](uint32_t rgb) { return (rgb & 0xFFFFFF) != 0xFFFFFF; };
  auto screenInk = [&](int x, int y) {
    x += left, y += top;
    return x >= 0 && y >= 0 && x < screen.width && y < screen.height && ink(screen.at(x, y));
  };
  // Distance from an ink pixel to the nearest ink of the other picture (up to 6).
  auto nearest = [](auto&& inkAt, int x, int y) {
    for (int d = 0; d <= 5; ++d)
      for (int dy = -d; dy <= d; ++dy)
        for (int dx = -d; dx <= d; ++dx)
          if (inkAt(x + dx, y + dy)) return d;
    return 6;
  };
  auto epsInk = [&](int x, int y) { return x >= 0 && y >= 0 && x < eps.width && y < eps.height && ink(eps.at(x, y)); };
  long differing = 0, inked = 0;
  int worstEps = 0, worstScreen = 0;
  for (int y = 0; y < eps.height; ++y)
    for (int x = 0; x < eps.width; ++x) {
      bool a = screenInk(x, y), b = epsInk(x, y);
      inked += a || b;
      differing += a != b;
      if (b) worstEps = std::max(worstEps, nearest(screenInk, x, y));
      if (a) worstScreen = std::max(worstScreen, nearest(epsInk, x, y));
    }
  std::printf("graph EPS against the screen: %ld of %ld inked pixels differ; farthest ink %d / %d px\n", differing,
              inked, worstEps, worstScreen);
  EXPECT_GT(inked, 2000);
  EXPECT_LT(double(differing) / double(inked), 0.6);  // one-pixel edges everywhere
  EXPECT_LE(worstEps, 2);
  EXPECT_LE(worstScreen, 2);
}
