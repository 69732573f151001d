// The Parameters dialog end to end: child programs driven by headless
// scripts page through, edit, press command buttons, save, restart and load.
#include <gtest/gtest.h>

#include "tests/support/headless.h"
#include "tests/support/vok_expect.h"

namespace {
vtest::RunResult runDialog(const std::string& dir, const std::string& script, const std::string& args = "") {
  return vtest::runHeadlessIn(dir, "frame_prog", script, {"VOK_TEST_MODE=params", args});
}
using vtest::hasAll;
}  // namespace

// The registration has 26 slots on the first page and 7 on the second.
TEST(ParamsDialog, PagesFocusAndTheWaysOut) {
  std::string dir = vtest::scratchDir("params-pages");
  // "String 2" is on page 2: the script turns the page with >>.
  auto r = runDialog(dir, "field \"Int 0\" 100\nfield \"String 2\" x\npress #1\n");
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_TRUE(hasAll(r.out, {"int=100\n", "string=[beta gamma]\nstring=[x]\n"}));

  // Tab and Shift-Tab move the focus past read-only slots with the field's
  // text selected; Return ends the dialog from the page in front.
  r = runDialog(dir,
                "press \">>\"\nfield \"String 1\" y\npress \"<<\"\nkey tab\nkey \"42\"\nkey tab shift\nkey \"11\"\n"
                "press \">>\"\nkey return\n");
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_TRUE(hasAll(r.out, {"long=42 ", "string=[y]\n", "file=11\n"}));

  // A text on no item stops the run and names the script line.
  r = runDialog(dir, "field \"Int 1\" 3\nfield \"Nothing Here\" 1\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(hasAll(r.err, {"line 2", "\"Nothing Here\""}));

  // Item 3 ends the program without reading back.
  r = runDialog(dir, "field \"Int 0\" 9\npress #3\n");
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_TRUE(vtest::hasNone(r.out, {"int="}));
}

// Edits on both pages, saved through the save dialog; a restarted program
// loads the file by button and, another time, as its start-up file, and
// ends with the same values. Fields take what a number begins with (3.5 and
// 12abc), keep the old value for text that is none (abc), and a value shown
// rounded (0.0000001 as 0.000000) survives the dialog untouched; the file
// holds it at six decimals, so the restarted program has 0 there. The file
// buttons are commands: they see the edited values, and what they change
// is shown.
TEST(ParamsDialog, SavedEditsComeBackAfterARestart) {
  std::string dir = vtest::scratchDir("params-all");
  auto first = runDialog(dir,
                         "pagetext\nfield \"Param File Name\" \"mine.txt\"\nfield \"Long\" -99\nfield \"Short\" 1234\n"
                         "field \"Int 0\" 3.5\nfield \"Int 1\" 12abc\nfield \"Int 2\" abc\nfield \"Int 3\" 333\n"
                         "field \"Double 2\" 2.718281\nfield \"Exp 1\" 6.25e-7\nfield \"String 0\" \"  spaced out\"\n"
                         "press \">>\"\nfield \"String 2\" \"now filled\"\ncheck \"Flag 0\" on\ncheck \"Flag 3\" off\n"
                         "pagetext\npress \"<<\"\npress \"Save Params\"\nsaveas \"" +
                             dir + "/saved.txt\"\npagetext\npress #1\n");
  ASSERT_EQ(first.status, 0) << first.out << first.err;
  // The pages as shown: first page at the start, second after its edits,
  // first again after "Save Params" wrote the converted values back.
  EXPECT_TRUE(
      hasAll(first.out, {"| Save Params = Do\n| Param File Name = VOKPDParams\n| Load Params = Do\n"
                         "| Static Int = 42\n| Static Text = fixed text\n| Long = 1234567890123\n",
                         "| Double 5 = 0.000000\n| Exp 0 = 1.234550e+04\n", "| String 0 = alpha\n| buttons:  >>\n",
                         "| String 1 = beta gamma\n| String 2 = now filled\n| String 3 = 50%\n| Flag 0 = [x]\n"
                         "| Flag 1 = [x]\n| Flag 2 = [ ]\n| Flag 3 = [ ]\n| buttons: << \n",
                         "| Int 0 = 3\n| Int 1 = 12\n| Int 2 = 3\n| Int 3 = 333\n",
                         "long=-99 short=1234 static=42,fixed text\nint=3\nint=12\nint=3\nint=333\n",
                         "double=9.9999999999999995e-08\n", "string=[  spaced out]\n", "file=mine.txt\n"}));
  // The file's lines, type by type: PDFiles.EveryTypeIsWrittenByteForByteAndReadsBack.

  // What a restarted program should print: the same, the tiny double as read.
  std::string expected;
  for (size_t at = 0, end; at < first.out.size(); at = end + 1) {
    end = first.out.find('\n', at);
    std::string line = first.out.substr(at, end - at);
    if (line.rfind("| ", 0) == 0) continue;
    expected += (line == "double=9.9999999999999995e-08" ? "double=0" : line) + "\n";
  }
  auto loaded = runDialog(dir, "press \"Load Params\"\nchoose \"" + dir + "/saved.txt\"\npress #1\n");
  ASSERT_EQ(loaded.status, 0) << loaded.out << loaded.err;
  EXPECT_EQ(loaded.out, expected);

  auto atStart = runDialog(dir, "press #1\n", dir + "/saved.txt");
  ASSERT_EQ(atStart.status, 0) << atStart.out << atStart.err;
  EXPECT_EQ(atStart.out, expected);
}

TEST(ParamsFatal, MisusesEndTheProgramWithTheirMessage) {
  struct Case {
    const char* mode;
    const char* message;
    const char* answer;  // dismisses the stop alert, or the wait that follows the message
    int status;          // 255: exit(-1) after the wait
  } cases[] = {
      {"setup-twice", "Error in SetUpParametersDialog:\nSecond call", "key return", 1},
      {"p0-twice", "Error in SetUpParametersDialog:\nSecond call", "key return", 1},
      {"no-list", "Error: ParametersDialog not initialized\n", "click 500 400", 255},
      {"delay-overflow",
       "Too many initializing parameters!  Use SetParamsNum to expand initializing parameters number.", "key return",
       1},
  };
  std::string dir = vtest::scratchDir("params-fatal");
  for (const Case& c : cases) {
    auto r = vtest::runHeadlessIn(dir, "frame_prog", std::string(c.answer) + "\n", {"VOK_TEST_MODE=fatal", c.mode});
    EXPECT_EQ(r.status, c.status) << c.mode;
    EXPECT_TRUE(hasAll(r.out + r.err, {c.message})) << c.mode;
    EXPECT_TRUE(vtest::hasNone(r.out, {"survived"})) << c.mode;
  }
}
