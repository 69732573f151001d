// Console text on paper and in files, end to end: a saved file is exactly
// the console's bytes and reads back as the same lines; a failed save keeps
// the old file and says why; a file that is not text is refused; text
// printing sends a page each time a page's worth of lines has gathered.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/cups.h"
#include "tests/support/ghostscript.h"
#include "tests/support/paths.h"

namespace {
vtest::RunResult runCase(const std::string& dir, const std::string& vars, const std::string& script,
                         const std::string& limit = "") {
  vtest::writeFile(dir + "/s.txt", script);
  return vtest::run("cd " + dir + " && " + limit + " env HOME=" + dir + " PAPERSIZE=a4 VOK_DISPLAY=headless " +
                    "VOK_SCRIPT=s.txt " + vars + " " + vtest::progPath("text_io_prog"));
}
}  // namespace

TEST(TextFiles, SavedTextIsTheConsolesBytesAndReadsBack) {
  std::string dir = vtest::scratchDir("text-save");
  vtest::RunResult r = runCase(dir, "TEXT_CASE=save", "saveas \"out.txt\"\ntype \"12\"\nchoose \"out.txt\"\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(vtest::readFile(dir + "/out.txt"), "a\r12\rb 12\r");
  EXPECT_EQ(r.err, "ref 1\nref 1\npiece [a\n]\npiece [12\n]\npiece [b 12\n]\npiece [\n]\n");

  // A save that cannot be completed keeps the file that was there.
  vtest::writeFile(dir + "/out.txt", "old");
  r = runCase(dir, "TEXT_CASE=fail", "saveas \"out.txt\"\n", "trap '' XFSZ; ulimit -f 4 &&");  // 2048 bytes
  EXPECT_NE(r.err.find("Error in EndTextSaving: "), std::string::npos) << r.err;
  EXPECT_EQ(vtest::readFile(dir + "/out.txt"), "old");
  EXPECT_EQ(vtest::regularFiles(dir), 2) << "no temporary file is left behind";

  vtest::writeFile(dir + "/in.txt", std::string("12\0\1", 4));
  r = runCase(dir, "TEXT_CASE=read", "choose \"in.txt\"\ncancel\n");  // cancel: the alert
  EXPECT_NE(r.err.find("Error in BeginTextReading: in.txt is not a text file"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("ref -1"), std::string::npos) << r.err;
}

TEST(TextFiles, PrintingSendsAPageWheneverOneHasGathered) {
  VTEST_REQUIRE(vtest::haveCupsTools(), "cupsd, lpadmin or lpstat");
  VTEST_REQUIRE(vtest::haveGhostscript(), "gs");
  vtest::CupsDaemon daemon;
  std::string why, queueFile, dir = vtest::scratchDir("text-print");
  ASSERT_TRUE(daemon.start(&why)) << why;
  ASSERT_TRUE(daemon.addQueue("textq", &queueFile, &why, true)) << why;
  vtest::RunResult r = runCase(dir, daemon.env() + " TEXT_CASE=print TEXT_LINES=150", "press \"OK\"\npress \"Print\"\n");
  ASSERT_EQ(r.status, 0) << r.err;
  int perPage = 0;
  ASSERT_EQ(std::sscanf(r.err.c_str(), "lines per page %d", &perPage), 1) << r.err;
  ASSERT_TRUE(perPage > 50 && perPage < 75) << perPage << ": 150 lines must make two full pages and a part";
  EXPECT_TRUE(daemon.waitIdle("textq"));
  std::string log = daemon.pageLog();
  size_t jobs = 0;
  for (size_t p = log.find("textq"); p != std::string::npos; p = log.find("textq", p + 1)) ++jobs;
  EXPECT_EQ(jobs, 3u) << log;
  std::vector<vtest::Image> pages;
  ASSERT_TRUE(vtest::gsRenderPages(queueFile, &pages, &why)) << why;  // the last job: the part page
  ASSERT_EQ(pages.size(), 1u);
  size_t ink = 0;
  for (uint32_t p : pages[0].rgb) ink += p != 0xFFFFFF;
  EXPECT_GT(ink, 1000u);
}
