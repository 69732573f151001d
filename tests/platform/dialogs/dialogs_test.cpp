// Dialogs driven by headless scripts through their visible texts: fields,
// checkboxes and buttons across pages, Return, disabled items, alerts, and
// the open and save dialogs.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/headless.h"

namespace {
using vtest::ProgRun;
ProgRun runProg(const std::string& name, const std::string& mode, const std::string& script, const std::string& setup = "") {
  return vtest::runHeadless("dialogs-" + name, "dialogs_prog", script, {"", mode, setup});
}
bool has(const std::string& out, const std::string& line) { return vtest::has(out, line + "\n"); }
}  // namespace

TEST(DialogScripts, FieldsChecksAndButtonsReadBackExactly) {
  ProgRun r = runProg("params", "params",
                  "field \"Max Frame X\" 12.5\n"
                  "field \"Title\" \"a \\\"quoted\\\" title\"\n"
                  "key tab              # the next field: P4, all selected\n"
                  "key \"42\"\n"
                  "key tab shift\n"
                  "key tab shift        # back over Title to Max Frame X\n"
                  "key \"7\"\n"
                  "check \"Exit Graph\" on\n"
                  "check \"Exit Graph\" on      # already on: nothing happens\n"
                  "press \"Save Params\"\n"
                  "field \"Interval\"[2] 0.5    # on the second page\n"
                  "check \"Color\" off\n"
                  "key return\n"
                  "press \"<<\"\n"
                  "press \"Close\"\n");
  const std::string& out = r.result.out;
  EXPECT_EQ(r.result.status, 0) << r.result.err;
  EXPECT_TRUE(has(out, "do Save Params")) << out;
  // Return ends the dialog with item 1, from the page in front.
  size_t first = out.find("end 1\n");
  ASSERT_NE(first, std::string::npos) << out;
  std::string values = out.substr(first);
  EXPECT_TRUE(has(values, "field 1.Max Frame X=7")) << values;  // Tab and Shift-Tab found it again
  EXPECT_TRUE(has(values, "field 1.Title=a \"quoted\" title")) << values;
  EXPECT_TRUE(has(values, "flag 1.Exit Graph=1")) << values;
  EXPECT_TRUE(has(values, "field 1.P4=42")) << values;
  EXPECT_TRUE(has(values, "field 1.P5=1.000000")) << values;  // untouched
  EXPECT_TRUE(has(values, "field 2.Interval=1.000000")) << values;
  EXPECT_TRUE(has(values, "field 2.Interval=0.5")) << values;
  EXPECT_TRUE(has(values, "flag 2.Color=0")) << values;
  EXPECT_TRUE(has(out, "end 2")) << out;  // "Close" after turning back
  EXPECT_EQ(out.substr(out.size() - 5), "quit\n");
}

TEST(DialogScripts, MissingAndAmbiguousTextsNameTheLine) {
  ProgRun r = runProg("missing", "params", "field \"Max Frame X\" 3\nfield \"Nothing Here\" 1\n");
  EXPECT_EQ(r.result.status, 2);
  EXPECT_NE(r.result.err.find("line 2"), std::string::npos) << r.result.err;
  EXPECT_NE(r.result.err.find("\"Nothing Here\""), std::string::npos) << r.result.err;
  r = runProg("ambiguous", "params", "field \"Interval\" 3\n");
  EXPECT_EQ(r.result.status, 2);
  EXPECT_NE(r.result.err.find("ambiguous"), std::string::npos) << r.result.err;
  r = runProg("notabutton", "params", "press #56\n");  // the blank page-button place
  EXPECT_EQ(r.result.status, 2);
  EXPECT_NE(r.result.err.find("line 1"), std::string::npos) << r.result.err;
}

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

TEST(FileDialogScripts, SaveRefusesNamesWithSlashesAndTakesPaths) {
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
