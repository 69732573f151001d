// A series with far more points than pixel columns draws its lines on one
// column as a few: the screen, the saved picture and the EPS file rendered
// by Ghostscript must not change by one pixel against drawing every line.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "tests/support/ghostscript.h"
#include "tests/support/headless.h"

namespace {
struct Series {
  const char* name;
  long rows;
  double noise;    // added to a damped wave
  long gapEvery;   // a NaN every so many rows (0: none)
};

void writeSeries(const std::string& path, const Series& s) {
  FILE* f = std::fopen(path.c_str(), "w");
  ASSERT_TRUE(f);
  std::fprintf(f, "t\ty\n");
  unsigned long seed = 25;
  for (long i = 0; i < s.rows; ++i) {
    seed = seed * 6364136223846793005UL + 1442695040888963407UL;
    double t = 10.0 * double(i) / double(s.rows), jitter = double(seed >> 11) / double(1UL << 53) - 0.5;
    if (s.gapEvery && i % s.gapEvery == s.gapEvery / 2) std::fprintf(f, "%.7f\tNaN\n", t);
    else std::fprintf(f, "%.7f\t%.6f\n", t, std::exp(-0.2 * t) * std::sin(6 * t) + s.noise * jitter);
  }
  std::fclose(f);
}

vtest::Image decoded(const std::string& command) {
  vtest::Image img;
  EXPECT_TRUE(vtest::readPPMVia(command, &img)) << command;
  return img;
}

bool same(const vtest::Image& a, const vtest::Image& b) { return a.width == b.width && a.height == b.height && a.rgb == b.rgb; }
}  // namespace

class LineRuns : public testing::TestWithParam<Series> {};

TEST_P(LineRuns, ScreenPictureAndEPSAreThoseOfEveryLine) {
  VTEST_REQUIRE(vtest::haveGhostscript(), "gs");
  VTEST_REQUIRE(vtest::haveTool("pngtopnm"), "pngtopnm (netpbm)");
  VTEST_REQUIRE(!vtest::picttoppmPath().empty(), "picttoppm (scripts/build-picttoppm)");
  const Series& s = GetParam();
  const std::string script =
      "check \"Save Graph\" on\ncheck \"EPS Save Graph\" on\npress \"OK\"\nsaveas \"graph.pict\"\n"
      "saveas \"graph.eps\"\nsnapshot \"screen.png\"\nclick 600 400\ncheck \"Exit Graph\" on\npress \"OK\"\n";
  std::string dirs[2];
  long sizes[2];
  for (int runs = 0; runs < 2; ++runs) {
    dirs[runs] = vtest::scratchDir(std::string("line-runs-") + s.name + (runs ? "-on" : "-off"));
    writeSeries(dirs[runs] + "/series.tsv", s);
    vtest::RunResult r = vtest::runHeadlessIn(dirs[runs], vtest::programPath("sheetgraph"), script,
                                              {runs ? "" : "VOK_LINE_RUNS=off", "series.tsv"});
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    sizes[runs] = long(vtest::readFile(dirs[runs] + "/graph.eps").size());
  }
  auto both = [&](const std::string& command) {
    return same(decoded("cd " + dirs[0] + " && " + command), decoded("cd " + dirs[1] + " && " + command));
  };
  EXPECT_TRUE(both("pngtopnm screen.png")) << "screen";
  EXPECT_TRUE(both(vtest::picttoppmPath() + " graph.pict")) << "picture";
  for (int dpi : {72, 300, 600}) {
    vtest::Image off, on;
    ASSERT_TRUE(vtest::gsRender(dirs[0] + "/graph.eps", &off, nullptr, dpi));
    ASSERT_TRUE(vtest::gsRender(dirs[1] + "/graph.eps", &on, nullptr, dpi));
    EXPECT_TRUE(same(off, on)) << dpi << " dpi";
  }
  if (s.rows >= 10000) {
    EXPECT_LT(sizes[1] * 4, sizes[0]) << "the EPS of many points shrinks";
  }
}

INSTANTIATE_TEST_SUITE_P(Series, LineRuns,
                         testing::Values(Series{"smooth", 100, 0, 0}, Series{"noisy", 10000, 0.3, 0},
                                         Series{"gaps", 10000, 0.3, 97}, Series{"steep", 10000, 4.0, 0},
                                         Series{"million", 1000000, 0.3, 5003}),
                         [](const testing::TestParamInfo<Series>& info) { return std::string(info.param.name); });
