// Picture printing at the printer's resolution: the job that reaches a
// private print daemon is vector PostScript with PostScript fonts, renders
// at 300 dpi like the window, and keeps the whole drawing on the page in
// both orientations, scaled down (and said so) only when it does not fit.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <utility>

#include "tests/support/cups.h"
#include "tests/support/ghostscript.h"
#include "tests/support/headless.h"

namespace {
constexpr double kDots = 300 / 72.0;  // device pixels per window pixel

// Left, top, right, bottom of the non-white pixels (inclusive).
std::array<int, 4> inkBox(const vtest::Image& img) {
  std::array<int, 4> b = {1 << 30, 1 << 30, -1, -1};
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x)
      if (img.at(x, y) != 0xFFFFFFu) b = {std::min(b[0], x), std::min(b[1], y), std::max(b[2], x), std::max(b[3], y)};
  return b;
}
}  // namespace

TEST(VectorPrinting, PagesAreVectorsThatKeepTheWholeDrawing) {
  VTEST_REQUIRE(vtest::haveCupsTools() && vtest::haveGhostscript(), "cupsd, lpadmin, lpstat or gs");
  vtest::CupsDaemon daemon;
  std::string queueFile, why, dir = vtest::scratchDir("vector-printing");
  ASSERT_TRUE(daemon.start(&why) && daemon.addQueue("vokv", &queueFile, &why, true)) << why;
  // Shapes reach row 692: they fit A4 portrait, not landscape; a frame 740 wide the other way round.
  for (auto [frame, landscape, scaled] : {std::tuple{false, false, false}, {false, true, true}, {true, false, true},
                                          {true, true, false}}) {
    SCOPED_TRACE(std::string(frame ? "frame" : "shapes") + (landscape ? " landscape" : " portrait"));
    std::remove((dir + "/Library/Preferences/print_prog-pageSetting.txt").c_str());
    vtest::RunResult r = vtest::runHeadlessIn(
        dir, "print_prog", std::string(landscape ? "check \"Landscape\" on\n" : "") + "press \"OK\"\npress \"Print\"\n",
        {"PAPERSIZE=a4 " + daemon.env() + " PRINT_CASE=picture PRINT_FRAME=" + (frame ? "1" : "0")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(vtest::has(r.out, "printed 1\n")) << r.out;
    EXPECT_EQ(vtest::has(r.out, "does not fit the printable area"), scaled) << r.out;
    // Paths and fonts, not a picture of the page; the label's parentheses escaped.
    ASSERT_TRUE(daemon.waitIdle("vokv"));
    std::string job = vtest::readFile(queueFile);
    for (const char* part : {" lineto\n", "/Helvetica findfont", "(Max Bitmap \\(a\\\\b\\)) show"}) EXPECT_TRUE(vtest::has(job, part));
    EXPECT_FALSE(vtest::has(job, "\nvokimage"));

    std::vector<vtest::Image> pages;
    vtest::Image window;
    ASSERT_TRUE(vtest::gsRenderPages(queueFile, &pages, &why, 300) && pages.size() == 1) << why;
    ASSERT_TRUE(vtest::readPPM(dir + "/expect.ppm", &window));
    const vtest::Image& page = pages[0];
    // The drawing keeps its place (landscape: its top along the paper's left
    // edge), scaled only as much as the page needs.
    std::array<int, 4> w = inkBox(window), p = inkBox(page);
    double s = std::min({1.0, (landscape ? 842 : 595) / (w[2] + 2.0), (landscape ? 595 : 842) / (w[3] + 2.0)}) * kDots;
    std::array<double, 4> want = {w[0] * s, w[1] * s, (w[2] + 1) * s, (w[3] + 1) * s};
    if (landscape) want = {w[1] * s, page.height - (w[2] + 1) * s, (w[3] + 1) * s, page.height - w[0] * s};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(p[size_t(i)], want[size_t(i)], 2 * kDots) << i;
    // Unscaled and upright, the shapes' colours are where the window shows them.
    for (auto [x, y] : {std::pair{100, 100}, {140, 360}, {480, 530}})
      EXPECT_TRUE(scaled || landscape || page.at(int((x + 0.5) * kDots), int((y + 0.5) * kDots)) == window.at(x, y));
  }
}
