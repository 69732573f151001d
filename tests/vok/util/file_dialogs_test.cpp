// The file dialogs and the queue of handed-over documents in started
// programs driven by headless scripts: which dialog each fopen mode gets,
// cancel, whole-file writing through the save dialog, the default folder,
// and command-line documents taken one by one before the open dialog.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/headless.h"

namespace {
using vtest::ProgRun;
// Runs the file dialogs of frame_prog after `setup` (shell), with FD_* settings in `vars`
// and `docs` on the command line.
ProgRun runCase(const std::string& name, const std::string& vars, const std::string& script,
                const std::string& setup = "", const std::string& docs = "") {
  return vtest::runHeadless("file-dialogs-" + name, "frame_prog", script, {"VOK_TEST_MODE=dialogs " + vars, docs, setup});
}
}  // namespace

// What each run prints, then what `after` (shell, in the run's folder)
// prints: the files it left; {dir} stands for the run's folder.
TEST(FileDialogs, EachCaseGetsItsDialogAndLeavesItsFiles) {
  const char* const docs = "echo first > a.txt && echo second > b.txt && echo third > c.txt";
  const char* const files = "cat old.eps; ls -A | grep -v '^script$' | tr '\\n' ' '";
  const struct {
    const char *name, *vars, *script, *setup, *docs, *after, *out;
  } cases[] = {
      // Command-line documents are taken one by one (a missing one is named
      // and skipped), then the open dialog is asked.
      {"queue", "FD_CASE=queue", "choose \"c.txt\"\n", docs, "a.txt b.txt", "",
       "count 2\ndocument a.txt: first\ncount 1\ndocument b.txt: second\ncount 0\n"
       "next null\nspec zero, count 0, taken 2\ndialog third\n"},
      {"queue-missing", "FD_CASE=queue", "cancel\n", docs, "gone.txt b.txt", "",
       "count 2\ndocument gone.txt: No such file or directory\ncount 1\ndocument b.txt: second\ncount 0\n"
       "next null\nspec zero, count 0, taken 2\ndialog null\n"},
      // r, r+, a+ and w+ use the open dialog; a+ reads from the start of the chosen file.
      {"modes", "FD_CASE=open FD_MODES=r,rb,a+,r+",
       "choose \"data.tsv\"\nchoose \"pic.png\"\nchoose \"data.tsv\"\ncancel\n",
       "printf 'x\\ty\\n1\\t2\\n' > data.tsv && echo png > pic.png", "", "",
       "r: data.tsv: x\ty\nr: close 0\nrb: pic.png: png\nrb: close 0\na+: data.tsv: x\ty\na+: close 0\nr+: null\n"},
      // The old content stays until fclose; then the new file replaces it.
      {"save", "FD_CASE=open FD_MODES=w,wb,a FD_NAME=drawing.eps",
       "saveas \"out/g.eps\"\nsaveas \"out/g.bin\"\nsaveas \"out/g.eps\"\n", "mkdir -p out && echo old > out/g.eps", "",
       "cat out/g.eps out/g.bin; ls -A out | tr '\\n' ' '",
       "w: g.eps: before close old\nw: close 0\nwb: g.bin: before close (none)\nwb: close 0\n"
       "a: g.eps: before close written with w\na: close 0\nwritten with a\nwritten with wb\ng.bin g.eps "},
      // A save that is cancelled, that cannot make its file (/proc takes no
      // new files, not even from root), or whose stream the program never
      // closes leaves the folder as it was.
      {"save-cancel", "FD_CASE=open FD_MODES=w", "cancel\n", "echo keep > old.eps", "", files,
       "w: null\nkeep\nold.eps "},
      {"save-ro", "FD_CASE=open FD_MODES=w", "saveas \"/proc/vok-test.txt\"\n", "echo keep > old.eps", "", files,
       "w: null vok-test.txt\nkeep\nold.eps "},
      {"save-unclosed", "FD_CASE=open FD_MODES=w FD_LEAVE_OPEN=1", "saveas \"x.txt\"\n", "echo keep > old.eps", "",
       files,
       "w: x.txt: before close (none)\nkeep\nold.eps "},
      // Return takes the proposed name in the folder the save dialog shows.
      {"location", "FD_CASE=location FD_FOLDER=place", "key return\ncancel\n", "mkdir place", "", "cat place/placed.txt",
       "save {dir}/place/placed.txt close 0\nopen null\nplaced\n"},
      {"spec", "FD_CASE=spec", "choose \"any.bin\"\n", "echo 1 > any.bin", "", "", "spec any.bin, kept 1\n"},
      {"spec-cancel", "FD_CASE=spec", "cancel\n", "", "", "", "spec zero\n"},
  };
  for (const auto& c : cases) {
    ProgRun r = runCase(c.name, c.vars, c.script, c.setup, c.docs);
    ASSERT_EQ(r.result.status, 0) << c.name << ": " << r.result.err;
    std::string out = r.out() + (*c.after ? vtest::run("cd '" + r.dir + "' && " + c.after).out : "");
    std::string want = c.out;
    if (size_t at = want.find("{dir}"); at != std::string::npos) want.replace(at, 5, r.dir);
    EXPECT_EQ(out, want) << c.name;
  }
}

// A text mode does not offer a file of another type.
TEST(FileDialogs, TextModesRefuseOtherTypes) {
  ProgRun r = runCase("modes-text", "FD_CASE=open FD_MODES=r", "choose \"pic.png\"\n", "echo png > pic.png");
  EXPECT_TRUE(r.result.status == 2 && vtest::has(r.err(), "not of a type")) << r.err();
}
