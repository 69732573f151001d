// The example programs a user copies, run headless as a user runs them: one
// drawing saved as EPS, then "Exit Graph". Ghostscript reads each file, and
// its render shows more than a bare frame: the curves, bars or painted area.
#include <gtest/gtest.h>

#include "tests/support/ghostscript.h"
#include "tests/support/headless.h"

namespace {
// Share of dark pixels in Ghostscript's render of the file.
double darkShare(const std::string& eps) {
  vtest::Image img;
  if (!vtest::gsRender(eps, &img) || img.rgb.empty()) return -1;
  size_t dark = 0;
  for (uint32_t p : img.rgb) dark += ((p >> 16 & 0xFF) + (p >> 8 & 0xFF) + (p & 0xFF)) < 3 * 128;
  return double(dark) / double(img.rgb.size());
}
}  // namespace

TEST(ExamplePrograms, EachDrawsItsGraphIntoAnEPSFile) {
  const char* kScript =
      "check \"EPS Save Graph\" on\npress \"OK\"\nsaveas \"graph.eps\"\nclick 600 400\n"
      "check \"Exit Graph\" on\npress \"OK\"\n";
  struct Case {
    const char* program;
    const char* number;  // a corner number of its frame
    double minDark;      // a bare frame with its numbers stays below 3 %
  } cases[] = {{"curves", "(6.3)", 0.08}, {"bars", "(10.0)", 0.06}, {"lissajous", "(-1.1)", 0.04}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    std::string dir = vtest::scratchDir(std::string("example-") + c.program);
    vtest::RunResult r = vtest::runScripted(dir, vtest::binaryDir() + "/examples/" + c.program, kScript);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out, "") << "no console messages";
    vtest::expectGoodEPS(dir + "/graph.eps");
    if (!vtest::haveGhostscript()) continue;
    EXPECT_NE(vtest::readFile(dir + "/graph.eps").find(c.number), std::string::npos);
    EXPECT_GT(darkShare(dir + "/graph.eps"), c.minDark);
  }
}
