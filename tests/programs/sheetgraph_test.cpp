// sheetgraph end to end: the real program, run headless in a scratch folder
// and driven by scripts as a user would drive it; its EPS output is read by
// Ghostscript.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/ghostscript.h"
#include "tests/support/paths.h"
#include "tests/support/programs.h"

namespace {
struct Run {
  std::string dir;
  vtest::RunResult result;
};

std::string program() { return vtest::programPath("sheetgraph"); }

vtest::RunResult runIn(const std::string& dir, const std::string& script, const std::string& args = "") {
  return vtest::runProgramIn(program(), dir, script, args);
}

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string examples() { return vtest::sourceDir() + "/examples"; }

// The corner numbers are drawn as text, so the EPS carries them as strings.
bool showsNumber(const std::string& eps, const std::string& number) {
  return has(vtest::readFile(eps), "(" + number + ")");
}

// A parameter file without its command lines, whose values are procedure
// addresses of the run that wrote them.
std::string settings(const std::string& file) {
  std::string out;
  size_t at = 0;
  while (at < file.size()) {
    size_t end = file.find('\n', at);
    if (end == std::string::npos) end = file.size();
    std::string line = file.substr(at, end - at);
    if (line.find("\tdoType\t") == std::string::npos) out += line + "\n";
    at = end + 1;
  }
  return out;
}

const char* kExit = "check \"Exit Graph\" on\npress \"OK\"\n";
}  // namespace

TEST(SheetGraph, EditsFrameSavesEPSAndParametersThenLoadsThemInANewRun) {
  std::string dir = vtest::scratchDir("sheetgraph-edit");
  std::string data = "'" + examples() + "/damped.tsv'";
  vtest::RunResult r = runIn(dir,
                             "field \"Min Frame X\" 2\n"
                             "field \"Max Frame X\" 7.5\n"
                             "field \"Min Frame Y\" -2\n"
                             "field \"Max Frame Y\" 3\n"
                             "field \"X Label\" \"time t_0\"\n"
                             "check \"EPS Save Graph\" on\n"
                             "press \"OK\"\n"
                             "saveas \"graph.eps\"\n"
                             "click 600 400\n"
                             "check \"EPS Save Graph\" off\n"
                             "press \"Save Params\"\n"
                             "saveas \"graph.param\"\n" +
                                 std::string(kExit),
                             data);
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  vtest::expectGoodEPS(dir + "/graph.eps");
  EXPECT_TRUE(showsNumber(dir + "/graph.eps", "2.0"));
  EXPECT_TRUE(showsNumber(dir + "/graph.eps", "7.5"));
  EXPECT_TRUE(showsNumber(dir + "/graph.eps", "-2.0"));
  std::string params = vtest::readFile(dir + "/graph.param");
  EXPECT_TRUE(has(params, "\"Max Frame X\"\tdoubleType\t7.5")) << params;
  EXPECT_TRUE(has(params, "\"X Label\"\tstringType\ttime t_0")) << params;

  // A new run starts from the data's own range; loading the file restores ours.
  r = runIn(dir,
            "check \"EPS Save Graph\" on\n"
            "press \"OK\"\n"
            "saveas \"fresh.eps\"\n"
            "click 600 400\n"
            "press \"Load Params\"\n"
            "choose \"graph.param\"\n"
            "check \"EPS Save Graph\" on\n"
            "press \"OK\"\n"
            "saveas \"loaded.eps\"\n"
            "click 600 400\n"
            "check \"EPS Save Graph\" off\n"
            "press \"Save Params\"\n"
            "saveas \"again.param\"\n" +
                std::string(kExit),
            data);
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_FALSE(showsNumber(dir + "/fresh.eps", "7.5"));
  EXPECT_TRUE(showsNumber(dir + "/loaded.eps", "7.5"));
  EXPECT_TRUE(showsNumber(dir + "/loaded.eps", "-2.0"));
  EXPECT_EQ(settings(vtest::readFile(dir + "/again.param")), settings(params)) << "every setting restored";
}

TEST(SheetGraph, LoadNewDataSwitchesFileAndFrameRange) {
  std::string dir = vtest::scratchDir("sheetgraph-newdata");
  vtest::RunResult r = runIn(dir,
                             "press \"Load New Data\"\n"
                             "choose \"" + examples() + "/grid.tsv\"\n"
                             "check \"EPS Save Graph\" on\n"
                             "press \"OK\"\n"
                             "saveas \"grid.eps\"\n"
                             "click 600 400\n" +
                                 std::string(kExit),
                             "'" + examples() + "/damped.tsv'");
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  vtest::expectGoodEPS(dir + "/grid.eps");
  EXPECT_TRUE(showsNumber(dir + "/grid.eps", "-2.0")) << "x range of grid.tsv starts at -2";
}

TEST(SheetGraph, WithoutDataTheGraphHasFrameAndLabelsOnly) {
  std::string dir = vtest::scratchDir("sheetgraph-nodata");
  // Cancelled open dialog.
  vtest::RunResult r = runIn(dir,
                             "cancel\n"
                             "check \"EPS Save Graph\" on\n"
                             "press \"OK\"\n"
                             "saveas \"empty.eps\"\n"
                             "click 600 400\n" +
                                 std::string(kExit));
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  vtest::expectGoodEPS(dir + "/empty.eps");
  EXPECT_TRUE(showsNumber(dir + "/empty.eps", "0.0"));
  EXPECT_TRUE(showsNumber(dir + "/empty.eps", "1.0"));

  // A missing and a malformed file: a message naming the file, then the same graph.
  vtest::writeFile(dir + "/binary.tsv", std::string("\x01\x02\x00\x7f\xff", 5));
  for (const char* name : {"missing.tsv", "binary.tsv"}) {
    r = runIn(dir,
              "cancel\n"
              "check \"EPS Save Graph\" on\n"
              "press \"OK\"\n"
              "saveas \"bad.eps\"\n"
              "click 600 400\n" +
                  std::string(kExit),
              name);
    ASSERT_EQ(r.status, 0) << name << r.out << r.err;
    EXPECT_TRUE(has(r.out + r.err, name)) << r.out << r.err;
    vtest::expectGoodEPS(dir + "/bad.eps");
  }
}

TEST(SheetGraph, ExitOrQuitInTheFirstDialogWritesNothing) {
  std::string dir = vtest::scratchDir("sheetgraph-quit");
  std::string data = "'" + examples() + "/damped.tsv'";
  vtest::RunResult r = runIn(dir, "check \"EPS Save Graph\" on\n" + std::string(kExit), data);
  EXPECT_EQ(r.status, 0) << r.err;
  r = runIn(dir, "check \"EPS Save Graph\" on\npress \"Quit\"\n", data);
  EXPECT_EQ(r.status, 0) << r.err;
  std::string listing = vtest::run("ls -A '" + dir + "'").out;
  EXPECT_EQ(listing, "script\n") << listing;
}
