// The application frame end to end: frame_prog runs headless, driven by a
// script, and reports where its windows went and how it ended.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/headless.h"

namespace {
using ProgRun = vtest::RunResult;
using vtest::has;
// Runs frame_prog in `mode` with the script lines and extra environment.
ProgRun runProg(const std::string& mode, const std::string& script, const std::string& envs = "") {
  return vtest::runHeadless("frame-" + mode, "frame_prog", script, {"VOK_TEST_MODE=" + mode + " " + envs}).result;
}
}  // namespace

// Each start-up variant (VOK_TEST_* settings) and the lines frame_prog must report.
TEST(FrameStart, EachVariantPlacesAndShowsItsWindows) {
  const struct {
    const char* envs;
    std::vector<const char*> lines;
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
  };
  for (const auto& c : cases) {
    ProgRun r = runProg("start", "", c.envs);
    ASSERT_EQ(r.status, 0) << c.envs << ": " << r.err;
    for (const char* line : c.lines) EXPECT_TRUE(has(r.out, line)) << c.envs << ": " << r.out;
  }
}

TEST(FrameStart, SecondStartIsFatal) {
  ProgRun r = runProg("start", "", "VOK_TEST_VARIANT=Start VOK_TEST_TWICE=1");
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(has(r.err, "Error: 2nd call of Start()!!")) << r.err;
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
  EXPECT_TRUE(has(vtest::readFile(file), "128 30 0 600 300 VOK Text Bounds\n")) << vtest::readFile(file);
  r = runProg("start", "", envs);  // restored without being asked again
  EXPECT_TRUE(has(r.out, "@text 30 0 600 300 visible")) << r.out;

  r = runProg("boundary", "click 400 300\n", "HOME='" + home + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(has(r.out, "@text 30 0 600 400 visible")) << r.out;
  EXPECT_TRUE(has(r.out, "@drawing 23 400 767 1023 visible")) << r.out;  // right edge stays
  EXPECT_TRUE(has(r.out, "@textport 400 570")) << r.out;
  EXPECT_TRUE(has(r.out, "@te 396")) << r.out;  // the text reflows into the new width
  std::string stored = vtest::readFile(file);
  EXPECT_TRUE(has(stored, "128 30 0 600 400 VOK Text Bounds\n")) << stored;
  EXPECT_TRUE(has(stored, "130 23 400 767 1023 VOK Window Bounds\n")) << stored;
  r = runProg("start", "", envs);
  EXPECT_TRUE(has(r.out, "@drawing 23 400 767 1023 visible")) << r.out;
}

TEST(FrameEvents, QuitEndsAProgramThatWaits) {
  ProgRun r = runProg("stop", "");  // the exhausted script sends quit while Stop waits
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_FALSE(has(r.out, "@stopped")) << r.out;
}

TEST(FrameEvents, PauseGestureStopsUntilAClickAndShiftClickQuits) {
  std::string dir = vtest::scratchDir("frame-pause-evidence");
  std::string late = dir + "/late.png";
  ProgRun r = runProg("pause",
                  "move 600 10 shift\n"    // pointer into the menu bar with Shift: pause
                  "click 500 400\n"        // a plain click continues
                  "move 600 12 caps\n"     // Caps Lock pauses as well
                  "click 600 5 shift\n"    // Shift-click in the menu bar ends the program
                  "snapshot \"" + late + "\"\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(has(r.out, "Stopping ...\nClick center and lower part to continue\n")) << r.out;
  EXPECT_TRUE(has(r.out, "Now continuing ...\n")) << r.out;
  EXPECT_FALSE(has(r.out, "@finished")) << r.out;
  EXPECT_FALSE(vtest::readFile(late).size()) << "the program went on after the Shift-click";
}

TEST(FrameMessages, PrintErrorEndsWithItsTextAndFailure) {
  ProgRun r = runProg("error", "");
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(has(r.err, "Error in test: value 5 is 100% wrong\n")) << r.err;
  EXPECT_TRUE(has(r.out, "Error in test: value 5 is 100% wrong\n")) << r.out;  // text window echo
  r = runProg("error", "press \"OK\"\n");  // the alert answered by the script
  EXPECT_EQ(r.status, 1);
}

TEST(FrameMessages, LongErrorMessagesAreCutNotOverflowed) {
  ProgRun r = runProg("error", "", "VOK_TEST_LONG=1");
  EXPECT_EQ(r.status, 1);
  std::string expected = "Error in test: cannot read " + std::string(255 - 27, 'n') + "\n";
  EXPECT_TRUE(has(r.err, expected)) << r.err.substr(0, 300);
  EXPECT_FALSE(has(r.err, std::string(255 - 26, 'n')));
}
