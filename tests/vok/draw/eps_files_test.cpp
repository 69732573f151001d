// EPS files: default names, the finished file's first lines and bounding box,
// the private temporary recording, and the save dialog in a started program.
// (Failed recordings: tests/programs/hostile_test.cpp and tests/faults.)
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "tests/support/ghostscript.h"
#include "tests/support/headless.h"
#include "tests/vok/draw/draw_fixture.h"

using drawtest::DrawTest;

namespace {
std::vector<std::string> g_reports;
void collect(const char* message) { g_reports.push_back(message); }

std::string line(const std::string& text, int n) {
  size_t at = 0;
  for (int i = 1; i < n && at != std::string::npos; ++i) at = text.find('\n', at) + 1;
  return text.substr(at, text.find('\n', at) - at);
}
}  // namespace

class EPSFileTest : public DrawTest {
 protected:
  std::string dir;
  void SetUp() override {
    DrawTest::SetUp();
    dir = vtest::scratchDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    setenv("TMPDIR", dir.c_str(), 1);
    g_reports.clear();
    EPSSetFailureReporter(collect);
  }
  void TearDown() override {
    unsetenv("TMPDIR");
    DrawTest::TearDown();
  }
};

TEST(EPSFileName, DefaultNamesFromDataNames) {
  EXPECT_STREQ(s_eps.fileName, "drawing.eps");
  const char* cases[][2] = {
      {"graph.dat", "graph.eps"},
      {"a.b.c", "a.b.eps"},
      {"results", "results.eps"},
      {"abcdefghijklmnopqrstuvwxyz0123456789.dat", "abcdefghijklmnopqrstuvwxyz0.eps"},  // cut to 27
      {"x.abcdefghijklmnopqrstuvwxyz0123456789", "x.eps"},
      {nullptr, "x.eps"}};  // no name: the last stays
  for (auto& c : cases) {
    SetEPSFileName(c[0]);
    EXPECT_STREQ(s_eps.fileName, c[1]) << (c[0] ? c[0] : "null");
  }
  SetEPSFileName("drawing.eps");
}

TEST_F(EPSFileTest, FinishedFileHasHeaderBoxAndRecording) {
  usePlain(500, 500);
  BeginEPSSaving();
  PaintRect(drawtest::rect({40, 50, 300, 450}));
  std::string rec = recorded();
  std::string out = vtest::readFile(saveEPS(dir + "/box.eps"));
  // Pixels 50..449 x 40..299 of a 500-high drawing, one point more on every side for the strokes.
  EXPECT_EQ(line(out, 2), "%%BoundingBox: 49 199 451 461");
  EXPECT_EQ(out.substr(out.find('\n', out.find('\n') + 1) + 1), rec);
  EXPECT_TRUE(g_reports.empty());
  EraseDrawing();  // the box is that of the window's ink: none, an empty box
  BeginEPSSaving();
  EXPECT_EQ(line(vtest::readFile(saveEPS(dir + "/empty.eps")), 2), "%%BoundingBox: 0 500 0 500");
}

TEST_F(EPSFileTest, RecordingIsPrivateAndAlwaysRemoved) {
  usePlain(50, 50);
  BeginEPSSaving();
  std::string tmp = EPSTemporaryPath();
  EXPECT_EQ(tmp.rfind(dir + "/", 0), 0u) << tmp;
  struct stat st;
  ASSERT_EQ(stat(tmp.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  BeginEPSSaving();  // recordings do not nest: the first goes on
  EXPECT_EQ(tmp, EPSTemporaryPath());
  saveEPS(dir + "/one.eps");
  EXPECT_TRUE(!vtest::fileExists(tmp) && std::string(EPSTemporaryPath()).empty());
  EndEPSSaving();  // without a recording: nothing
  EXPECT_TRUE(g_reports.empty());
}

// The real save dialog, answered by a script: the file lands where chosen,
// a cancel saves nothing, and no temporary file is left either way, nor by
// a program that ends while recording.
TEST(EPSSaveDialog, ScriptedChoiceAndCancel) {
  std::string dir = vtest::scratchDir("eps-dialog");
  vtest::RunResult r =
      vtest::runHeadlessIn(dir, "output_prog", "saveas \"" + dir + "/chosen.eps\"\ncancel\n",
                           {"EPS_CASE=dialog TMPDIR=" + dir});
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_TRUE(vtest::hasAll(r.out, {"round 1: temporary removed", "round 2: temporary removed", "recording " + dir}));
  std::string eps = vtest::readFile(dir + "/chosen.eps");
  EXPECT_EQ(eps.rfind("%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 29 ", 0), 0u) << eps.substr(0, 80);
  EXPECT_NE(eps.find("(\\() show"), std::string::npos);  // styled text goes character by character
  EXPECT_EQ(vtest::regularFiles(dir), 2);                // the script and the one EPS file: no temporary
  VTEST_REQUIRE(vtest::haveGhostscript(), "gs");
  std::string log;
  EXPECT_TRUE(vtest::gsParses(dir + "/chosen.eps", &log)) << log;
}
