// Saving end to end: a started program saves its window as MacPaint and
// picture files through scripted save dialogs; the files are decoded by the
// netpbm programs and compared with the window's pixels. Console text saved
// is exactly the console's bytes and reads back as the same lines; a file
// that is not text is refused. Failed writes are checked in tests/faults.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/ghostscript.h"
#include "tests/support/headless.h"

namespace {
// Runs output_prog in `dir` with a script and "SAVE_CASE=..." or "TEXT_CASE=...".
vtest::RunResult runProg(const std::string& dir, const std::string& which, const std::string& script) {
  return vtest::runHeadlessIn(dir, "output_prog", script, {which});
}

long fileSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  return in ? long(in.tellg()) : -1;
}

bool darkPixel(uint32_t rgb) {
  return (299 * (rgb >> 16 & 0xFF) + 587 * (rgb >> 8 & 0xFF) + 114 * (rgb & 0xFF)) / 1000 < 128;
}

// Decodes a MacPaint file; the pixels that differ from the window (cut to 576 x 720).
long macPaintMismatches(const std::string& file, const vtest::Image& window, std::string* log) {
  vtest::Image got;
  bool read = vtest::readPPMVia("macptopbm " + file + " 2> " + file + ".log | ppmtoppm", &got);
  *log = vtest::readFile(file + ".log");
  if (!read || got.width != 576 || got.height != 720) return -1;
  long bad = 0;
  for (int y = 0; y < 720; ++y)
    for (int x = 0; x < 576; ++x) {
      bool want = x < window.width && y < window.height && darkPixel(window.at(x, y));
      bad += (got.at(x, y) == 0) != want;
    }
  return bad;
}

// Decodes a picture file; the pixels that differ from the window.
long pictureMismatches(const std::string& file, const vtest::Image& window, std::string* log) {
  std::string decoder = vtest::picttoppmPath();
  vtest::RunResult r = vtest::run(decoder + " " + file + " > " + file + ".ppm 2> " + file + ".log");
  *log = r.status ? vtest::readFile(file + ".log").substr(0, 2000) : "";
  vtest::Image got;
  if (r.status != 0 || !vtest::readPPM(file + ".ppm", &got) || got.width != window.width || got.height != window.height)
    return -1;
  long bad = 0;
  for (size_t i = 0; i < got.rgb.size(); ++i) bad += got.rgb[i] != window.rgb[i];
  return bad;
}
}  // namespace

TEST(Saving, MonochromeBitmapsDecodeToTheWindowCutTo576By720) {
  VTEST_REQUIRE(vtest::haveTool("macptopbm"), "macptopbm (netpbm)");
  std::string dir = vtest::scratchDir("saving-mono");
  vtest::RunResult r = runProg(dir, "SAVE_CASE=mono", "saveas \"blank.mac\"\nsaveas \"out.mac\"\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(fileSize(dir + "/blank.mac"), 512 + 720 * 2) << "each white row packs into two bytes";
  vtest::Image window;
  ASSERT_TRUE(vtest::readPPM(dir + "/expect.ppm", &window));
  ASSERT_GT(window.width, 576) << "the window must be wider than the image to show the cut";
  std::string log;
  EXPECT_EQ(macPaintMismatches(dir + "/out.mac", window, &log), 0) << log;
  EXPECT_EQ(log.find("misaligned"), std::string::npos) << log;
  // The automatic saves go beside the chosen file as 0, 1, 2, each the
  // window at that moment (one more mark each time).
  for (int i = 0; i < 3; ++i) {
    std::string f = dir + "/" + std::to_string(i);
    ASSERT_GT(fileSize(f), 512) << f;
    EXPECT_EQ(macPaintMismatches(f, window, &log), 64L * (i + 1)) << f << log;
  }
  EXPECT_EQ(fileSize(dir + "/3"), -1);
}

TEST(Saving, ColourBitmapsArePicturesOfTheWindowPixels) {
  VTEST_REQUIRE(!vtest::picttoppmPath().empty(), "picttoppm (scripts/build-picttoppm)");
  std::string dir = vtest::scratchDir("saving-color");
  vtest::RunResult r = runProg(dir, "SAVE_CASE=color", "saveas \"window.pict\"\n");
  ASSERT_EQ(r.status, 0) << r.err;
  vtest::Image window;
  ASSERT_TRUE(vtest::readPPM(dir + "/expect.ppm", &window));
  std::string file = vtest::readFile(dir + "/window.pict");
  EXPECT_TRUE(file.size() > 512u && file.substr(0, 512) == std::string(512, '\0'));
  std::string log;
  EXPECT_EQ(pictureMismatches(dir + "/window.pict", window, &log), 0) << log;
}

TEST(Saving, RecordedDrawingsSaveAsPicturesAndACancelledSaveStillEndsTheRecording) {
  VTEST_REQUIRE(!vtest::picttoppmPath().empty(), "picttoppm (scripts/build-picttoppm)");
  std::string dir = vtest::scratchDir("saving-picture");
  vtest::RunResult r = runProg(dir, "SAVE_CASE=picture", "saveas \"drawing.pict\"\ncancel\nsaveas \"empty.pict\"\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("done"), std::string::npos) << "a cancelled save must not leave the recording open";
  vtest::Image window;
  ASSERT_TRUE(vtest::readPPM(dir + "/expect.ppm", &window));
  std::string log;
  // Vector shapes as the outside decoder draws them: within a few edge pixels.
  long bad = pictureMismatches(dir + "/drawing.pict", window, &log);
  ASSERT_GE(bad, 0) << log;
  EXPECT_LE(bad, long(window.rgb.size()) / 100);
  size_t at = r.out.find("pict ");
  ASSERT_NE(at, std::string::npos) << r.out;
  long handleSize = std::stol(r.out.substr(at + 5));
  ASSERT_GT(handleSize, 10);
  std::string file = vtest::readFile(dir + "/drawing.pict");  // 512 zero bytes, then the picture's bytes
  EXPECT_TRUE(long(file.size()) == 512 + handleSize && file.substr(0, 512) == std::string(512, '\0'));
  EXPECT_GT(fileSize(dir + "/empty.pict"), 512);
  EXPECT_EQ(vtest::regularFiles(dir), 6) << "script, expect.ppm, drawing.pict (with its .ppm and .log), empty.pict";
}

TEST(TextFiles, SavedTextIsTheConsolesBytesReadsBackAndBinaryFilesAreRefused) {
  std::string dir = vtest::scratchDir("text-save"), saved = "a\r12\r", lines = "a\n12\n";
  for (int i = 0; i < 30; ++i) lines += std::string(97, '0') + std::to_string(12 + i) + "\n";
  std::replace_copy(lines.begin() + 5, lines.end(), std::back_inserter(saved), '\n', '\r');
  vtest::RunResult r = runProg(dir, "TEXT_CASE=save", "saveas \"out.txt\"\ntype \"12\"\nchoose \"out.txt\"\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(vtest::readFile(dir + "/out.txt") == saved);
  EXPECT_TRUE(r.err.find(":" + lines + "\n") != std::string::npos) << r.err;  // and the empty line at the end

  vtest::writeFile(dir + "/in.txt", std::string("12\0\1", 4));
  r = runProg(dir, "TEXT_CASE=save", "cancel\ntype \"12\"\nchoose \"in.txt\"\ncancel\n");
  EXPECT_NE(r.err.find("Error in BeginTextReading: in.txt is not a text file"), std::string::npos) << r.err;
}
