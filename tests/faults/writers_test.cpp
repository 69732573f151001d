// Every file the toolkit writes, against a write that fails at each step:
// a clean run counts the opens, writes, syncs and renames in the file's
// folder (tests/support/fault_shim.cpp); then each of them in turn fails
// with each error. A run must either fail saying which file and why, with
// the old file byte for byte as it was, or get over the fault (a recording
// moved to another temporary folder) and write the whole file; never is a
// temporary left in the folder or in TMPDIR.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sstream>
#include <string>

#include "tests/support/headless.h"

namespace {
struct Writer {
  const char* name;
  const char* program;  // sheetgraph (drawing the example data) or a test program
  const char* vars;     // {dir} stands for the run's folder
  const char* script;
  const char* folder;  // where the file goes, relative to the run's folder
  const char* file;
};

const char* const kEpsSave = "check \"EPS Save Graph\" on\npress \"OK\"\nsaveas \"out/graph.eps\"\n";
const Writer kWriters[] = {
    {"eps", "sheetgraph", "", kEpsSave, "out", "graph.eps"},
    {"eps_recording_beside", "sheetgraph", "TMPDIR={dir}/out", kEpsSave, "out", "graph.eps"},
    {"picture", "sheetgraph", "", "check \"Save Graph\" on\npress \"OK\"\nsaveas \"out/graph.pict\"\n", "out",
     "graph.pict"},
    {"params", "sheetgraph", "", "press \"Save Params\"\nsaveas \"out/graph.param\"\n", "out", "graph.param"},
    {"macpaint", "output_prog", "SAVE_CASE=monofail", "saveas \"out/keep.mac\"\n", "out", "keep.mac"},
    {"bitmap", "output_prog", "SAVE_CASE=color", "saveas \"out/window.pict\"\n", "out", "window.pict"},
    {"text", "output_prog", "TEXT_CASE=save", "saveas \"out/out.txt\"\ntype \"12\"\n", "out", "out.txt"},
    {"bounds", "frame_prog", "VOK_TEST_MODE=start VOK_TEST_VARIANT=Start VOK_TEST_REMEMBER=1 VOK_TEST_SETTEXT=1", "",
     "Library/Preferences", "frame_prog-windowBounds.txt"},
    {"page_setting", "output_prog", "PAPERSIZE=a4 PRINT_CASE=format PRINT_MODE=0",
     "check \"Landscape\" on\npress \"OK\"\n", "Library/Preferences", "output_prog-pageSetting.txt"},
};
void PrintTo(const Writer& w, std::ostream* os) { *os << w.name; }

const char* const kOps[] = {"open", "write", "fsync", "rename"};
const struct {
  const char* name;
  int value;
} kErrors[] = {{"ENOSPC", ENOSPC}, {"EIO", EIO}, {"EFBIG", EFBIG}};
const std::string kOld = "the old file\n";

std::string replaced(std::string text, const std::string& dir) {
  for (size_t at; (at = text.find("{dir}")) != std::string::npos;) text.replace(at, 5, dir);
  return text;
}

// The shim, after the sanitizer runtime in a sanitized build (which must load first).
std::string preload() {
#ifdef VTEST_SANITIZER_RUNTIME
  return "LD_PRELOAD=" VTEST_SANITIZER_RUNTIME ":" VTEST_FAULT_SHIM;
#else
  return "LD_PRELOAD=" VTEST_FAULT_SHIM;
#endif
}

// True when one line of `text` holds both parts.
bool lineHas(const std::string& text, const std::string& a, const std::string& b) {
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (vtest::has(line, a) && vtest::has(line, b)) return true;
  return false;
}

class WriterFaults : public ::testing::TestWithParam<Writer> {
 protected:
  // One run with the old file in place and the fault settings `fault`.
  vtest::RunResult runWith(const std::string& fault) {
    const Writer& w = GetParam();
    vtest::run("cd '" + dir + "' && rm -rf out tmp Library && mkdir -p tmp '" + w.folder + "'");
    vtest::writeFile(target(), kOld);
    bool sheet = std::string(w.program) == "sheetgraph";
    std::string vars = "TMPDIR={dir}/tmp " + std::string(w.vars) + " " + preload() + " VFAULT_DIR={dir}/" + w.folder;
    return vtest::runHeadlessIn(dir, sheet ? vtest::programPath(w.program) : w.program, w.script,
                                {replaced(vars, dir) + " " + fault,
                                 sheet ? "'" + vtest::sourceDir() + "/examples/damped.tsv'" : ""});
  }
  std::string target() const { return dir + "/" + GetParam().folder + "/" + GetParam().file; }
  std::string dir = vtest::scratchDir(std::string("faults-") + GetParam().name);
};

TEST_P(WriterFaults, AFailedStepKeepsTheOldFileLeavesNoTemporaryAndSaysWhy) {
  const Writer& w = GetParam();
  vtest::RunResult clean = runWith("VFAULT_REPORT='" + dir + "/counts'");
  ASSERT_EQ(clean.status, 0) << clean.out << clean.err;
  const std::string whole = vtest::readFile(target());
  ASSERT_NE(whole, kOld);
  std::istringstream counts(vtest::readFile(dir + "/counts"));
  for (const char* op : kOps) {
    std::string name;
    int calls = 0;
    ASSERT_TRUE(counts >> name >> calls && name == op) << "the shim's report";
    EXPECT_GT(calls, 0) << "the writer never does " << op;
    for (int n = 1; n <= calls; ++n)
      for (const auto& e : kErrors) {
        std::string what = std::string(op) + " " + std::to_string(n) + " of " + std::to_string(calls) + " " + e.name;
        vtest::RunResult r = runWith("VFAULT_OP=" + std::string(op) + " VFAULT_AT=" + std::to_string(n) +
                                     " VFAULT_ERRNO=" + e.name);
        EXPECT_EQ(vtest::run("cd '" + dir + "' && ls -A '" + w.folder + "' && echo - && ls -A tmp").out,
                  std::string(w.file) + "\n-\n")
            << what;
        if (r.status == 0) {
          EXPECT_EQ(vtest::readFile(target()), whole) << what << ": a run that ends well has written the file";
          continue;
        }
        EXPECT_EQ(r.status, 1) << what << r.err;
        EXPECT_EQ(vtest::readFile(target()), kOld) << what;
        EXPECT_TRUE(lineHas(r.err, w.file, std::strerror(e.value))) << what << "\n" << r.err;
      }
  }
}

INSTANTIATE_TEST_SUITE_P(Writers, WriterFaults, ::testing::ValuesIn(kWriters),
                         [](const ::testing::TestParamInfo<Writer>& info) { return std::string(info.param.name); });
}  // namespace
