// Dialogs driven by headless scripts through their visible texts: disabled
// items, alerts, and the open and save dialogs.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/headless.h"

namespace {
using vtest::ProgRun;
ProgRun runProg(const std::string& name, const std::string& mode, const std::string& script, const std::string& setup = "") {
  return vtest::runHeadless("dialogs-" + name, "dialogs_prog", script, {"", mode, setup});
}
}  // namespace

TEST(DialogScripts, DisabledItemsAreNeverReported) {
  ProgRun r = runProg("disabled", "disabled",
                  "key return\n"
                  "press \"OK\"\n"
                  "press \"Other\"\n");
  EXPECT_EQ(r.result.status, 0) << r.result.err;
  EXPECT_EQ(r.result.out, "hit 2\nquit\n");
}

TEST(DialogScripts, AlertsShowTheirTextAndEndWithTheButton) {
  ProgRun r = runProg("alert", "alert",
                  "press \"OK\"\n"
                  "key return\n"
                  "cancel\n"
                  "press \"OK\"\n");
  EXPECT_EQ(r.result.status, 0) << r.result.err;
  EXPECT_EQ(r.result.out, "alert 0 1\nalert 1 1\nalert 2 1\nalert 3 1\n");
}

TEST(FileDialogScripts, OpenReturnsTheChosenPathAndHonoursCancel) {
  ProgRun r = runProg("open", "open",
                  "choose \"data.tsv\"\n"
                  "cancel\n"
                  "choose \"sub/notes.txt\"\n",
                  "mkdir -p sub && printf 'a\\tb\\n' > data.tsv && echo x > sub/notes.txt && echo p > pic.png");
  EXPECT_EQ(r.result.status, 0) << r.result.err;
  EXPECT_EQ(r.result.out, "chose " + r.dir + "/data.tsv\ncancelled -128\nchose " + r.dir + "/sub/notes.txt\n");
  r = runProg("open-bad", "open", "choose \"missing.tsv\"\n");
  EXPECT_EQ(r.result.status, 2);
  EXPECT_NE(r.result.err.find("no such file"), std::string::npos) << r.result.err;
  r = runProg("open-save", "open", "saveas \"x.txt\"\n");
  EXPECT_EQ(r.result.status, 2);
}

TEST(FileDialogScripts, SaveRefusesMissingFoldersAndTakesPaths) {
  ProgRun r = runProg("save", "save",
                  "field \"Name:\" \"a/b\"\n"
                  "key return            # refused: the dialog stays\n"
                  "field \"Name:\" \"plain.eps\"\n"
                  "key return\n"
                  "saveas \"out/graph.eps\"\n"
                  "cancel\n",
                  "mkdir -p out");
  EXPECT_EQ(r.result.status, 0) << r.result.err;
  EXPECT_EQ(r.result.out, "chose " + r.dir + "/plain.eps\nchose " + r.dir + "/out/graph.eps\ncancelled -128\n");
  r = runProg("save-nofolder", "save", "saveas \"nowhere/graph.eps\"\n");
  EXPECT_EQ(r.result.status, 2);
  EXPECT_NE(r.result.err.find("no such folder"), std::string::npos) << r.result.err;
}
