// Printing end to end: started programs driven by headless scripts print
// through a private print daemon into a file queue, and Ghostscript renders
// what arrived. Bitmap jobs show the window's pixels; picture jobs are
// vector PostScript with PostScript fonts that render at 300 dpi like the
// window, keep the whole drawing on the page in both orientations (scaled
// down, and said so, only when it does not fit), and print regions, pixel
// copies and wide frames where the picture's replay draws them. The
// page-setting file is checked across runs with HOME set to a scratch folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>

#include "tests/support/cups.h"
#include "tests/support/ghostscript.h"
#include "tests/support/headless.h"
#include "tests/support/vok_ink.h"

namespace {
// Runs output_prog in `dir` (HOME there too) with a script and settings.
vtest::RunResult runProg(const std::string& dir, const std::string& vars, const std::string& script) {
  return vtest::runHeadlessIn(dir, "output_prog", script, {"PAPERSIZE=a4 " + vars});
}

std::string settingFile(const std::string& home) { return home + "/Library/Preferences/output_prog-pageSetting.txt"; }

constexpr double kDots = 300 / 72.0;  // device pixels per window pixel

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
class Printing : public ::testing::Test {
 protected:
  void SetUp() override {
    VTEST_REQUIRE(vtest::haveCupsTools(), "cupsd, lpadmin or lpstat");
    VTEST_REQUIRE(vtest::haveGhostscript(), "gs");
    std::string why;
    ASSERT_TRUE(daemon.start(&why)) << why;
    ASSERT_TRUE(daemon.addQueue("vokq", &queueFile, &why, true)) << why;
    dir = vtest::scratchDir("printing");
  }
  // The one page that arrived in the queue's file, rendered.
  vtest::Image printedPage(int dpi = 72) {
    EXPECT_TRUE(daemon.waitIdle("vokq"));
    std::vector<vtest::Image> pages;
    std::string log;
    EXPECT_TRUE(vtest::gsRenderPages(queueFile, &pages, &log, dpi)) << log;
    EXPECT_EQ(pages.size(), 1u);
    return pages.empty() ? vtest::Image() : pages[0];
  }
  // The printed A4 page, which must show the window's pixels (expect.ppm).
  vtest::Image printedWindow(bool landscape) {
    vtest::Image page = printedPage(), window;
    EXPECT_TRUE(vtest::readPPM(dir + "/expect.ppm", &window));
    EXPECT_TRUE(page.width == 595 && page.height == 842) << page.width << "x" << page.height;
    EXPECT_LE(vtest::pageMismatches(page, window, landscape, 1, 72, 16), 40);  // 16: the queue's printable area
    return page;
  }
  vtest::CupsDaemon daemon;
  std::string queueFile, dir;
};
}  // namespace

TEST_F(Printing, BitmapPrintingSendsTheWindowPixelsAndCancelSendsNothing) {
  // Cancel in the print dialog: no job at all.
  vtest::RunResult r = runProg(dir, daemon.env() + " PRINT_CASE=bitmap", "press \"OK\"\ncancel\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "accepted 0\nformat A4 portrait 100\n");
  EXPECT_TRUE(daemon.waitIdle("vokq"));
  EXPECT_EQ(vtest::run(daemon.env() + " lpstat -W all -o vokq").out, "");
  EXPECT_FALSE(vtest::fileExists(queueFile));

  r = runProg(dir, daemon.env() + " PRINT_CASE=bitmap", "press \"OK\"\npress \"Print\"\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "accepted 1\nformat A4 portrait 100\n");
  vtest::Image page = printedWindow(false);
  // Inside the black rectangle, the red oval's centre, the blue rectangle.
  EXPECT_EQ((std::vector<uint32_t>{page.at(100, 100), page.at(140, 360), page.at(480, 530)}),
            (std::vector<uint32_t>{0x000000u, 0xFF0000u, 0x0000FFu}));

  // Another destination chosen in the print dialog gets the job; a bad
  // number of copies keeps the dialog open until it is mended.
  std::string other, why;
  ASSERT_TRUE(daemon.addQueue("vokz", &other, &why)) << why;
  std::remove(queueFile.c_str());
  r = runProg(dir, daemon.env() + " PRINT_CASE=bitmap",
              "press \"OK\"\ncheck \"vokz\" on\nfield \"Copies:\" 0\npress \"Print\"\nfield \"Copies:\" 2\npress \"Print\"\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(daemon.waitIdle("vokz"));
  EXPECT_TRUE(vtest::fileExists(other));
  EXPECT_FALSE(vtest::fileExists(queueFile));
  EXPECT_NE(vtest::readFile(other).find("%%Pages: 1"), std::string::npos);
  // The job: two copies of an A4 page, titled with the program's name.
  EXPECT_NE(daemon.pageLog().find("total 2 - localhost output_prog A4"), std::string::npos) << daemon.pageLog();
}

TEST_F(Printing, TheChosenPageFormatIsStoredAndOfferedInTheNextRun) {
  // Landscape at 100 %: written to the page-setting file on OK.
  vtest::RunResult r = runProg(dir, "PRINT_CASE=format PRINT_MODE=0", "check \"Landscape\" on\npress \"OK\"\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "format A4 landscape 100\nstored yes\n");
  std::string stored = vtest::readFile(settingFile(dir));
  EXPECT_NE(stored.find("landscape"), std::string::npos) << stored;

  // The next run's dialog starts from it: OK alone prints landscape, and
  // the page shows the window turned, its top along the paper's left edge.
  r = runProg(dir, daemon.env() + " PRINT_CASE=bitmap", "press \"OK\"\npress \"Print\"\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "accepted 1\nformat A4 landscape 100\n");
  vtest::Image page = printedWindow(true);
  EXPECT_EQ(page.at(100, 841 - 100), 0x000000u);  // window (100, 100)

  // A same-page-setup job needs no dialog and keeps the format.
  r = runProg(dir, daemon.env() + " PRINT_CASE=same", "press \"OK\"\npress \"Print\"\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "first 1\nsecond 1\nformat A4 landscape 100\n");
  page = printedPage();  // the second job replaced the first in the queue's file
  EXPECT_EQ(page.at(430, 841 - 350), 0x000000u);  // window (350, 430): drawn between the jobs
}

TEST(PageSetting, MissingEmptyOrCorruptFilesGiveTheDefaultAndCancelStoresNothing) {
  std::string dir = vtest::scratchDir("page-setting");
  std::string file = settingFile(dir);
  // No file, then cancel: nothing is written.
  vtest::RunResult r = runProg(dir, "PRINT_CASE=format PRINT_MODE=0", "check \"US Letter\" on\ncancel\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "format A4 portrait 100\nstored no\n");
  EXPECT_FALSE(vtest::fileExists(file));
  // A bad scale keeps the dialog open with a message; a good one is taken.
  r = runProg(dir, "PRINT_CASE=format PRINT_MODE=0",
              "check \"US Letter\" on\nfield \"Scale (%):\" 5\npress \"OK\"\nfield \"Scale (%):\" 80\npress \"OK\"\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "format US Letter portrait 80\nstored yes\n");
  std::string good = vtest::readFile(file);
  // Mode 1 reads it without asking.
  r = runProg(dir, "PRINT_CASE=format PRINT_MODE=1", "");
  EXPECT_EQ(r.out, "format US Letter portrait 80\nstored yes\n");

  const std::string bad[] = {"", good.substr(0, good.size() / 2), "garbage\x01\x02\n",
                             "vok page format 1\npaper A3\nsize 842 1191\norientation portrait\nscale 100\n"};
  for (const std::string& content : bad) {
    vtest::writeFile(file, content);
    r = runProg(dir, "PRINT_CASE=format PRINT_MODE=1", "");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "format A4 portrait 100\nstored no\n") << content;
    EXPECT_EQ(vtest::readFile(file), content);  // mode 1 never writes
  }
  // Without HOME there is no file to read or write, and nothing breaks.
  vtest::writeFile(dir + "/s.txt", "check \"Landscape\" on\npress \"OK\"\n");
  r = vtest::run("cd " + dir + " && env -u HOME PAPERSIZE=a4 VOK_DISPLAY=headless VOK_SCRIPT=s.txt PRINT_CASE=format PRINT_MODE=0 " +
                 vtest::progPath("output_prog"));
  EXPECT_EQ(r.out, "format A4 landscape 100\nstored yes\n") << r.err;
}

TEST(PrintDestinations, NoPrinterIsAnAlertAndNothingIsPrinted) {
  VTEST_REQUIRE(vtest::haveCupsTools(), "cupsd, lpadmin or lpstat");
  std::string dir = vtest::scratchDir("no-printer");
  // A daemon without queues, then no daemon at all: the alert must be there to be answered.
  vtest::CupsDaemon empty;
  std::string why;
  ASSERT_TRUE(empty.start(&why)) << why;
  for (const std::string& server : {empty.env(), std::string("CUPS_SERVER=127.0.0.1:1")}) {
    vtest::RunResult r = runProg(dir, server + " PRINT_CASE=bitmap", "press \"OK\"\npress \"OK\"\n");
    EXPECT_EQ(r.status, 0) << server << ": " << r.err;
    EXPECT_EQ(r.out, "accepted 0\nformat A4 portrait 100\n") << server;
  }
}

TEST_F(Printing, PicturePagesAreVectorsThatKeepTheWholeDrawing) {
  // Shapes reach row 692: they fit A4 portrait, not landscape; a frame 740 wide the other way round.
  for (auto [frame, landscape, scaled] : {std::tuple{false, false, false}, {false, true, true}, {true, false, true},
                                          {true, true, false}}) {
    SCOPED_TRACE(std::string(frame ? "frame" : "shapes") + (landscape ? " landscape" : " portrait"));
    std::remove(settingFile(dir).c_str());
    vtest::RunResult r =
        runProg(dir, daemon.env() + " PRINT_CASE=picture PRINT_FRAME=" + (frame ? "1" : "0"),
                std::string(landscape ? "check \"Landscape\" on\n" : "") + "press \"OK\"\npress \"Print\"\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(vtest::has(r.out, "printed 1\n")) << r.out;
    EXPECT_EQ(vtest::has(r.out, "does not fit the printable area"), scaled) << r.out;
    // Paths and fonts, not a picture of the page; the label's parentheses escaped.
    vtest::Image page = printedPage(300), window;
    std::string job = vtest::readFile(queueFile);
    for (const char* part : {" lineto\n", "/Helvetica findfont", "(Max Bitmap \\(a\\\\b\\)) show"}) EXPECT_TRUE(vtest::has(job, part));
    EXPECT_FALSE(vtest::has(job, "\nvokimage"));
    ASSERT_TRUE(vtest::readPPM(dir + "/expect.ppm", &window) && page.width > 0);
    // The drawing keeps its place (landscape: its top along the paper's left
    // edge), scaled only as much as the page needs.
    Rect w = vtest::inkBox(window), p = vtest::inkBox(page);
    double s = std::min({1.0, (landscape ? 842 : 595) / (w.right + 1.0), (landscape ? 595 : 842) / (w.bottom + 1.0)}) * kDots;
    std::array<double, 4> want = {w.left * s, w.top * s, w.right * s, w.bottom * s};
    if (landscape) want = {w.top * s, page.height - w.right * s, w.bottom * s, page.height - w.left * s};
    const int got[] = {p.left, p.top, p.right - 1, p.bottom - 1};  // the last inked pixels
    for (size_t i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], 2 * kDots) << i;
    // Unscaled and upright, the shapes' colours are where the window shows them.
    for (auto [x, y] : {std::pair{100, 100}, {140, 360}, {480, 530}})
      EXPECT_TRUE(scaled || landscape || page.at(int((x + 0.5) * kDots), int((y + 0.5) * kDots)) == window.at(x, y));
  }
}

TEST_F(Printing, PictureRegionsPixelCopiesAndWideFramesPrintAsReplayed) {
  VTEST_REQUIRE(!vtest::picttoppmPath().empty(), "picttoppm (scripts/build-picttoppm)");
  vtest::RunResult r = runProg(dir, daemon.env() + " PRINT_CASE=elements", "press \"OK\"\npress \"Print\"\nsaveas \"e.pict\"\n");
  ASSERT_TRUE(r.status == 0 && vtest::has(r.out, "printed 1\n")) << r.out << r.err;
  vtest::Image page = printedPage(300), window, replay, decoded;
  std::string job = vtest::readFile(queueFile);
  for (const char* part : {"imagemask", " image ", "eofill"}) EXPECT_TRUE(vtest::has(job, part)) << part;
  EXPECT_FALSE(vtest::has(job, "\nvokimage")) << "a vector page, not one image";

  ASSERT_TRUE(vtest::readPPM(dir + "/window.ppm", &window) && vtest::readPPM(dir + "/replay.ppm", &replay));
  EXPECT_TRUE(window.rgb == replay.rgb) << "the picture holds what the window shows, and only that";
  ASSERT_TRUE(vtest::readPPMVia(vtest::picttoppmPath() + " " + dir + "/e.pict 2>/dev/null", &decoded));
  ASSERT_GT(page.width, 0);
  const Cell cells[] = {{"painted region, framed one over it", 20, 20, 204, 120}, {"1-bit copy", 20, 150, 68, 182},
                        {"1-bit or, masked", 160, 150, 208, 182},  {"1-bit bic", 300, 150, 348, 182},
                        {"colour copy", 20, 230, 68, 262},         {"colour or", 160, 230, 208, 262},
                        {"framed oval, pen 4", 20, 340, 140, 420}, {"framed arc, pen 5x3", 160, 340, 280, 420},
                        {"framed rrect, pen 3x5", 300, 340, 420, 420}, {"framed polygon, pen 4", 458, 448, 566, 536}};
  for (const Cell& c : cells) {
    EXPECT_LE(mismatches(c, replay, page, kDots), (c.right - c.left) * (c.bottom - c.top) / 200) << c.what;
    // The outside decoder draws plain copies (copy and bic modes, no mask) the same.
    if (vtest::has(c.what, "copy") || vtest::has(c.what, "bic")) {
      EXPECT_EQ(mismatches(c, replay, decoded, 1), 0) << c.what;
    }
  }
}

TEST_F(Printing, TextPrintingSendsAPageWheneverOneHasGathered) {
  vtest::RunResult r = runProg(dir, daemon.env() + " TEXT_CASE=print", "press \"OK\"\npress \"Print\"\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(daemon.waitIdle("vokq"));
  std::string log = daemon.pageLog();  // a line per job: two full pages as the lines came, the rest at the end
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3) << log;
  EXPECT_NE(vtest::readFile(queueFile).find("%%Pages: 1"), std::string::npos);  // the last job: the part page
}
