// Dialogs driven by headless scripts through their visible texts: disabled
// items, alerts, the open and save dialogs with typed paths, and the
// question before a save replaces a file (a person is asked, a script's
// saveas is not). "@" in the expected output stands for the run's folder.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/headless.h"

TEST(DialogScripts, EveryDialogAnswersItsScript) {
  const struct {
    const char *name, *mode, *setup;
    std::string script;
    int status;
    const char* out;  // the whole output, or with status 2 a part of the error
  } cases[] = {
      {"disabled", "disabled", "", "key return\npress \"OK\"\npress \"Other\"\n", 0, "hit 2\nquit\n"},
      {"alert", "alert", "", "press \"OK\"\nkey return\ncancel\npress \"OK\"\n", 0,
       "alert 0 1\nalert 1 1\nalert 2 1\nalert 3 1\n"},
      {"open", "open", "mkdir -p sub && printf 'a\\tb\\n' > data.tsv && echo x > sub/notes.txt && echo p > pic.png",
       "choose \"data.tsv\"\ncancel\nchoose \"sub/notes.txt\"\n", 0,
       "chose @/data.tsv\ncancelled -128\nchose @/sub/notes.txt\n"},
      {"open-bad", "open", "", "choose \"missing.tsv\"\n", 2, "no such file"},
      {"open-save", "open", "", "saveas \"x.txt\"\n", 2, "line 1"},
      // Refused (the dialog stays), a plain name, a path, then cancel.
      {"save", "save", "mkdir -p out",
       "field \"Name:\" \"a/b\"\nkey return\nfield \"Name:\" \"plain.eps\"\nkey return\n"
       "saveas \"out/graph.eps\"\ncancel\n",
       0, "chose @/plain.eps\nchose @/out/graph.eps\ncancelled -128\n"},
      {"save-nofolder", "save", "", "saveas \"nowhere/graph.eps\"\n", 2, "no such folder"},
      {"save-longname", "save", "", "saveas \"" + std::string(256, 'n') + "\"\n", 2, "at most 255 bytes, this one 256"},
      // Typed paths: relative (through ..), from ~ (HOME is the run's
      // folder), a folder entered, then a name relative to it.
      {"paths-open", "open", "mkdir -p sub && echo a > data.tsv && echo x > sub/notes.txt",
       "field \"Path:\" \"missing.tsv\"\nkey return\nfield \"Path:\" \"sub/../sub/notes.txt\"\nkey return\n"
       "field \"Path:\" \"~/data.tsv\"\nkey return\n"
       "field \"Path:\" \"sub\"\nkey return\nfield \"Path:\" \"notes.txt\"\nkey return\n",
       0, "chose @/sub/notes.txt\nchose @/data.tsv\nchose @/sub/notes.txt\n"},
      {"paths-save", "save", "mkdir -p sub && echo keep > old.eps && echo keep > sub/old.eps",
       "field \"Name:\" \"old.eps\"\nkey return\npress \"Cancel\"\n"
       "field \"Name:\" \"~/sub/old.eps\"\nkey return\npress \"Replace\"\nsaveas \"old.eps\"\ncancel\n",
       0, "chose @/sub/old.eps\nchose @/old.eps\ncancelled -128\n"},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    vtest::ProgRun r = vtest::runHeadless("dialogs-" + std::string(k.name), "twowin_prog", k.script,
                                          {"DIALOG_CASE=" + std::string(k.mode), "", k.setup});
    ASSERT_EQ(r.result.status, k.status) << r.err();
    std::string want = k.out;
    for (size_t at; (at = want.find('@')) != std::string::npos;) want.replace(at, 1, r.dir);
    if (k.status == 0) EXPECT_EQ(r.out(), want);
    else EXPECT_TRUE(vtest::has(r.err(), want)) << r.err();
  }
}
