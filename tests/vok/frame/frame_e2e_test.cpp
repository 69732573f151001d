// The application frame end to end: frame_prog runs headless, driven by a
// script, and reports where its windows went and how it ended.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/headless.h"
#include "tests/support/vok_expect.h"

namespace {
using ProgRun = vtest::RunResult;
using vtest::has;
using vtest::hasAll;
// Runs frame_prog in `mode` with the script lines and extra environment.
ProgRun runProg(const std::string& mode, const std::string& script, const std::string& envs = "") {
  return vtest::runHeadless("frame-" + mode, "frame_prog", script, {"VOK_TEST_MODE=" + mode + " " + envs}).result;
}
}  // namespace

// Each start-up variant (VOK_TEST_* settings) and the lines frame_prog must
// report; a second start is fatal.
TEST(FrameStart, EachVariantPlacesAndShowsItsWindows) {
  const struct {
    const char* envs;
    std::vector<const char*> lines;
    int status = 0;
  } cases[] = {
      // Drawing only: the available area, the text hidden.
      {"", {"@drawing 22 0 768 1024 visible", "@text 23 0 767 250 hidden", "@input 40 0 55 250 hidden"}},
      // Start: text beside the drawing, in Monaco by default (font number 4).
      {"VOK_TEST_VARIANT=Start",
       {"@drawing 23 250 767 1023 visible", "@text 23 0 767 250 visible", "@fonts 4 12 4 12"}},
      {"VOK_TEST_VARIANT=Start VOK_TEST_SETBOUNDS=1", {"@drawing 100 300 500 700 visible"}},
      {"VOK_TEST_VARIANT=StartTextOnly", {"@drawing 23 250 767 1023 hidden", "@text 22 0 768 1024 visible"}},
      // Buffered at scale 2: the window is twice the unscaled rectangle.
      {"VOK_TEST_VARIANT=StartRedraw VOK_TEST_SCALE=2", {"@bounds 11 125 383 511", "@drawing 22 250 766 1022 visible"}},
      {"VOK_TEST_VARIANT=Start VOK_TEST_FONT=Times", {"@fonts 20 12 20 12"}},  // Times is font number 20
      {"VOK_TEST_VARIANT=MinimumStart", {"@text none"}},
      {"VOK_TEST_VARIANT=Start VOK_TEST_TWICE=1", {"Error: 2nd call of Start()!!"}, 1},
  };
  for (const auto& c : cases) {
    ProgRun r = runProg("start", "", c.envs);
    ASSERT_EQ(r.status, c.status) << c.envs << ": " << r.err;
    for (const char* line : c.lines) EXPECT_TRUE(hasAll(r.out + r.err, {line})) << c.envs;
  }
}

// Window memory: nothing is written on a first run; a program's own choice
// is stored; the boundary drag stores both rectangles for the next run.
TEST(FrameBoundsMemory, RemembersChoicesAndTheBoundaryDrag) {
  std::string home = vtest::scratchDir("frame-memory-home");
  std::string file = home + "/Library/Preferences/frame_prog-windowBounds.txt";
  std::string envs = "HOME='" + home + "' VOK_TEST_VARIANT=Start VOK_TEST_REMEMBER=1";
  ProgRun r = runProg("start", "", envs);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(vtest::readFile(file), "");  // first run: nothing remembered, nothing written
  r = runProg("start", "", envs + " VOK_TEST_SETTEXT=1");
  EXPECT_TRUE(hasAll(vtest::readFile(file), {"128 30 0 600 300 VOK Text Bounds\n"}));
  r = runProg("start", "", envs);  // restored without being asked again
  EXPECT_TRUE(hasAll(r.out, {"@text 30 0 600 300 visible"}));

  r = runProg("boundary", "click 400 300\n", "HOME='" + home + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  // The drawing's right edge stays; the text reflows into the new width.
  EXPECT_TRUE(hasAll(
      r.out, {"@text 30 0 600 400 visible", "@drawing 23 400 767 1023 visible", "@textport 400 570", "@te 396"}));
  EXPECT_TRUE(
      hasAll(vtest::readFile(file), {"128 30 0 600 400 VOK Text Bounds\n", "130 23 400 767 1023 VOK Window Bounds\n"}));
  EXPECT_TRUE(hasAll(runProg("start", "", envs).out, {"@drawing 23 400 767 1023 visible"}));
}

TEST(FrameEvents, QuitEndsAProgramThatWaits) {
  ProgRun r = runProg("stop", "");  // the exhausted script sends quit while Stop waits
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(vtest::hasNone(r.out, {"@stopped"}));
}

TEST(FrameEvents, PauseGestureStopsUntilAClickAndShiftClickQuits) {
  std::string dir = vtest::scratchDir("frame-pause-evidence");
  std::string late = dir + "/late.png";
  // Shift with the pointer in the menu bar pauses, a plain click continues, Caps
  // Lock pauses as well, and a Shift-click in the menu bar ends the program.
  ProgRun r = runProg(
      "pause", "move 600 10 shift\nclick 500 400\nmove 600 12 caps\nclick 600 5 shift\nsnapshot \"" + late + "\"\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(hasAll(r.out, {"Stopping ...\nClick center and lower part to continue\n", "Now continuing ...\n"}));
  EXPECT_TRUE(vtest::hasNone(r.out, {"@finished"}));
  EXPECT_FALSE(vtest::readFile(late).size()) << "the program went on after the Shift-click";
}

// Long messages are cut, not overflowed.
TEST(FrameMessages, PrintErrorEndsWithItsTextAndFailure) {
  ProgRun r = runProg("error", "");
  EXPECT_EQ(r.status, 1);
  const std::string message = "Error in test: value 5 is 100% wrong\n";
  EXPECT_TRUE(has(r.err, message) && has(r.out, message)) << r.err << r.out;  // and the text window's echo
  r = runProg("error", "press \"OK\"\n");                                     // the alert answered by the script
  EXPECT_EQ(r.status, 1);
  r = runProg("error", "", "VOK_TEST_LONG=1");
  EXPECT_EQ(r.status, 1);
  std::string expected = "Error in test: cannot read " + std::string(255 - 27, 'n') + "\n";
  EXPECT_TRUE(has(r.err, expected)) << r.err.substr(0, 300);
  EXPECT_FALSE(has(r.err, std::string(255 - 26, 'n')));
}
