// The file dialogs and the queue of handed-over documents in started
// programs driven by headless scripts: which dialog each fopen mode gets,
// cancel, whole-file writing through the save dialog, the default folder,
// and command-line documents taken one by one before the open dialog.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/headless.h"

namespace {
using vtest::ProgRun;
// Runs file_dialogs_prog after `setup` (shell), with FD_* settings in `vars`
// and `docs` on the command line.
ProgRun runCase(const std::string& name, const std::string& vars, const std::string& script,
                const std::string& setup = "", const std::string& docs = "") {
  return vtest::runHeadless("file-dialogs-" + name, "file_dialogs_prog", script, {vars, docs, setup});
}
// Files in dir other than the script (temporary files must not stay).
std::string listing(const std::string& dir) {
  return vtest::run("cd " + dir + " && ls -A | grep -v '^script$' | tr '\\n' ' '").out;
}
}  // namespace

// Command-line documents are taken one by one (a missing one is named and
// skipped), then the open dialog is asked.
TEST(DocumentQueue, CommandLineFilesComeInOrderThenTheOpenDialog) {
  const struct {
    const char *name, *script, *docs, *out;
  } cases[] = {
      {"queue", "choose \"c.txt\"\n", "a.txt b.txt",
       "count 2\ndocument a.txt: first\ncount 1\ndocument b.txt: second\ncount 0\n"
       "next null\nspec zero, count 0, taken 2\ndialog third\n"},
      {"queue-missing", "cancel\n", "gone.txt b.txt",
       "count 2\ndocument gone.txt: No such file or directory\ncount 1\ndocument b.txt: second\ncount 0\n"
       "next null\nspec zero, count 0, taken 2\ndialog null\n"},
      {"queue-none", "cancel\n", "", "count 0\nnext null\nspec zero, count 0, taken 0\ndialog null\n"},
  };
  for (const auto& c : cases) {
    ProgRun r = runCase(c.name, "FD_CASE=queue", c.script,
                        "echo first > a.txt && echo second > b.txt && echo third > c.txt", c.docs);
    ASSERT_EQ(r.result.status, 0) << c.name << ": " << r.result.err;
    EXPECT_EQ(r.result.out, c.out) << c.name;
  }
}

TEST(DialogFOpen, ModesPickTheDialogAndTheOfferedTypes) {
  // r, r+, a+ and w+ use the open dialog; a+ reads from the start of the chosen file.
  ProgRun r = runCase("modes", "FD_CASE=open FD_MODES=r,rb,a+,r+",
                      "choose \"data.tsv\"\nchoose \"pic.png\"\nchoose \"data.tsv\"\ncancel\n",
                      "printf 'x\\ty\\n1\\t2\\n' > data.tsv && echo png > pic.png");
  ASSERT_EQ(r.result.status, 0) << r.result.err;
  EXPECT_EQ(r.result.out,
            "r: data.tsv: x\ty\nr: close 0\n"
            "rb: pic.png: png\nrb: close 0\n"
            "a+: data.tsv: x\ty\na+: close 0\n"
            "r+: null\n");
  // A text mode does not offer a file of another type.
  r = runCase("modes-text", "FD_CASE=open FD_MODES=r", "choose \"pic.png\"\n", "echo png > pic.png");
  EXPECT_TRUE(r.result.status == 2 && vtest::has(r.err(), "not of a type")) << r.err();
}

TEST(DialogFOpen, SaveWritesTheChosenFileWholeOnClose) {
  // The old content stays until fclose; then the new file replaces it.
  ProgRun r = runCase("save", "FD_CASE=open FD_MODES=w,wb,a FD_NAME=drawing.eps",
                      "saveas \"out/g.eps\"\nsaveas \"out/g.bin\"\nsaveas \"out/g.eps\"\n",
                      "mkdir -p out && echo old > out/g.eps");
  ASSERT_EQ(r.result.status, 0) << r.result.err;
  EXPECT_EQ(r.result.out,
            "w: g.eps: before close old\nw: close 0\n"
            "wb: g.bin: before close (none)\nwb: close 0\n"
            "a: g.eps: before close written with w\na: close 0\n");
  EXPECT_EQ(r.file("out/g.eps") + r.file("out/g.bin"), "written with a\nwritten with wb\n");
  EXPECT_EQ(listing(r.dir + "/out"), "g.bin g.eps ");
}

// A save that is cancelled, that cannot make its file, or whose stream the
// program never closes leaves the folder as it was (old.eps untouched).
TEST(DialogFOpen, FailedOrUnfinishedSavesWriteNothing) {
  const struct {
    const char *name, *vars, *script, *out;
  } cases[] = {
      {"save-cancel", "", "cancel\n", "w: null\n"},
      // /proc takes no new files, not even from root.
      {"save-ro", "", "saveas \"/proc/vok-test.txt\"\n", "w: null vok-test.txt\n"},
      // The program returns from main with the stream still open.
      {"save-unclosed", "FD_LEAVE_OPEN=1", "saveas \"x.txt\"\n", "w: x.txt: before close (none)\n"},
  };
  for (const auto& c : cases) {
    ProgRun r = runCase(c.name, "FD_CASE=open FD_MODES=w " + std::string(c.vars), c.script, "echo keep > old.eps");
    ASSERT_EQ(r.result.status, 0) << c.name << ": " << r.result.err;
    EXPECT_EQ(r.result.out + r.file("old.eps") + listing(r.dir), c.out + std::string("keep\nold.eps ")) << c.name;
  }
}

TEST(DefaultFileLocation, DialogsStartInTheGivenFolder) {
  // Return takes the proposed name in the folder the save dialog shows.
  ProgRun r = runCase("location", "FD_CASE=location FD_FOLDER=place", "key return\ncancel\n", "mkdir place");
  ASSERT_EQ(r.result.status, 0) << r.result.err;
  EXPECT_EQ(r.result.out, "save " + r.dir + "/place/placed.txt close 0\nopen null\n");
  EXPECT_EQ(vtest::readFile(r.dir + "/place/placed.txt"), "placed\n");
}

TEST(DialogFSSpec, ChoiceOrZeroSpec) {
  for (const char* answer : {"choose \"any.bin\"\n", "cancel\n"}) {
    ProgRun r = runCase("spec", "FD_CASE=spec", answer, "echo 1 > any.bin");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_EQ(r.result.out, vtest::has(answer, "choose") ? "spec any.bin, kept 1\n" : "spec zero\n");
  }
}
