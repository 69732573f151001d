// A series with far more points than pixel columns draws its lines on one
// column as a few: the screen, the saved picture and the EPS file rendered
// by Ghostscript must not change by one pixel against drawing every line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ghostscript.h"
#include "tests/support/headless.h"

namespace {
struct Series { const char* name; long rows; double noise; long gapEvery; };
const char* kScript =
    "check \"Save Graph\" on\ncheck \"EPS Save Graph\" on\npress \"OK\"\nsaveas \"graph.pict\"\nsaveas \"graph.eps\"\n"
    "snapshot \"screen.png\"\nclick 600 400\ncheck \"Exit Graph\" on\npress \"OK\"\n";
// A damped wave with `a` of noise, a NaN every `g` rows.
const char* kSeries =
    " 'BEGIN { print \"t\\ty\"; for (i = 0; i < n; i++) { t = 10 * i / n; if (g && i % g == 1) print t \"\\tNaN\";"
    " else printf \"%.7f\\t%.6f\\n\", t, exp(-0.2 * t) * sin(6 * t) + a * sin(i * 12.9898) } }' > series.tsv";
class LineRuns : public testing::TestWithParam<Series> {};
}  // namespace

TEST_P(LineRuns, ScreenPictureAndEPSAreThoseOfEveryLine) {
  VTEST_REQUIRE(vtest::haveGhostscript() && vtest::haveTool("pngtopnm") && !vtest::picttoppmPath().empty(),
                "gs, pngtopnm and picttoppm");
  const Series& s = GetParam();
  std::string data = "awk -v n=" + std::to_string(s.rows) + " -v g=" + std::to_string(s.gapEvery) +
                     " -v a=" + std::to_string(s.noise) + kSeries;
  std::vector<vtest::Image> seen[2];
  for (int runs = 0; runs < 2; ++runs) {
    vtest::ProgRun run = vtest::runHeadless(std::string("line-runs-") + s.name + (runs ? "-on" : "-off"),
                                            vtest::programPath("sheetgraph"), kScript,
                                            {runs ? "" : "VOK_LINE_RUNS=off", "series.tsv", data});
    ASSERT_EQ(run.result.status, 0) << run.out() << run.err();
    std::string gs = "gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=ppmraw -dEPSCrop -dTextAlphaBits=1 "
                     "-dGraphicsAlphaBits=1 -sOutputFile=- graph.eps -r";
    std::string pict = vtest::picttoppmPath() + " graph.pict";
    for (std::string decoder : {std::string("pngtopnm screen.png"), pict, gs + "72", gs + "300", gs + "600"}) {
      seen[runs].emplace_back();
      EXPECT_TRUE(vtest::readPPMVia("cd " + run.dir + " && " + decoder, &seen[runs].back())) << decoder;
    }
  }
  for (size_t k = 0; k < seen[0].size(); ++k)
    EXPECT_TRUE(seen[0][k].width == seen[1][k].width && seen[0][k].rgb == seen[1][k].rgb) << "image " << k;
}

// 10^6 rows pass too, but take minutes to render at 600 dpi on a busy machine.
INSTANTIATE_TEST_SUITE_P(Series, LineRuns,
                         testing::Values(Series{"smooth", 100, 0, 0}, Series{"noisy", 10000, 0.3, 0},
                                         Series{"gaps", 10000, 0.3, 97}, Series{"steep", 10000, 4.0, 0},
                                         Series{"many", 200000, 0.3, 5003}),
                         [](const testing::TestParamInfo<Series>& info) { return std::string(info.param.name); });
