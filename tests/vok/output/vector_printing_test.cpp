// Picture printing at the printer's resolution: the job that reaches a
// private print daemon is vector PostScript with PostScript fonts, renders
// at 300 dpi like the window, and keeps the whole drawing on the page in
// both orientations, scaled down (and said so) only when it does not fit.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/cups.h"
#include "tests/support/ghostscript.h"
#include "tests/support/headless.h"

namespace {
constexpr int kDpi = 300;
constexpr double kDots = kDpi / 72.0;  // device pixels per window pixel

struct Ink {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};
Ink inkBox(const vtest::Image& img) {
  Ink b;
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x)
      if (img.at(x, y) != 0xFFFFFFu) {
        b.left = std::min(b.left, x), b.right = std::max(b.right, x);
        b.top = std::min(b.top, y), b.bottom = std::max(b.bottom, y);
      }
  return b;
}

// Pixels of the drawing whose colour the page shows neither there nor at
// any neighbour (edges may move by a pixel), outside the label's box.
long misplaced(const vtest::Image& page, const vtest::Image& window) {
  long bad = 0;
  for (int y = 0; y < 720; ++y)
    for (int x = 0; x < 590; ++x) {
      if (y >= 80 && y < 110 && x >= 310 && x < 470) continue;  // the label: glyph rasters differ
      uint32_t got = page.at(int((x + 0.5) * kDots), int((y + 0.5) * kDots));
      bool near = false;
      for (int dy = -1; dy <= 1 && !near; ++dy)
        for (int dx = -1; dx <= 1 && !near; ++dx) near = window.at(x + dx, y + dy) == got;
      bad += !near;
    }
  return bad;
}

class VectorPrinting : public ::testing::Test {
 protected:
  void SetUp() override {
    VTEST_REQUIRE(vtest::haveCupsTools(), "cupsd, lpadmin or lpstat");
    VTEST_REQUIRE(vtest::haveGhostscript(), "gs");
    std::string why;
    ASSERT_TRUE(daemon.start(&why)) << why;
    ASSERT_TRUE(daemon.addQueue("vokv", &queueFile, &why, true)) << why;
    dir = vtest::scratchDir("vector-printing");
  }
  vtest::CupsDaemon daemon;
  std::string queueFile, dir;
};
}  // namespace

TEST_F(VectorPrinting, PagesAreVectorsThatKeepTheWholeDrawing) {
  struct Case {
    bool frame, landscape, scaled;
  } cases[] = {
      {false, false, false},  // shapes down to row 692: fit A4 portrait
      {false, true, true},    // but not the 595 rows of landscape
      {true, false, true},    // a frame 740 wide does not fit portrait
      {true, true, false},    // but fits landscape
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.frame ? "frame" : "shapes") + (c.landscape ? " landscape" : " portrait"));
    std::remove((dir + "/Library/Preferences/print_prog-pageSetting.txt").c_str());
    std::string script = std::string(c.landscape ? "check \"Landscape\" on\n" : "") + "press \"OK\"\npress \"Print\"\n";
    vtest::RunResult r = vtest::runHeadlessIn(dir, "print_prog", script,
                                              {"PAPERSIZE=a4 " + daemon.env() + " PRINT_CASE=picture PRINT_FRAME=" +
                                               (c.frame ? "1" : "0")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("printed 1\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("does not fit the printable area") != std::string::npos, c.scaled) << r.out;
    ASSERT_TRUE(daemon.waitIdle("vokv"));

    // Paths and fonts, not one picture of the page; the label's parentheses escaped.
    std::string job = vtest::readFile(queueFile);
    EXPECT_NE(job.find(" lineto\n"), std::string::npos);
    EXPECT_NE(job.find("/Helvetica findfont"), std::string::npos);
    EXPECT_NE(job.find("(Max Bitmap \\(a\\\\b\\)) show"), std::string::npos);
    EXPECT_EQ(job.find("\nvokimage"), std::string::npos);

    std::vector<vtest::Image> pages;
    std::string log;
    ASSERT_TRUE(vtest::gsRenderPages(queueFile, &pages, &log, kDpi)) << log;
    ASSERT_EQ(pages.size(), 1u);
    const vtest::Image& page = pages[0];
    ASSERT_EQ(page.width, int(595 * kDots + 0.5));
    vtest::Image window;
    ASSERT_TRUE(vtest::readPPM(dir + "/expect.ppm", &window));

    // The drawing keeps its place, scaled only as much as the page needs.
    Ink w = inkBox(window), p = inkBox(page);
    double pageW = c.landscape ? 842 : 595, pageH = c.landscape ? 595 : 842;
    double s = std::min({1.0, pageW / (w.right + 2), pageH / (w.bottom + 2)}) * kDots;
    Ink want;
    if (c.landscape)  // the drawing's top along the paper's left edge
      want = {int(w.top * s), int(page.height - (w.right + 1) * s), int((w.bottom + 1) * s), int(page.height - w.left * s)};
    else
      want = {int(w.left * s), int(w.top * s), int((w.right + 1) * s), int((w.bottom + 1) * s)};
    EXPECT_NEAR(p.left, want.left, 2 * kDots);
    EXPECT_NEAR(p.top, want.top, 2 * kDots);
    EXPECT_NEAR(p.right, want.right, 2 * kDots);
    EXPECT_NEAR(p.bottom, want.bottom, 2 * kDots);
    EXPECT_LT(p.right, page.width - 1);
    EXPECT_LT(p.bottom, page.height - 1);
    if (!c.scaled && !c.landscape) {
      // The screen's ovals are a pixel fuller at their flanks (about 130
      // pixels); the drawing moved by two pixels would be over 1000.
      EXPECT_LE(misplaced(page, window), 300);
    }
  }
}
