// The SDL display in a real X server (Xvfb): the window shows the virtual
// screen (read back from the server with xwd, decoded by netpbm), scaled to
// fit when the screen is larger; real mouse and key input (xdotool) reaches
// the program; closing the window and SIGTERM end it cleanly.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "tests/platform/wm/screen_image.h"
#include "tests/support/headless.h"

namespace {
// X, Y, WIDTH, HEIGHT logged by the driver for one run.
bool geometryOf(const std::string& steps, const std::string& run, int g[4]) {
  std::istringstream in(steps);
  std::string word;
  while (in >> word)
    if (word == run && in >> g[0] >> g[1] >> g[2] >> g[3]) return true;
  return false;
}
}  // namespace

TEST(SDLDisplay, ShowsTheScreenTakesRealInputAndQuitsOnCloseAndSigterm) {
  VTEST_REQUIRE(vtest::kHaveSDLDisplay, "the SDL display (this build has none)");
  for (const char* tool : {"xvfb-run", "xdotool", "xwd", "xwdtopnm"}) VTEST_REQUIRE(vtest::haveTool(tool), tool);
  std::string xclose = vtest::progPath("xclose");
  ASSERT_TRUE(std::filesystem::exists(xclose)) << "xclose was not built (libx11-dev missing?)";
  std::string dir = vtest::scratchDir("sdl-display");
  vtest::RunResult r =
      vtest::run("env -u DISPLAY -u WAYLAND_DISPLAY xvfb-run -a -s '-screen 0 1280x1024x24' bash " +
                 vtest::sourceDir() + "/tests/platform/display/sdl_driver.sh " + dir + " " +
                 vtest::progPath("twowin_prog") + " " + xclose);
  std::string steps = vtest::readFile(dir + "/steps.txt");
  std::string plain = vtest::readFile(dir + "/plain.out"), scaled = vtest::readFile(dir + "/scaled.out");
  SCOPED_TRACE("steps:\n" + steps + "\nplain:\n" + plain + vtest::readFile(dir + "/plain.err") + "\nscaled:\n" +
               scaled + vtest::readFile(dir + "/scaled.err") + "\nxvfb-run: " + r.err);
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(steps.find("timeout"), std::string::npos);

  // 640x480 fits the 1280x1024 server: shown at its own size.
  int g[4];
  ASSERT_TRUE(geometryOf(steps, "plain", g));
  EXPECT_EQ(g[2], 640);
  EXPECT_EQ(g[3], 480);
  vtest::Image img;
  ASSERT_TRUE(vtest::readPPM(dir + "/plain.ppm", &img));
  vtest::expectWindowsDrawn(img, g[0], g[1]);
  // Ctrl acts as Command; the closed window quits.
  for (const char* line : {"down Alpha part 3 at 15 20 mods 0000\n", "down Beta part 3 at 20 20 mods 0200\n",
                           "key 97 mods 0000\nkey 90 mods 0200\n", "key 13 mods 0000\nkey 113 mods 1100\nkey 31 mods 0000\n",
                           "quit\n"})
    EXPECT_TRUE(vtest::has(plain, line)) << line;
  EXPECT_TRUE(vtest::has(steps, "plain status 0"));

  // 2560x2048 is shown at half size; clicks map back to the virtual screen.
  ASSERT_TRUE(geometryOf(steps, "scaled", g));
  EXPECT_EQ(g[2], 1280);
  EXPECT_EQ(g[3], 1024);
  ASSERT_TRUE(vtest::readPPM(dir + "/scaled.ppm", &img));
  auto at = [&](int h, int v) { return img.at(g[0] + h, g[1] + v); };
  EXPECT_TRUE(vtest::near(at(100, 80), 0xFF0000)) << std::hex << at(100, 80);  // Alpha at (40, 60)-(340, 260) / 2
  EXPECT_TRUE(vtest::near(at(30, 40), 0x000000)) << std::hex << at(30, 40);   // its square
  EXPECT_TRUE(vtest::near(at(275, 135), 0x0000FF)) << std::hex << at(275, 135);
  EXPECT_TRUE(vtest::has(scaled, "down Alpha part 3 at 14 20"));
  EXPECT_TRUE(vtest::has(scaled, "quit\n"));  // SIGTERM
  EXPECT_TRUE(vtest::has(steps, "scaled status 0"));
}
