// The example data files are what examples/make_examples.py writes (the
// sheetgraph tests read them).
#include <gtest/gtest.h>

#include "tests/support/paths.h"

TEST(Examples, CommittedFilesAreTheScriptsOutput) {
  VTEST_REQUIRE(vtest::haveTool("python3"), "python3");
  std::string out = vtest::scratchDir("examples");
  auto r = vtest::run("python3 " + vtest::sourceDir() + "/examples/make_examples.py " + out);
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* name : {"damped.tsv", "grid.tsv"})
    EXPECT_TRUE(vtest::readFile(out + "/" + name) == vtest::readFile(vtest::sourceDir() + "/examples/" + name))
        << name << " differs from what examples/make_examples.py writes";
}

