// Picture printing at the printer's resolution: the job that reaches a
// private print daemon is vector PostScript with PostScript fonts, renders
// at 300 dpi like the window, and keeps the whole drawing on the page in
// both orientations, scaled down (and said so) only when it does not fit.
// Regions, pixel copies and wide frames print where the picture's replay
// draws them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
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

struct Cell {
  const char* what;
  int left, top, right, bottom;
};

// Pixels of the cell whose colour in `other` (sampled at pixel centres,
// `dots` pixels a point) is that of neither the replayed pixel nor any of its
// neighbours: edges may move by a pixel, nothing more.
long mismatches(const Cell& c, const vtest::Image& replay, const vtest::Image& other, double dots) {
  auto near = [](uint32_t a, uint32_t b) {
    return std::abs(int(a >> 16) - int(b >> 16)) + std::abs(int(a >> 8 & 255) - int(b >> 8 & 255)) +
               std::abs(int(a & 255) - int(b & 255)) <= 12;
  };
  long bad = 0;
  for (int y = c.top; y < c.bottom; ++y)
    for (int x = c.left; x < c.right; ++x) {
      uint32_t got = other.at(int((x + 0.5) * dots), int((y + 0.5) * dots));
      bool seen = false;
      for (int d = 0; d < 9 && !seen; ++d) seen = near(got, replay.at(x + d % 3 - 1, y + d / 3 - 1));
      bad += !seen;
    }
  return bad;
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
    std::remove((dir + "/Library/Preferences/output_prog-pageSetting.txt").c_str());
    vtest::RunResult r = vtest::runHeadlessIn(
        dir, "output_prog", std::string(landscape ? "check \"Landscape\" on\n" : "") + "press \"OK\"\npress \"Print\"\n",
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

TEST(VectorPrinting, RegionsPixelCopiesAndWideFramesPrintAsReplayed) {
  VTEST_REQUIRE(vtest::haveCupsTools() && vtest::haveGhostscript() && !vtest::picttoppmPath().empty(),
                "cupsd, lpadmin, lpstat, gs or picttoppm (scripts/build-picttoppm)");
  vtest::CupsDaemon daemon;
  std::string queueFile, why, dir = vtest::scratchDir("vector-elements");
  ASSERT_TRUE(daemon.start(&why) && daemon.addQueue("voke", &queueFile, &why, true)) << why;
  vtest::RunResult r = vtest::runHeadlessIn(dir, "output_prog", "press \"OK\"\npress \"Print\"\nsaveas \"e.pict\"\n",
                                            {"PAPERSIZE=a4 " + daemon.env() + " PRINT_CASE=elements"});
  ASSERT_TRUE(r.status == 0 && vtest::has(r.out, "printed 1\n") && daemon.waitIdle("voke")) << r.out << r.err;
  std::string job = vtest::readFile(queueFile);
  for (const char* part : {"imagemask", " image ", "eofill"}) EXPECT_TRUE(vtest::has(job, part)) << part;
  EXPECT_FALSE(vtest::has(job, "\nvokimage")) << "a vector page, not one image";

  vtest::Image window, replay, decoded;
  std::vector<vtest::Image> pages;
  ASSERT_TRUE(vtest::readPPM(dir + "/window.ppm", &window) && vtest::readPPM(dir + "/replay.ppm", &replay));
  EXPECT_TRUE(window.rgb == replay.rgb) << "the picture holds what the window shows, and only that";
  ASSERT_TRUE(vtest::readPPMVia(vtest::picttoppmPath() + " " + dir + "/e.pict 2>/dev/null", &decoded));
  ASSERT_TRUE(vtest::gsRenderPages(queueFile, &pages, &why, 300) && pages.size() == 1) << why;
  const Cell cells[] = {{"painted region, framed one over it", 20, 20, 204, 120}, {"1-bit copy", 20, 150, 68, 182},
                        {"1-bit or, masked", 160, 150, 208, 182},  {"1-bit bic", 300, 150, 348, 182},
                        {"colour copy", 20, 230, 68, 262},         {"colour or", 160, 230, 208, 262},
                        {"framed oval, pen 4", 20, 340, 140, 420}, {"framed arc, pen 5x3", 160, 340, 280, 420},
                        {"framed rrect, pen 3x5", 300, 340, 420, 420}, {"framed polygon, pen 4", 458, 448, 566, 536}};
  for (const Cell& c : cells) {
    EXPECT_LE(mismatches(c, replay, pages[0], kDots), (c.right - c.left) * (c.bottom - c.top) / 200) << c.what;
    // The outside decoder draws plain copies (copy and bic modes, no mask) the same.
    if (vtest::has(c.what, "copy") || vtest::has(c.what, "bic")) {
      EXPECT_EQ(mismatches(c, replay, decoded, 1), 0) << c.what;
    }
  }
}
