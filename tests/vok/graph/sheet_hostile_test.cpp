// Sources a reader must survive: a header past the first buffer (a stale
// pointer into it shows under ASan), lines and streams without end, wide
// files of few rows (tables sized by the file, the capacity setting kept).
#include <gtest/gtest.h>

#include "tests/support/paths.h"
#include "vok/graph/graph_settings.h"
#include "vok/graph/sheet_data.h"
#include "vok/graph/sheet_internal.h"

TEST(SheetHostile, SourcesAreReadWithinBounds) {
  const std::string path = vtest::scratchDir("sheet_hostile") + "/d", huge(SGLineSource::kMaxLine + 9, '7');
  std::string wide = "c", rows;
  for (int c = 1; c < 4096; ++c) wide += "\t1";
  for (int i = 0; i < 200; ++i) rows += std::to_string(i) + (i < 100 ? std::string(900, ' ') : "") + "\t7\n";
  struct Case {
    std::string text;  // a file's text, or "|command" for a pipe
    int status, rows, tablesBelow;
    const char* says;
  } cases[] = {
      {"t\t" + std::string(70000, 'n') + "\n" + rows, kSGReadOK, 200, 5001, ""},
      {wide + "\n" + wide + "\n" + wide + "\n", kSGReadOK, 2, 40, ""},
      {"x\ty\n" + rows, kSGReadOK, 200, 250, ""},
      {huge, kSGReadNotText, 0, 0, "a line is longer than 16 MiB"},
      {"a\n1\n2\n" + huge + "\n3\n", kSGReadCutShort, 2, 0, "a line is longer than 16 MiB"},
      {"|yes | tr -d '\\n'", kSGReadIOError, 0, 0, "more than 256 MiB without an end"},
      {"|cat /dev/zero", kSGReadNotText, 0, 0, "not a text file"},
  };
  for (const Case& c : cases) {
    SetGraphDataNumber(5000);
    s_sg.dataCount = 0;
    char message[512] = "";
    if (c.text[0] != '|') vtest::writeFile(path, c.text);
    FILE* f = c.text[0] == '|' ? popen(c.text.c_str() + 1, "r") : std::fopen(path.c_str(), "rb");
    EXPECT_EQ(SGReadFile(f, "d", message, sizeof message), c.status) << c.text.substr(0, 9) << message;
    c.text[0] == '|' ? pclose(f) : std::fclose(f);
    EXPECT_NE(std::string(message).find(c.says), std::string::npos) << message;
    EXPECT_EQ(s_sg.dataCount, c.rows) << c.text.substr(0, 9);
    EXPECT_LT(c.status == kSGReadOK ? s_sgTables.rows : 0, c.tablesBelow + 1);
    EXPECT_EQ(s_sg.dataNumber, 5000);
  }
}
