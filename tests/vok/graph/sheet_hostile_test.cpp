// Data sources a reader must survive: header lines past the first buffer,
// lines and streams without end, and wide files of few rows.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/support/paths.h"
#include "vok/graph/graph_settings.h"
#include "vok/graph/sheet_data.h"
#include "vok/graph/sheet_internal.h"

namespace {
std::string scratchFile(const std::string& text, const std::string& name = "data.tsv") {
  static std::string dir = vtest::scratchDir("sheet_hostile");  // made fresh once: a second call would empty it
  std::string path = dir + "/" + name;
  vtest::writeFile(path, text);
  return path;
}

std::string rows(int count, const std::string& pad = "") {
  std::string t;
  for (int i = 0; i < count; ++i) t += std::to_string(i) + "\t" + std::to_string(2 * i) + pad + "\n";
  return t;
}

long long sumColumn(int c) {
  long long s = 0;
  for (int r = 0; r < s_sg.dataCount; ++r) s += s_sg.valid[c][r] ? (long long)s_sg.data[c][r] : 1000000;
  return s;
}
}  // namespace

// The buffer grows while the header is read: every row must still come out
// (under ASan a stale pointer into the old buffer is a use after free).
TEST(SheetHostile, HeaderLinesPastTheFirstBuffer) {
  for (size_t length : {size_t(65535), size_t(65536), size_t(70000), size_t(300000)}) {
    for (int capacity : {5, 1000}) {
      SetGraphDataNumber(capacity);
      std::string path = scratchFile("t\t" + std::string(length, 'n') + "\n" + rows(200));
      char message[512];
      ASSERT_EQ(SGReadPath(path.c_str(), message, sizeof message), kSGReadOK) << length << ": " << message;
      EXPECT_EQ(s_sg.dataCount, 200) << length;
      EXPECT_EQ(sumColumn(1), 2 * (199 * 200 / 2)) << length;
    }
  }
}

// Nothing is read into all memory: a line or a stream without end is
// refused with a message, rows before a monstrous line are kept.
TEST(SheetHostile, EndlessSourcesAreRefused) {
  const std::string huge(SGLineSource::kMaxLine + 10, '7');
  struct Case {
    std::string source;  // a path, or "|command" for a pipe
    int status;
    const char* says;
    int rowsKept;
  } cases[] = {
      {"/dev/zero", kSGReadNotText, "not a text file", -1},
      {scratchFile(huge, "line.tsv"), kSGReadNotText, "a line is longer than 16 MiB", -1},
      {scratchFile("a\tb\n" + rows(3) + huge + "\n" + rows(3)), kSGReadCutShort, "a line is longer than 16 MiB", 3},
      {"|yes | tr -d '\\n'", kSGReadIOError, "more than 256 MiB without an end", -1},
  };
  for (const Case& c : cases) {
    SetGraphDataNumber(100);
    char message[512] = "";
    int status;
    if (c.source[0] == '|') {
      FILE* pipe = popen(c.source.c_str() + 1, "r");
      ASSERT_NE(pipe, nullptr);
      status = SGReadFile(pipe, "endless", message, sizeof message);
      pclose(pipe);
    } else {
      status = SGReadPath(c.source.c_str(), message, sizeof message);
    }
    EXPECT_EQ(status, c.status) << c.source.substr(0, 40);
    EXPECT_NE(std::string(message).find(c.says), std::string::npos) << message;
    if (c.rowsKept >= 0) {
      EXPECT_EQ(s_sg.dataCount, c.rowsKept);
    }
  }
}

// Tables are sized by the file, not capacity x columns; a file whose first
// block misleads the estimate still reads whole, and the capacity setting
// is left as it was.
TEST(SheetHostile, TablesAreSizedByTheFile) {
  std::string wide;
  for (int c = 0; c < 4096; ++c) wide += (c ? "\t" : "") + std::string("c") + std::to_string(c);
  wide += "\n";
  for (int r = 0; r < 10; ++r) {
    for (int c = 0; c < 4096; ++c) wide += (c ? "\t" : "") + std::to_string(r);
    wide += "\n";
  }
  const std::string skewed = "x\ty\n" + rows(500, std::string(300, ' ')) + rows(3000);
  struct Case {
    const std::string& text;
    int rows;
  } cases[] = {{wide, 10}, {skewed, 3500}};
  for (const Case& c : cases) {
    SetGraphDataNumber(5000);
    ASSERT_EQ(SGReadPath(scratchFile(c.text).c_str(), nullptr, 0), kSGReadOK);
    EXPECT_EQ(s_sg.dataCount, c.rows);
    EXPECT_EQ(s_sg.dataNumber, 5000);
    EXPECT_LT(s_sgTables.rows, c.rows * 2 + 32);
    EXPECT_EQ(s_sg.valid[s_sg.columnCount - 1][c.rows - 1], 1);
  }
}
