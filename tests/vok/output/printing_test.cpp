// Printing end to end: started programs driven by headless scripts print
// through a private print daemon into a file queue, and Ghostscript renders
// what arrived. The page-setting file is checked across runs with HOME set
// to a scratch folder.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/support/cups.h"
#include "tests/support/ghostscript.h"
#include "tests/support/headless.h"

namespace {
// Runs output_prog in `dir` (HOME there too) with a script and settings.
vtest::RunResult runProg(const std::string& dir, const std::string& vars, const std::string& script) {
  return vtest::runHeadlessIn(dir, "output_prog", script, {"PAPERSIZE=a4 " + vars});
}

std::string settingFile(const std::string& home) { return home + "/Library/Preferences/output_prog-pageSetting.txt"; }

// Rendered pixels inside the printable area that differ from the window
// pixel that should be there (`landscape`: the window's top along the
// paper's left edge).
long mismatches(const vtest::Image& page, const vtest::Image& window, bool landscape) {
  long bad = 0;
  const int margin = 16;  // the queue's driver clips to its printable area
  for (int row = margin; row < page.height - margin; ++row)
    for (int col = margin; col < page.width - margin; ++col) {
      int x = landscape ? page.height - 1 - row : col, y = landscape ? col : row;
      uint32_t want = x < window.width && y < window.height ? window.at(x, y) : 0xFFFFFF;
      if (page.at(col, row) != want) ++bad;
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
  vtest::Image printedPage() {
    EXPECT_TRUE(daemon.waitIdle("vokq"));
    std::vector<vtest::Image> pages;
    std::string log;
    EXPECT_TRUE(vtest::gsRenderPages(queueFile, &pages, &log)) << log;
    EXPECT_EQ(pages.size(), 1u);
    return pages.empty() ? vtest::Image() : pages[0];
  }
  // The printed A4 page, which must show the window's pixels (expect.ppm).
  vtest::Image printedWindow(bool landscape) {
    vtest::Image page = printedPage(), window;
    EXPECT_TRUE(vtest::readPPM(dir + "/expect.ppm", &window));
    EXPECT_TRUE(page.width == 595 && page.height == 842) << page.width << "x" << page.height;
    EXPECT_LE(mismatches(page, window, landscape), 40);
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
