// The two-window program driven by headless scripts: clicks and keys reach
// it as events in its windows' coordinates, the command line arrives as one
// open-documents event, and every way of ending a run ends it cleanly.
#include <gtest/gtest.h>

#include <string>

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
TEST(TwoWindowsHeadless, ClicksAndKeysArriveWithLocalCoordinatesAndModifiers) {
  ProgRun r = runTwowin("clicks",
                    "click 55 80\n"
                    "click 420 140 shift\n"
                    "click 100 50      # Alpha's title bar\n"
                    "click 53 49       # Alpha's close box\n"
                    "click 10 5 cmd option\n"
                    "click 900 700\n"
                    "key \"aZ\"\nkey return cmd\nkey down shift caps\nkey enter\n");
  EXPECT_EQ(r.result.status, 0) << r.result.err;
  const std::string& out = r.result.out;
  for (const char* line : {"down Alpha part 3 at 15 20 mods 0000", "down Beta part 3 at 20 20 mods 0200",
                           "activate Beta 1",  // the click selected it
                           "down Alpha part 4 at 60 -10 mods 0000", "down Alpha part 6 at 13 -11 mods 0000",
                           "down none part 1 at 10 5 mods 0900", "down none part 0 at 900 700 mods 0000",
                           "up at 55 80"})
    EXPECT_TRUE(has(out, line)) << line << " in\n" << out;
  EXPECT_TRUE(has(out, "key 97 mods 0000\nkey 90 mods 0000\nkey 13 mods 0100\nkey 31 mods 0600\nkey 3 mods 0000"))
      << out;
  // Exhausted: the quit event ends the program through its handler.
  EXPECT_EQ(out.substr(out.size() - 5), "quit\n");
}

// Without a script the first wait quits.
TEST(TwoWindowsHeadless, TheCommandLineArrivesAsOneOpenDocumentsEvent) {
  ProgRun r = runTwowin("odoc", "", "data/a.tsv /tmp/b.tsv");
  EXPECT_EQ(r.result.status, 0) << r.err();
  EXPECT_TRUE(has(r.out(), "odoc 2 " + r.dir + "/data/a.tsv /tmp/b.tsv")) << r.out();
  ProgRun none = runTwowin("oapp", "", "", true);
  EXPECT_EQ(none.result.status, 0) << none.err();
  EXPECT_TRUE(has(none.out(), "oapp\nready")) << none.out();
  EXPECT_EQ(none.out().substr(none.out().size() - 5), "quit\n");
}

// A bad line stops the run with status 2 and names its line; a syntax error
// anywhere stops it before the program does anything.
TEST(TwoWindowsHeadless, ALineThatCannotBePlayedNamesItsLine) {
  const struct {
    const char *name, *script, *error, *shown, *absent;
  } cases[] = {
      {"badcmd", "click 55 80\nwait 1\n\nfrobnicate 3\nclick 55 80\n",
       "script script line 4: unknown command \"frobnicate\"", "down Alpha part 3 at 15 20 mods 0000", "quit"},
      {"offscreen", "click 5000 10\n", "line 1: (5000, 10) is outside the 1024x768 screen", "", "quit"},
      {"syntax", "click 55 80\nkey \"abc\n", "line 2: the string has no closing quote", "", "ready"},
  };
  for (const auto& k : cases) {
    ProgRun r = runTwowin(k.name, k.script);
    EXPECT_EQ(r.result.status, 2) << k.name;
    EXPECT_TRUE(vtest::has(r.result.err, k.error)) << r.result.err;
    EXPECT_TRUE(vtest::has(r.result.out, k.shown)) << r.result.out;
    EXPECT_FALSE(vtest::has(r.result.out, k.absent)) << r.result.out;
  }
  vtest::RunResult missing =
      vtest::run("VOK_DISPLAY=headless VOK_SCRIPT=/nonexistent/s.txt " + vtest::progPath("twowin_prog"));
  EXPECT_EQ(missing.status, 2);
  EXPECT_TRUE(vtest::has(missing.err, "/nonexistent/s.txt: cannot read the script")) << missing.err;
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
