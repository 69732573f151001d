// Typing paths into the file dialogs, and the question before a save
// replaces a file: a person is asked, a script's saveas is not.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/headless.h"

namespace {
vtest::ProgRun runProg(const std::string& name, const std::string& mode, const std::string& script,
                       const std::string& setup) {
  return vtest::runHeadless("paths-" + name, "dialogs_prog", script, {"", mode, setup});
}
}  // namespace

TEST(FileDialogPaths, OpenTakesTypedPathsRelativeAbsoluteAndFromHome) {
  vtest::ProgRun r = runProg("open", "open",
                             "field \"Path:\" \"missing.tsv\"\n"
                             "key return            # no such file: the dialog stays\n"
                             "field \"Path:\" \"sub/../sub/notes.txt\"\n"
                             "key return\n"
                             "field \"Path:\" \"~/data.tsv\"\n"
                             "key return\n"
                             "field \"Path:\" \"sub\"\n"
                             "key return            # a folder is entered\n"
                             "field \"Path:\" \"notes.txt\"\n"
                             "key return            # relative to the folder shown\n",
                             "mkdir -p sub && printf 'a\\tb\\n' > data.tsv && echo x > sub/notes.txt");
  ASSERT_EQ(r.result.status, 0) << r.result.err;
  EXPECT_EQ(r.out(), "chose " + r.dir + "/sub/notes.txt\nchose " + r.dir + "/data.tsv\nchose " + r.dir +
                         "/sub/notes.txt\n");
}

TEST(FileDialogPaths, SavingOverAFileAsksAPersonButNotAScript) {
  vtest::ProgRun r = runProg("save", "save",
                             "field \"Name:\" \"old.eps\"\n"
                             "key return\n"
                             "press \"Cancel\"      # the question: keep the file, stay in the dialog\n"
                             "field \"Name:\" \"~/sub/old.eps\"\n"
                             "key return\n"
                             "press \"Replace\"\n"
                             "saveas \"old.eps\"    # states its intent: no question\n"
                             "field \"Name:\" \"nowhere/x.eps\"\n"
                             "key return            # no such folder: the dialog stays\n"
                             "cancel\n",
                             "mkdir -p sub && echo keep > old.eps && echo keep > sub/old.eps");
  ASSERT_EQ(r.result.status, 0) << r.result.err;
  EXPECT_EQ(r.out(), "chose " + r.dir + "/sub/old.eps\nchose " + r.dir + "/old.eps\ncancelled -128\n");
}
