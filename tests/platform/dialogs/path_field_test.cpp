// Typing paths into the file dialogs, and the question before a save
// replaces a file: a person is asked, a script's saveas is not.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/headless.h"

TEST(FileDialogPaths, TypedPathsAndTheReplaceQuestion) {
  // Relative (through ..), from ~ (HOME is the run's folder), a folder entered, then relative to it.
  vtest::ProgRun r = vtest::runHeadless("paths-open", "dialogs_prog",
                                        "field \"Path:\" \"missing.tsv\"\nkey return\n"
                                        "field \"Path:\" \"sub/../sub/notes.txt\"\nkey return\n"
                                        "field \"Path:\" \"~/data.tsv\"\nkey return\n"
                                        "field \"Path:\" \"sub\"\nkey return\nfield \"Path:\" \"notes.txt\"\nkey return\n",
                                        {"", "open", "mkdir -p sub && echo a > data.tsv && echo x > sub/notes.txt"});
  ASSERT_EQ(r.result.status, 0) << r.err();
  EXPECT_EQ(r.out(), "chose " + r.dir + "/sub/notes.txt\nchose " + r.dir + "/data.tsv\nchose " + r.dir + "/sub/notes.txt\n");
  r = vtest::runHeadless("paths-save", "dialogs_prog",
                         "field \"Name:\" \"old.eps\"\nkey return\npress \"Cancel\"\n"
                         "field \"Name:\" \"~/sub/old.eps\"\nkey return\npress \"Replace\"\n"
                         "saveas \"old.eps\"\ncancel\n",
                         {"", "save", "mkdir -p sub && echo keep > old.eps && echo keep > sub/old.eps"});
  ASSERT_EQ(r.result.status, 0) << r.err();
  EXPECT_EQ(r.out(), "chose " + r.dir + "/sub/old.eps\nchose " + r.dir + "/old.eps\ncancelled -128\n");
}
