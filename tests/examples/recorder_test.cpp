// The chart-recorder example run headless for its three pages: each saved
// page, decoded by netpbm's picttoppm, shows the four traces in their bands,
// every trace goes on at the next page's left margin from the row where it
// left the previous page, and the last page is filled half-way.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "tests/support/ghostscript.h"
#include "tests/support/paths.h"

namespace {
// Rows of each trace colour (neither white nor black) in one column.
std::map<uint32_t, std::set<int>> traceRows(const vtest::Image& page, int col) {
  std::map<uint32_t, std::set<int>> rows;
  for (int y = 0; y < page.height; ++y) {
    uint32_t p = page.at(col, y);
    if (p != 0xFFFFFF && p != 0) rows[p].insert(y);
  }
  return rows;
}

int lastTraceColumn(const vtest::Image& page) {
  for (int x = page.width - 1; x >= 0; --x)
    if (!traceRows(page, x).empty()) return x;
  return -1;
}
}  // namespace

TEST(RecorderExample, ThreePagesSavedAndTheTracesRunOnAcrossThem) {
  std::string decoder = vtest::picttoppmPath();
  VTEST_REQUIRE(!decoder.empty(), "picttoppm (netpbm)");
  std::string dir = vtest::scratchDir("recorder");
  vtest::writeFile(dir + "/s.txt", "saveas \"page\"\n");
  vtest::RunResult r = vtest::run("cd " + dir + " && VOK_DISPLAY=headless VOK_SCRIPT=s.txt " + vtest::binaryDir() +
                                  "/examples/recorder");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("787 points on 3 pages"), std::string::npos) << r.out;
  EXPECT_EQ(vtest::regularFiles(dir), 4) << "the pages 0, 1, 2 and the script; nothing at the chosen name";
  vtest::Image pages[3];
  for (int k = 0; k < 3; ++k) {
    std::string f = dir + "/" + std::to_string(k);
    ASSERT_EQ(vtest::run(decoder + " " + f + " > " + f + ".ppm 2>/dev/null").status, 0) << "page " << k;
    ASSERT_TRUE(vtest::readPPM(f + ".ppm", &pages[k]));
    ASSERT_EQ(pages[k].width, 640);
  }
  // Pages 0 and 1 run to the right edge (315 steps of 2 pixels from column 10); page 2 half-way.
  EXPECT_EQ(lastTraceColumn(pages[0]), 639);
  EXPECT_EQ(lastTraceColumn(pages[1]), 639);
  EXPECT_EQ(lastTraceColumn(pages[2]), 10 + 2 * 157);
  for (int k = 0; k < 2; ++k) {
    auto leaving = traceRows(pages[k], lastTraceColumn(pages[k])), entering = traceRows(pages[k + 1], 10);
    ASSERT_EQ(leaving.size(), 4u) << "page " << k;
    ASSERT_EQ(entering.size(), 4u) << "page " << k + 1;
    for (auto& [colour, rows] : leaving) {
      int band = *rows.begin() * 4 / pages[k].height;
      bool joined = false;
      for (int y : rows)  // the last step ends one pixel beyond the window
        for (int dy = -2; dy <= 2; ++dy) joined = joined || entering[colour].count(y + dy);
      EXPECT_TRUE(joined) << "trace in band " << band << " jumps between pages " << k << " and " << k + 1;
      EXPECT_EQ(*entering[colour].begin() * 4 / pages[k].height, band);
    }
  }
}
