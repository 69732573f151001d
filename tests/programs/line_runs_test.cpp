// Curves with far more points than pixel columns draw their lines on one
// column as a few: the screen, the saved picture and the EPS file rendered
// by Ghostscript must not change by one pixel against drawing every line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ghostscript.h"
#include "tests/support/headless.h"

namespace {
// A series: a damped wave with `noise`, a NaN every `gapEvery` rows. Other
// programs (examples) draw their own curves, made fine by `settings`.
struct Curve { const char* name; long rows; double noise; long gapEvery; const char* example; const char* settings; };
const char* kSave =
    "check \"Save Graph\" on\ncheck \"EPS Save Graph\" on\npress \"OK\"\nsaveas \"graph.pict\"\nsaveas \"graph.eps\"\n"
    "snapshot \"screen.png\"\nclick 600 400\ncheck \"Exit Graph\" on\npress \"OK\"\n";
const char* kSeries =
    " 'BEGIN { print \"t\\ty\"; for (i = 0; i < n; i++) { t = 10 * i / n; if (g && i % g == 1) print t \"\\tNaN\";"
    " else printf \"%.7f\\t%.6f\\n\", t, exp(-0.2 * t) * sin(6 * t) + a * sin(i * 12.9898) } }' > series.tsv";
class LineRuns : public testing::TestWithParam<Curve> {};
}  // namespace

TEST_P(LineRuns, ScreenPictureAndEPSAreThoseOfEveryLine) {
  VTEST_REQUIRE(vtest::haveGhostscript() && vtest::haveTool("pngtopnm") && !vtest::picttoppmPath().empty(),
                "gs, pngtopnm and picttoppm");
  const Curve& c = GetParam();
  std::string data = "awk -v n=" + std::to_string(c.rows) + " -v g=" + std::to_string(c.gapEvery) +
                     " -v a=" + std::to_string(c.noise) + kSeries;
  std::string program = c.example ? vtest::programPath(c.example, true) : vtest::programPath("sheetgraph");
  std::vector<vtest::Image> seen[2];
  for (int runs = 0; runs < 2; ++runs) {
    std::string off = runs ? "" : "VOK_LINE_RUNS=off";
    vtest::ProgRun run = vtest::runHeadless(std::string("line-runs-") + c.name + (runs ? "-on" : "-off"), program,
                                            std::string(c.settings) + kSave,
                                            c.example ? vtest::Headless(off) : vtest::Headless(off, "series.tsv", data));
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
// The function curves: one painted below, a step of a hundredth of a pixel;
// the contours: cells under a pixel, level numbers drawn between segments.
INSTANTIATE_TEST_SUITE_P(
    Curves, LineRuns,
    testing::Values(Curve{"smooth", 100, 0, 0, nullptr, ""}, Curve{"noisy", 10000, 0.3, 0, nullptr, ""},
                    Curve{"gaps", 10000, 0.3, 97, nullptr, ""}, Curve{"steep", 10000, 4.0, 0, nullptr, ""},
                    Curve{"many", 200000, 0.3, 5003, nullptr, ""},
                    Curve{"functions", 0, 0, 0, "curves", "field \"dx\" 0.00005\n"},
                    Curve{"contours", 0, 0, 0, "contour_functions",
                          "field \"dx\" 0.004\nfield \"dy\" 0.004\ncheck \"Paint Negative Region\" off\n"}),
    [](const testing::TestParamInfo<Curve>& info) { return std::string(info.param.name); });
