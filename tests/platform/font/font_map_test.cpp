// Font numbers and family names: the fixed classic numbers, names that come
// back as the classic names (PostScript relies on them), other installed
// families, and the fallbacks when fontconfig has nothing for a name.
#include <gtest/gtest.h>

#include <string>

#include "platform/font/font.h"
#include "tests/platform/gfx/canvas.h"
#include "tests/support/headless.h"

namespace {
using gfxtest::fnum;

std::string familyName(short id) {
  Str255 p;
  char c[256];
  OSStatus st = FMGetFontFamilyName(id, p);
  CopyPascalToC(p, c);
  return st == noErr ? std::string(c) : "<" + std::to_string(st) + ">";
}
}  // namespace

TEST(FontMap, ClassicFamiliesHaveFixedNumbersAndKeepTheirNames) {
  const struct {
    const char* name;
    short id;
  } classic[] = {{"Geneva", 3}, {"Monaco", 4}, {"Times", 20}, {"Helvetica", 21}, {"Courier", 22}, {"Symbol", 23}};
  for (auto& c : classic) {
    VokFontClearError();
    EXPECT_EQ(fnum(c.name), c.id) << c.name;
    EXPECT_EQ(familyName(c.id), c.name);
    EXPECT_STREQ(VokFontLastError(), "") << c.name << " should be installed (scripts/deps)";
  }
  EXPECT_EQ(fnum("times"), 20);  // names are matched without regard to case
  EXPECT_EQ(familyName(systemFont), "Geneva");
  EXPECT_EQ(familyName(applFont), "Geneva");
}

TEST(FontMap, OtherInstalledFamiliesGetStableNumbers) {
  short serif = fnum("DejaVu Serif");
  ASSERT_GE(serif, 1024);
  EXPECT_EQ(fnum("dejavu serif"), serif);
  EXPECT_EQ(familyName(serif), "DejaVu Serif");
  EXPECT_NE(fnum("Nimbus Sans Narrow"), serif);
}

// fontconfig answers every query with some font; a name it has no family for
// must not get a number of its own.
TEST(FontMap, UnknownNamesGiveTheSystemFontAndSayWhy) {
  VokFontClearError();
  EXPECT_EQ(fnum("No Such Family Xq"), systemFont);
  EXPECT_TRUE(vtest::has(VokFontLastError(), "\"No Such Family Xq\"")) << VokFontLastError();
  EXPECT_EQ(fnum(""), systemFont);
  GetFNum(nullptr, nullptr);  // must not crash
  short id = -1;
  GetFNum(nullptr, &id);
  EXPECT_EQ(id, systemFont);
  EXPECT_EQ(familyName(777), "<" + std::to_string(kFMInvalidFontFamilyErr) + ">");
  EXPECT_EQ(FMGetFontFamilyName(20, nullptr), paramErr);
}

namespace {
// Runs the fallback program with a fontconfig setup that knows only `fontDir`.
std::string runWithFonts(const std::string& fontDir, const std::string& families, std::string* err = nullptr) {
  std::string dir = vtest::scratchDir("font-fallback");
  std::string conf = dir + "/fonts.conf";
  vtest::writeFile(conf, "<?xml version=\"1.0\"?>\n<fontconfig>\n" +
                             (fontDir.empty() ? std::string() : "  <dir>" + fontDir + "</dir>\n") + "  <cachedir>" +
                             dir + "/cache</cachedir>\n</fontconfig>\n");
  auto r = vtest::run("FONTCONFIG_FILE=" + conf + " " + vtest::progPath("font_fallback_prog") + " " + families);
  EXPECT_EQ(r.status, 0) << r.err;
  if (err) *err = r.err;
  return r.out;
}

std::string dejavuDir() {
  auto r = vtest::run("fc-match -f '%{file}' 'DejaVu Sans'");
  std::string file = r.out;
  return file.substr(0, file.rfind('/'));
}
}  // namespace

// Without the URW fonts, Times keeps its number (PostScript still names it)
// but is drawn in the system font, and the message says what to install.
TEST(FontMap, MissingFreeFontNamesTheFamilyAndThePackage) {
  std::string err;
  std::string out = runWithFonts(dejavuDir(), "Times Monaco Times", &err);
  // Said once on standard error, naming the face drawn instead.
  EXPECT_EQ(err.find("Font \"Times\""), err.rfind("Font \"Times\"")) << err;
  EXPECT_TRUE(vtest::has(err, "drawing it in \"DejaVu Sans\"")) << err;
  for (const char* line : {"Times\t20\tTimes\tFont \"Times\" is not installed", "fonts-urw-base35", "Monaco\t4\tMonaco\t\n"})
    EXPECT_TRUE(vtest::has(out, line)) << line << " in\n" << out;
  for (const char* none : {"drawn\tTimes\t0", "\t0\n"})  // drawn with a width and ink, in the system font
    EXPECT_FALSE(vtest::has(out, none)) << none << " in\n" << out;
}

TEST(FontMap, NoFontsAtAllIsReportedNotFatal) {
  std::string out = runWithFonts("", "Times Foo");
  // Without fonts text still has a width (layout goes on) and inks nothing.
  for (const char* line : {"Times\t20\tTimes\tFont \"Times\" is not installed", "no font is installed at all",
                           "Foo\t0\tGeneva\t", "drawn\tTimes\t30\t0\n"})
    EXPECT_TRUE(vtest::has(out, line)) << line << " in\n" << out;
}
