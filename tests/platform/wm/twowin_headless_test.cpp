// The two-window program driven by headless scripts: clicks and keys reach
// it as events in its windows' coordinates, the command line arrives as one
// open-documents event, and every way of ending a run ends it cleanly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/platform/wm/screen_image.h"
#include "tests/support/headless.h"

namespace {
using vtest::ProgRun;
ProgRun runTwowin(const std::string& name, const std::string& script, const std::string& args = "",
                  bool noScript = false) {
  return vtest::runHeadless("twowin-" + name, "twowin_prog", script, {"", args, "", noScript});
}
bool has(const std::string& out, const std::string& line) { return vtest::has(out, line + "\n"); }
}  // namespace

// Alpha's content starts at global (h 40, v 60), Beta's at (h 400, v 120).
// Each run: the lines its output must hold ("@" is the run's folder), a
// part of its error output, and what must not show. A run that ends well
// ends through the quit handler (the script exhausted, or without a script
// the first wait quits); a bad line stops the run with status 2 naming its
// line, and a syntax error anywhere stops it before the program does anything.
TEST(TwoWindowsHeadless, ScriptsAndTheCommandLineArriveAsEvents) {
  const struct {
    const char *name, *script, *args;
    bool noScript;
    int status;
    std::vector<std::string> lines;
    const char *error, *absent;
  } cases[] = {
      {"clicks",
       "click 55 80\nclick 420 140 shift\n"
       "click 100 50      # Alpha's title bar\n"
       "click 53 49       # Alpha's close box\n"
       "click 10 5 cmd option\nclick 900 700\nkey \"aZ\"\nkey return cmd\nkey down shift caps\nkey enter\n",
       "", false, 0,
       {"down Alpha part 3 at 15 20 mods 0000", "down Beta part 3 at 20 20 mods 0200",
        "activate Beta 1",  // the click selected it
        "down Alpha part 4 at 60 -10 mods 0000", "down Alpha part 6 at 13 -11 mods 0000",
        "down none part 1 at 10 5 mods 0900", "down none part 0 at 900 700 mods 0000", "up at 55 80",
        "key 97 mods 0000\nkey 90 mods 0000\nkey 13 mods 0100\nkey 31 mods 0600\nkey 3 mods 0000"},
       "", ""},
      {"odoc", "", "data/a.tsv /tmp/b.tsv", false, 0, {"odoc 2 @/data/a.tsv /tmp/b.tsv"}, "", ""},
      {"oapp", "", "", true, 0, {"oapp\nready"}, "", ""},
      {"badcmd", "click 55 80\nwait 1\n\nfrobnicate 3\nclick 55 80\n", "", false, 2,
       {"down Alpha part 3 at 15 20 mods 0000"}, "script script line 4: unknown command \"frobnicate\"", "quit"},
      {"offscreen", "click 5000 10\n", "", false, 2, {}, "line 1: (5000, 10) is outside the 1024x768 screen", "quit"},
      {"syntax", "click 55 80\nkey \"abc\n", "", false, 2, {}, "line 2: the string has no closing quote", "ready"},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    ProgRun r = runTwowin(k.name, k.script, k.args, k.noScript);
    EXPECT_EQ(r.result.status, k.status) << r.err();
    for (std::string line : k.lines) {
      for (size_t at; (at = line.find('@')) != std::string::npos;) line.replace(at, 1, r.dir);
      EXPECT_TRUE(has(r.out(), line)) << line << " in\n" << r.out();
    }
    EXPECT_TRUE(vtest::has(r.err(), k.error)) << r.err();
    EXPECT_TRUE(!*k.absent || !vtest::has(r.out(), k.absent)) << r.out();
    EXPECT_TRUE(k.status || vtest::has(r.out().substr(r.out().size() - 5), "quit\n")) << r.out();
  }
}

TEST(TwoWindowsHeadless, SigtermQuitsCleanly) {
  std::string dir = vtest::scratchDir("twowin-sigterm");
  vtest::writeFile(dir + "/s.txt", "wait 3600\n");
  vtest::RunResult r = vtest::run(
      "cd " + dir + " && (VOK_DISPLAY=headless VOK_SCRIPT=s.txt " + vtest::progPath("twowin_prog") +
      " > out.txt & pid=$!; for i in $(seq 100); do grep -q ready out.txt && break; sleep 0.05; "
      "done; kill -TERM $pid; wait $pid; echo status=$?; cat out.txt)");
  EXPECT_NE(r.out.find("status=0"), std::string::npos) << r.out << r.err;
  EXPECT_NE(r.out.find("ready\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.substr(r.out.size() - 5), "quit\n");
}

// The snapshot is decoded by netpbm, not by our own reader.
TEST(TwoWindowsHeadless, SnapshotShowsBothWindowsMenuBarAndDesktop) {
  VTEST_REQUIRE(vtest::haveTool("pngtopnm"), "pngtopnm (netpbm)");
  ProgRun r = runTwowin("snapshot", "snapshot \"shot.png\"\nsnapshot \"/nonexistent/dir/x.png\"\n");
  EXPECT_EQ(r.result.status, 2);  // the second snapshot cannot be written
  EXPECT_NE(r.result.err.find("line 2: snapshot"), std::string::npos) << r.result.err;
  vtest::Image img;
  ASSERT_TRUE(vtest::readPPMVia("pngtopnm " + r.dir + "/shot.png 2>/dev/null", &img)) << r.dir;
  ASSERT_EQ(img.width, 1024);
  ASSERT_EQ(img.height, 768);
  vtest::expectWindowsDrawn(img, 0, 0);
}
