// Console text on paper and in files, end to end: a saved file is exactly
// the console's bytes and reads back as the same lines (failed saves: in
// tests/faults); a file that is not text is refused; text printing sends a
// page each time a page's worth of lines has gathered.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "tests/support/cups.h"
#include "tests/support/headless.h"

namespace {
vtest::RunResult runCase(const std::string& dir, const std::string& vars, const std::string& script) {
  return vtest::runHeadlessIn(dir, "output_prog", script, {"PAPERSIZE=a4 " + vars});
}
}  // namespace

TEST(TextFiles, SavedTextIsTheConsolesBytesReadsBackAndBinaryFilesAreRefused) {
  std::string dir = vtest::scratchDir("text-save"), saved = "a\r12\r", lines = "a\n12\n";
  for (int i = 0; i < 30; ++i) lines += std::string(97, '0') + std::to_string(12 + i) + "\n";
  std::replace_copy(lines.begin() + 5, lines.end(), std::back_inserter(saved), '\n', '\r');
  vtest::RunResult r = runCase(dir, "TEXT_CASE=save", "saveas \"out.txt\"\ntype \"12\"\nchoose \"out.txt\"\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(vtest::readFile(dir + "/out.txt") == saved);
  EXPECT_TRUE(r.err.find(":" + lines + "\n") != std::string::npos) << r.err;  // and the empty line at the end

  vtest::writeFile(dir + "/in.txt", std::string("12\0\1", 4));
  r = runCase(dir, "TEXT_CASE=save", "cancel\ntype \"12\"\nchoose \"in.txt\"\ncancel\n");
  EXPECT_NE(r.err.find("Error in BeginTextReading: in.txt is not a text file"), std::string::npos) << r.err;
}

TEST(TextFiles, PrintingSendsAPageWheneverOneHasGathered) {
  VTEST_REQUIRE(vtest::haveCupsTools(), "cupsd, lpadmin or lpstat");
  vtest::CupsDaemon daemon;
  std::string why, queueFile, dir = vtest::scratchDir("text-print");
  ASSERT_TRUE(daemon.start(&why)) << why;
  ASSERT_TRUE(daemon.addQueue("textq", &queueFile, &why, true)) << why;
  vtest::RunResult r = runCase(dir, daemon.env() + " TEXT_CASE=print", "press \"OK\"\npress \"Print\"\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(daemon.waitIdle("textq"));
  std::string log = daemon.pageLog();  // a line per job: two full pages as the lines came, the rest at the end
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3) << log;
  EXPECT_NE(vtest::readFile(queueFile).find("%%Pages: 1"), std::string::npos);  // the last job: the part page
}
