// Reading data files into s_sg: header and row rules, growth past the row
// capacity, statistics over valid cells, the default frame range, and files
// that must be refused without touching the data already read.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/paths.h"
#include "tests/support/vok_expect.h"
#include "vok/graph/graph_settings.h"
#include "vok/graph/sheet_data.h"
#include "vok/graph/sheet_internal.h"

namespace {
// A folder of this test's own: ctest runs tests side by side.
std::string scratch() {
  static std::string d =
      vtest::scratchDir(std::string("sheet_read-") + testing::UnitTest::GetInstance()->current_test_info()->name());
  return d;
}

std::string put(const std::string& name, const std::string& text) {
  std::string path = scratch() + "/" + name;
  vtest::writeFile(path, text);
  return path;
}

int readText(const std::string& text, int capacity = 1000) {
  SetGraphDataNumber(capacity);
  char msg[512];
  return SGReadPath(put("file.tsv", text).c_str(), msg, sizeof msg);
}

std::vector<std::string> names() {
  std::vector<std::string> n;
  for (int c = 0; c < s_sg.columnCount; ++c) n.push_back(s_sg.columnNames[c]);
  return n;
}

// Column c (from 1) as text, "-" for a cell that is not valid.
std::string column(int c) {
  std::string s;
  for (int r = 0; r < s_sg.dataCount; ++r) {
    if (r) s += " ";
    char b[32];
    std::snprintf(b, sizeof b, "%g", s_sg.data[c - 1][r]);
    s += s_sg.valid[c - 1][r] ? b : (s_sg.data[c - 1][r] == 0 ? "-" : "-?");
  }
  return s;
}

// Minimum, maximum and step of column c (from 1); the frame range.
std::vector<double> stats(int c) { return {s_sg.columnMin[c - 1], s_sg.columnMax[c - 1], s_sg.columnStep[c - 1]}; }
std::vector<double> frameRange() { return {s_g.minFrameX, s_g.maxFrameX, s_g.minFrameY, s_g.maxFrameY}; }

// Everything a reader leaves in the tables, for comparing two reads.
std::string snapshot() {
  std::string s = std::to_string(s_sg.columnCount) + "/" + std::to_string(s_sg.dataCount) + ":";
  for (int c = 1; c <= s_sg.columnCount; ++c) s += column(c) + "|";
  for (int c = 0; c < s_sg.columnCount; ++c)
    s += std::to_string(s_sg.columnMin[c]) + "," + std::to_string(s_sg.columnMax[c]) + "," +
         std::to_string(s_sg.columnStep[c]) + ";";
  return s;
}
}  // namespace

TEST(SheetRead, HeaderGivesColumnCountAndNames) {
  ASSERT_EQ(readText("t\tA\tB\n1\t2\t3\n"), kSGReadOK);
  EXPECT_EQ(names(), (std::vector<std::string>{"t", "A", "B"}));
  ASSERT_EQ(readText("x\t\t\r\n1\n"), kSGReadOK);  // missing words leave names empty; CR is white space
  EXPECT_EQ(names(), (std::vector<std::string>{"x", "", ""}));
  ASSERT_EQ(readText("my name\tB\n1\t2\n"), kSGReadOK);  // a blank splits a name and shifts the rest
  EXPECT_EQ(names(), (std::vector<std::string>{"my", "name"}));
  ASSERT_EQ(readText("\xEF\xBB\xBFtime\tv\n1\t2\n"), kSGReadOK);
  EXPECT_EQ(names()[0], "time");
  ASSERT_EQ(readText(std::string(200, 'n') + "\tnext\n1\t2\n"), kSGReadOK);  // names are bounded to 127 characters
  EXPECT_EQ(names(), (std::vector<std::string>{std::string(127, 'n'), "next"}));

  std::string wide;
  for (int c = 0; c < 300; ++c) wide += (c ? "\t" : "") + ("c" + std::to_string(c));
  ASSERT_GT(wide.size(), 1023u);  // one header line, not several
  ASSERT_EQ(readText(wide + "\n1\n"), kSGReadOK);
  EXPECT_TRUE(s_sg.columnCount == 300 && s_sg.dataCount == 1 && names()[299] == "c299");
}

TEST(SheetRead, RowAndFieldRules) {
  const std::string longRow = "1.25" + std::string(3000, '0') + "\t" + std::string(2000, 'x') + "\t7\n";
  ASSERT_EQ(readText("a\tb\tc\n1\t\t3\n 2\t5\n4.5 m/s\t7\n\n\n8\t9\t10\t11\n" + longRow), kSGReadOK);
  // Empty lines are not rows, a long line is one row; short rows leave their last columns not valid.
  EXPECT_EQ(column(1) + " | " + column(2) + " | " + column(3), "1 - 4.5 8 1.25 | - 5 7 9 - | 3 - - 10 7");

  // With and without a final line feed, LF or CRLF: the same rows.
  const std::string lf = "x\ty\n1\t2\n3\t4\n5\n";
  ASSERT_EQ(readText(lf), kSGReadOK);
  std::string expected = snapshot();
  for (std::string text : {std::string("x\ty\n1\t2\n3\t4\n5"), std::string("x\ty\r\n1\t2\r\n\r\n3\t4\r\n5\r\n")}) {
    ASSERT_EQ(readText(text), kSGReadOK);
    EXPECT_EQ(snapshot(), expected) << text;
  }
}

TEST(SheetRead, StatisticsOverValidCells) {
  // NaN and infinities are not valid and not in the statistics.
  ASSERT_EQ(readText("x\ty\n1\tnan\n2\t5\n3\tinf\n4\t-inf\n5\t1e999\n6\t9\n7\tNaN\n"), kSGReadOK);
  EXPECT_EQ(column(2), "- 5 - - - 9 -");
  EXPECT_EQ(stats(2), (std::vector<double>{5, 9, 4}));
  ASSERT_EQ(readText("a\tb\tc\td\n3\t7\t\t1e308\n1\t7\tz\t-1e308\n1.5\t7\t\t1e308\n"), kSGReadOK);
  EXPECT_EQ(stats(1), (std::vector<double>{1, 3, 0.5}));  // step: smallest positive difference of consecutive rows
  EXPECT_EQ(stats(2), (std::vector<double>{7, 7, 0}));    // constant
  EXPECT_EQ(stats(3), (std::vector<double>{0, 0, 0}));    // no valid cell at all
  EXPECT_TRUE(std::isfinite(s_sg.columnStep[3]));         // differences overflow, the step does not
  s_sg.dataCount = 1 << 30;                               // "Data Number" edited past the tables
  SGSeriesRange();
  EXPECT_EQ(s_sg.columnMax[0], 3);
}

TEST(SheetRead, DefaultFrameRange) {
  ASSERT_EQ(readText("x\ty\n2\t0.2\n2\t4.7\n2\t3\n"), kSGReadOK);
  EXPECT_EQ(frameRange(), (std::vector<double>{2, 3, 0, 5}));
  EXPECT_TRUE(s_sg.seriesMin[0] == 2 && s_sg.seriesMax[0] == 3);

  ASSERT_EQ(readText("x\ty\n1e20\t-3\n1e20\t-3\n"), kSGReadOK);  // + 1 is lost in 1e20
  EXPECT_GT(s_g.maxFrameX, s_g.minFrameX);
  EXPECT_TRUE(s_g.minFrameY == -3 && s_g.maxFrameY == -2);
  ASSERT_EQ(readText("x\ty\n1.7976931348623157e308\t1\n"), kSGReadOK);
  EXPECT_TRUE(std::isfinite(s_g.maxFrameX) && s_g.maxFrameX > s_g.minFrameX);

  ASSERT_EQ(readText("only\n4\n6\n"), kSGReadOK);  // series 1's y column does not exist
  EXPECT_EQ(frameRange(), (std::vector<double>{4, 6, 0, 1}));
}

// A file with more rows than the capacity is read twice, the rows past it
// only counted (by a faster path than the reading): the tables must end
// exactly as a read with room enough, over block bounds, with empty and
// CR-only lines, NUL bytes and any last line, at a capacity of exactly the
// rows too, and from a pipe, which cannot be rewound.
TEST(SheetRead, GrowthPastTheCapacityGivesTheSameTables) {
  const std::string kinds[] = {"1\t2\n", "\n", "\r\n", "\r\r\n", "3\r\n", "x\n", " \n", "\t\n", "44\t5.5\n"};
  const std::string withNul[] = {std::string("\0\n", 2), std::string("7\0junk\n", 8), std::string("\r\0\n", 3)};
  const std::string endings[] = {"", "9", "\r", "\n", "\r\n"};
  unsigned seed = 1;
  for (int nul = 0; nul < 2; ++nul)
    for (const std::string& ending : endings) {
      SCOPED_TRACE(std::to_string(nul) + " [" + ending + "]");
      std::string text = "a\tb\n";
      while (text.size() < 300000) {
        seed = seed * 1103515245u + 12345u;
        bool late = text.size() > 70000;  // NUL bytes at the start make it a binary file
        text += (nul && late && seed % 97 == 0) ? withNul[(seed >> 8) % 3] : kinds[(seed >> 8) % 9];
      }
      text += ending;
      ASSERT_EQ(readText(text, 1 << 20), kSGReadOK);
      EXPECT_EQ(s_sg.dataNumber, 1 << 20);
      const std::string roomy = snapshot();
      const int rows = int(s_sg.dataCount);
      const bool first = !nul && ending.empty();  // the capacities about the rows, and the pipe, once
      for (int capacity : first ? std::vector<int>{3, rows - 1, rows, rows + 1} : std::vector<int>{3}) {
        ASSERT_EQ(readText(text, capacity), kSGReadOK);
        EXPECT_EQ(s_sg.dataNumber, rows + 1) << capacity;
        EXPECT_EQ(snapshot(), roomy) << capacity;
      }
      if (!first) continue;
      SetGraphDataNumber(5);
      FILE* pipe = popen(("cat '" + put("pipe.tsv", text) + "'").c_str(), "r");
      ASSERT_NE(pipe, nullptr);
      EXPECT_EQ(SGReadFile(pipe, "pipe", nullptr, 0), kSGReadOK);
      pclose(pipe);
      EXPECT_EQ(snapshot(), roomy);
    }
}

// A later file with another shape reuses or regrows the tables; rows and
// columns of the earlier file never show through.
TEST(SheetRead, LaterFilesOfOtherShapes) {
  ASSERT_EQ(readText("a\tb\n1\t2\n3\t4\n5\t6\n7\t8\n", 10), kSGReadOK);
  ASSERT_EQ(readText("a\tb\tc\td\te\n9\t\t1\t2\t3\n", 10), kSGReadOK);
  EXPECT_EQ(s_sg.columnCount, 5);
  EXPECT_EQ(column(2) + column(5), "-3");
  for (int c = 0; c < 5; ++c)
    for (int r = 1; r < 10; ++r) ASSERT_FALSE(s_sg.valid[c][r] || s_sg.data[c][r]) << c << "," << r;
  ASSERT_EQ(readText("a\tb\n5\t6\n", 10), kSGReadOK);  // narrower: tables of its width
  EXPECT_EQ(column(2), "6");
  EXPECT_EQ(s_sgTables.columns, 2);
  for (int c = 2; c < 5; ++c) EXPECT_STREQ(s_sg.columnNames[c], "") << c;
  ASSERT_EQ(readText("one\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n", 10), kSGReadOK);
  EXPECT_EQ((std::vector<long>{s_sg.columnCount, s_sg.dataCount, s_sg.dataNumber}), (std::vector<long>{1, 12, 13}));
  EXPECT_EQ(column(1), "1 2 3 4 5 6 7 8 9 10 11 12");
}

TEST(SheetRead, RefusedFilesKeepTheDataAndNameTheFile) {
  ASSERT_EQ(readText("x\ty\n1\t2\n3\t4\n"), kSGReadOK);
  const std::string before = snapshot();
  const double frame = s_g.maxFrameY;
  struct Case {
    std::string name, text;
    int status;
    const char* says;
  } cases[] = {
      {"empty.tsv", "", kSGReadEmpty, "is empty"},
      {"blank.tsv", " \t \r\n1\t2\n", kSGReadNoHeader, "has no header"},
      {"nolines.tsv", "\n\n", kSGReadNoHeader, "has no header"},
      {"picture.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), kSGReadNotText, "is not a text file"},
      {"utf16.txt", std::string("\xff\xfex\0\t\0y\0\n\0", 10), kSGReadNotText, "is not a text file"},
      {"control.tsv", "\x01\x02\x03\x04\n1\n", kSGReadNotText, "is not a text file"},
  };
  for (const Case& c : cases) {
    std::string path = put(c.name, c.text);
    char msg[512] = "";
    EXPECT_EQ(SGReadPath(path.c_str(), msg, sizeof msg), c.status) << c.name;
    EXPECT_TRUE(vtest::hasAll(msg, {c.says, path}));
    EXPECT_EQ(snapshot(), before) << c.name;
  }
  EXPECT_EQ(s_g.maxFrameY, frame);
}

// The first read of a process makes the per-series arrays; checked in a
// fresh child process so that earlier tests cannot have made them.
TEST(SheetReadDeathTest, FirstReadMakesTheSeriesTables) {
  auto firstRead = [] {
    SetGraphMaxSeriesNumber(2);
    bool ok = readText("a\tb\tc\n1\t2\t3\n") == kSGReadOK && s_sg.seriesCount == 2 && s_sg.seriesX[0] == 1 &&
              s_sg.seriesY[0] == 2 && s_sg.seriesF[0] == 3 && s_sg.penWidth[1] == 2 && s_sg.markRadius[1] == 2 &&
              s_sg.dataColor[1] == 2 && s_sg.seriesSD[1] == 0;
    SetGraphMaxSeriesNumber(20);
    ok = ok && readText("a\tb\tc\td\n1\t2\t3\t4\n") == kSGReadOK && s_sg.seriesCount == 2;
    std::exit(ok ? 0 : 1);
  };
  EXPECT_EXIT(firstRead(), testing::ExitedWithCode(0), "");
}
