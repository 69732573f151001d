// What every viewer does as a Linux program: --help and --version, a clear
// failure without a display, a failing exit status after an error alert, and
// its own name on its messages.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/headless.h"

namespace {
using vtest::has;
const char* const kPrograms[] = {"sheetgraph", "contourgraph", "surfacegraph"};
const char* const kNoDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY -u VOK_DISPLAY ";
}  // namespace

TEST(ProgramConventions, HelpAndVersionAnswerWithoutADisplay) {
  for (const char* name : kPrograms) {
    std::string path = "'" + vtest::programPath(name) + "'";
    vtest::RunResult help = vtest::run(kNoDisplay + path + " --help");
    EXPECT_EQ(help.status, 0) << name << help.err;
    for (const char* part : {"Usage: ", "FILE", "VOK_DISPLAY", "VOK_SCRIPT", "VOK_SCREEN", "TMPDIR", "HOME",
                             "-pageSetting.txt"})
      EXPECT_TRUE(has(help.out, part)) << name << " --help lacks " << part << "\n" << help.out;
    vtest::RunResult version = vtest::run(kNoDisplay + path + " --version");
    EXPECT_EQ(version.status, 0) << name;
    EXPECT_EQ(version.out.rfind(std::string(name) + " 0.", 0), 0u) << version.out;
  }
}

TEST(ProgramConventions, NoDisplaySaysHowToRunHeadlessAndFails) {
  for (const char* name : kPrograms) {
    vtest::RunResult r = vtest::run(kNoDisplay + ("'" + vtest::programPath(name) + "'"));
    EXPECT_EQ(r.status, 1) << name;
    EXPECT_EQ(r.err.rfind(std::string(name) + ": no display", 0), 0u) << r.err;
    EXPECT_TRUE(has(r.err, "VOK_DISPLAY=headless VOK_SCRIPT=")) << r.err;
  }
}

// An option anywhere but first is a document: here one that cannot be read,
// whose alert makes the otherwise normal run fail.
TEST(ProgramConventions, AnErrorAlertMakesTheHeadlessRunFail) {
  vtest::ProgRun run = vtest::runHeadless("conventions-alert", vtest::programPath("sheetgraph"),
                                          "cancel\ncheck \"Exit Graph\" on\npress \"OK\"\n", {"", "missing.tsv --help"});
  EXPECT_EQ(run.result.status, 1) << run.err();
  EXPECT_TRUE(has(run.err(), "sheetgraph: alert: ")) << run.err();
  EXPECT_TRUE(has(run.err(), "missing.tsv")) << run.err();
  EXPECT_FALSE(has(run.out(), "Usage:"));
}
