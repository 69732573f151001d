// Pages as PostScript, checked by Ghostscript's rendering of the document:
// every rendered pixel must show the page pixel that lies under it, for
// portrait, landscape (the drawing's top along the paper's left edge) and a
// reduced scale, and a multi-page document keeps its pages apart.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/print/print_internal.h"
#include "tests/platform/gfx/canvas.h"
#include "tests/support/ghostscript.h"
#include "tests/support/paths.h"
#include "tests/support/test_drawing.h"
#include "tests/support/vok_ink.h"

namespace {
const RGBColor kBlue = {0, 0, 65535}, kGreen = {0, 65535, 0};

constexpr short kDpi = 300;  // pages are sent and rendered at it, pixels replicated

// A document of `count` pages (the test shapes, the third in blue on odd
// pages, green on even ones) rendered, each page against its own pixels.
void checkFormat(const OpaquePMPageFormat& f, const std::string& name, int count = 1) {
  std::vector<vtest::Image> pages;
  std::string body;
  short w, h;
  vokprint::pageSize(f, &w, &h);
  for (int i = 0; i < count; ++i) {
    gfxtest::Canvas page(w, h);
    vtest::drawTestShapesHere(i % 2 ? kGreen : kBlue);
    body += vokprint::encodePage(page.port()->portPixMap, f, short(i + 1), kDpi);
    pages.push_back(vtest::portImage(page.port()));
  }
  std::string path = vtest::scratchDir("ps-" + name) + "/doc.ps";
  vtest::writeFile(path, vokprint::encodeDocument(body, count, f, "test (page)"));
  std::vector<vtest::Image> out;
  std::string log;
  EXPECT_TRUE(vtest::gsRenderPages(path, &out, &log, kDpi)) << log;
  EXPECT_EQ(out.size(), size_t(count)) << name;
  for (size_t i = 0; i < out.size() && i < pages.size(); ++i) {
    EXPECT_EQ(out[i].width, int(f.paperWidth * kDpi / 72.0));
    EXPECT_EQ(out[i].height, int(f.paperHeight * kDpi / 72.0));
    // Whole device pixels per page pixel, but for the rounding where 300/72 falls
    // between two; at 50 % the edges of the page's pixels are resampled.
    long limit = long(out[i].width) * out[i].height / (f.scale == 100 ? 1000 : 200);
    EXPECT_LE(vtest::pageMismatches(out[i], pages[i], f.orientation == kPMLandscape, f.scale / 100.0, kDpi), limit)
        << name << " page " << i + 1;
  }
  EXPECT_EQ(log.find("Error"), std::string::npos) << log;
}
}  // namespace

// A multi-page document keeps its pages apart.
TEST(PostScriptPages, RenderToThePagePixelsInEveryOrientationAndScale) {
  VTEST_REQUIRE(vtest::haveGhostscript(), "gs");
  OpaquePMPageFormat f;  // A4
  checkFormat(f, "two-pages", 2);
  f.orientation = kPMLandscape;
  checkFormat(f, "landscape");
  f.orientation = kPMPortrait;
  f.scale = 50;
  checkFormat(f, "half");
  f.paper = "US Letter";
  f.paperWidth = 612;
  f.paperHeight = 792;
  f.scale = 100;
  checkFormat(f, "letter");
}
