// The chart-recorder example run headless for its three pages: the saved
// pages, decoded by netpbm's picttoppm, are full, full and half full, and
// every trace goes on at the next page's margin where it left the last one.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "tests/support/ghostscript.h"
#include "tests/support/headless.h"

namespace {
// Rows of each trace colour (neither white nor black) in one column.
std::map<uint32_t, std::set<int>> traceRows(const vtest::Image& page, int col) {
  std::map<uint32_t, std::set<int>> rows;
  for (int y = 0; y < page.height; ++y)
    if (page.at(col, y) != 0xFFFFFF && page.at(col, y) != 0) rows[page.at(col, y)].insert(y);
  return rows;
}
}  // namespace

TEST(RecorderExample, ThreePagesSavedAndTheTracesRunOnAcrossThem) {
  std::string decoder = vtest::picttoppmPath();
  VTEST_REQUIRE(!decoder.empty(), "picttoppm (netpbm)");
  vtest::ProgRun r = vtest::runHeadless("recorder", vtest::programPath("recorder", true), "saveas \"page\"\n");
  ASSERT_EQ(r.result.status, 0) << r.err();
  const std::string& dir = r.dir;
  EXPECT_EQ(vtest::regularFiles(dir), 4) << "pages 0, 1, 2 and the script; nothing at the chosen name";
  vtest::Image pages[3];
  for (int k = 0; k < 3; ++k) {
    std::string f = dir + "/" + std::to_string(k);
    ASSERT_TRUE(vtest::run(decoder + " " + f + " > " + f + ".ppm").status == 0 && vtest::readPPM(f + ".ppm", &pages[k]));
    // Steps of 2 pixels from column 10: to the right edge, then half-way on the last page.
    for (int col : {10, k < 2 ? 639 : 324}) EXPECT_EQ(traceRows(pages[k], col).size(), 4u) << k << " " << col;
  }
  EXPECT_TRUE(traceRows(pages[2], 326).empty());
  for (int k = 0; k < 2; ++k)
    for (auto& [colour, rows] : traceRows(pages[k], 639)) {
      std::set<int> next = traceRows(pages[k + 1], 10)[colour];
      bool joined = false;  // the last step ends a pixel beyond the window
      for (int y : rows) joined = joined || next.lower_bound(y - 2) != next.upper_bound(y + 2);
      EXPECT_TRUE(joined) << "a trace jumps at row " << *rows.begin() << " after page " << k;
    }
}
