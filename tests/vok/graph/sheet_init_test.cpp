// SGInit end to end in a child program: where the file comes from (the
// documents of the command line, the open dialog, fileName), what a
// cancelled or unreadable file leaves, the parameters registered on the
// first read, and the series settings applied after every read.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/headless.h"
#include "tests/support/vok_expect.h"

namespace {
using vtest::hasAll;
using vtest::ProgRun;

// Runs the SGInit mode of frame_prog in a scratch folder holding the standard files, with
// `env` before it, `args` as its documents and `script` as its input, after
// the shell command `setup`.
ProgRun runProg(const std::string& name, const std::string& env, const std::string& script,
                const std::string& args = "", const std::string& setup = "true") {
  std::string tabs;
  for (int c = 0; c < 5000; ++c) tabs += "a\t";
  const std::pair<const char*, std::string> files[] = {
      {"a.tsv", "t\tA\tB\n0\t1\t10\n2\t5\t30\n"},
      {"b.tsv", "x\ty\n1\t-1\n2\t-2\n3\t-3\n"},
      {"wide.tsv", "p\tq\tr\ts\n1\t2\t3\t4\n"},
      {"noheader.tsv", " \t\n1\t2\n"},
      {"tabs.tsv", tabs + "a\n1\n"}};
  std::string dir = vtest::scratchDir("sheet-init-" + name);
  for (const auto& f : files) vtest::writeFile(dir + "/" + f.first, f.second);
  return {dir, vtest::runHeadlessIn(dir, "frame_prog", script, {"VOK_TEST_MODE=sheet " + env, args, setup})};
}

// The log line of an alert in a headless run.
const std::string kAlert = "frame_prog: alert: Error in SGInit: ";
const std::string kParamsOfA =
    "  params: Series Number:staticIntType@columnCount, Data 1:stringType@name1, Data 2:stringType@name2, "
    "Data 3:stringType@name3\n";
}  // namespace

// The document of the command line comes first and without a dialog; then
// the open dialog; a cancelled dialog keeps everything and says nothing.
// The parameters are registered once, on the first read.
TEST(SGInit, DocumentThenOpenDialogThenCancel) {
  ProgRun r = runProg("sources", "SG_READS=3", "choose \"b.tsv\"\ncancel\n", "a.tsv");
  ASSERT_EQ(r.result.status, 0) << r.result.out << r.result.err;
  // The one registration, listed whole after each read; no alert.
  const std::string a = "file=a.tsv columns=3 rows=2 names=t|A|B x1=1 y1=2 pen2=2 frame=0..2,1..5\n" + kParamsOfA;
  const std::string b = "file=b.tsv columns=2 rows=3 names=x|y x1=1 y1=2 pen2=2 frame=1..3,-3..-1\n" + kParamsOfA;
  EXPECT_TRUE(hasAll(r.result.out, {"read 1: " + a, "read 2: " + b, "read 3: " + b}));
  EXPECT_TRUE(vtest::hasNone(r.result.err, {"alert:"}));
}

// Nothing read, nothing registered: a first dialog cancelled (silently), a
// named file that is not there (with an alert).
TEST(SGInit, NothingReadRegistersNothing) {
  ProgRun r = runProg("cancel-first", "", "cancel\n");
  ASSERT_EQ(r.result.status, 0) << r.result.out << r.result.err;
  EXPECT_EQ(r.result.out, "read 1: file=data columns=0 rows=0 names=\n  params: none\n");
  EXPECT_TRUE(vtest::hasNone(r.result.err, {"alert:"}));
  r = runProg("named-missing", "SG_FILE=nope.tsv", "press \"OK\"\n");
  ASSERT_EQ(r.result.status, 1) << r.result.out << r.result.err;  // the alert fails the run
  EXPECT_EQ(r.result.out, "read 1: file=nope.tsv columns=0 rows=0 names=\n  params: none\n");
  EXPECT_TRUE(hasAll(r.result.err, {kAlert + "cannot open \"nope.tsv\": No such file or directory\n"}));
}

// Files that cannot be read give an alert naming the file and change
// nothing (the good file's data and frame stay to the last read), before
// and after a good file; only the good one registers. (Each way a file is
// refused, with its message: SheetRead.RefusedFilesKeepTheDataAndNameTheFile.)
TEST(SGInit, UnreadableFilesAreNamedInAnAlert) {
  std::string script;
  for (int i = 0; i < 7; ++i) script += "press \"OK\"\n";
  // A path too long for an alert is named by its last part, so the reason still shows.
  std::string deep = std::string(120, 'd') + "/" + std::string(120, 'e');
  ProgRun r = runProg("hostile", "SG_READS=8", script,
                      "missing.tsv tabs.tsv a.tsv noheader.tsv wide.tsv folder " + deep +
                          "/gone.tsv " + deep + "/deep.tsv",
                      "mkdir -p folder " + deep + " && : > " + deep + "/deep.tsv");
  ASSERT_EQ(r.result.status, 1) << r.result.out << r.result.err;
  const std::string& e = kAlert;
  EXPECT_TRUE(hasAll(
      r.result.err,
      {e + "cannot open \"gone.tsv\": No such file", e + "\"deep.tsv\" is empty\n",
       e + "cannot open \"" + r.dir + "/missing.tsv\": No such file",
       // The dialog's parameters stand for the first file's three columns: a wider file is refused.
       e + "\"" + r.dir + "/wide.tsv\" has 4 columns, more than the 3 of the first data file",
       e + "cannot read \"" + r.dir + "/folder\": Is a directory",
       // Before the first file the width is bounded too: every column would get a dialog parameter.
       e + "\"" + r.dir + "/tabs.tsv\" has 5001 columns; at most 4096 can be read"}));
  EXPECT_TRUE(hasAll(
      r.result.out,
      {"read 2: file=data columns=0 rows=0 names=\n  params: none\n", "read 3: file=a.tsv columns=3 rows=2 names=t|A|B",
       "read 8: file=a.tsv columns=3 rows=2 names=t|A|B x1=1 y1=2 pen2=2 frame=0..2,1..5\n" +
           kParamsOfA}));
}

// With useDialog cleared the named file is read directly, again at every
// read (the script has no answer for a dialog). Settings recorded before
// the file existed land after each read, after the default frame range was
// taken from series 1's own columns, and win over an edit at the next read;
// other groups and missing series are left out.
TEST(SGInit, NamedFileWithoutDialogAndDelayedSeriesSettingsAfterEveryRead) {
  ProgRun r = runProg("named-delayed", "SG_FILE=a.tsv SG_DELAY=1 SG_READS=2", "");
  ASSERT_EQ(r.result.status, 0) << r.result.out << r.result.err;
  EXPECT_TRUE(
      hasAll(r.result.out, {"read 1: file=a.tsv columns=3 rows=2 names=t|A|B x1=1 y1=3 pen2=4.5 frame=0..2,1..5\n",
                            "read 2: file=a.tsv columns=3 rows=2 names=t|A|B x1=1 y1=3 pen2=4.5"}));
}

// "Load New Data" inside the Parameters dialog: a name edited past 127
// characters is cut back even when the dialog is cancelled, the new file's
// names show in the fields, a narrower file leaves the extra names empty
// and registers nothing new.
TEST(SGInit, LoadNewDataFromTheDialog) {
  std::string longName(200, 'n');
  std::string load = "press \"Load New Data\"\n", report = "press \"Report\"\n";
  ProgRun r = runProg("button", "SG_BUTTON=1",
                      "field \"Data 2\" \"" + longName + "\"\n" + load + "cancel\n" + report + load +
                          "choose \"b.tsv\"\n" + report + "press #1\n",
                      "a.tsv");
  ASSERT_EQ(r.result.status, 0) << r.result.out << r.result.err;
  const std::string& out = r.result.out;
  EXPECT_TRUE(
      hasAll(out, {"read 1: file=a.tsv columns=3 rows=2 names=t|A|B",
                   "button: file=a.tsv columns=3 rows=2 names=t|" + std::string(127, 'n') + "|B ",
                   "button: file=b.tsv columns=2 rows=3 names=x|y ", "dialog: file=b.tsv columns=2 rows=3 names=x|y ",
                   "  params: Load New Data:doType@button, Report:doType@button, Series Number:staticIntType@"
                   "columnCount, Data 1:stringType@name1, Data 2:stringType@name2, Data 3:stringType@name3\n"}));
  EXPECT_TRUE(vtest::hasNone(out, {longName.substr(0, 128)}));
}
