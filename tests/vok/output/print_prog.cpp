// Printing in a started program, driven by a headless script. The case
// comes from PRINT_CASE; results are lines on standard output.
//   bitmap:  draws shapes, writes the window's pixels to PRINT_EXPECT (PPM),
//            then the "Print BitMap" button (page setup, print dialog, job)
//   same:    a bitmap job, then one with the same page setup and no dialogs
//   format:  PageSetUp(PRINT_MODE) on a fresh session; prints the format
//   picture: the shapes and a label drawn between BeginPrinting and
//            EndPrinting; with PRINT_FRAME=1 a 720 x 540 frame and the label only
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/test_drawing.h"
#include "vok/params/pd_procs.h"
#include "vok/vok.h"

namespace {
const RGBColor kBlue = {0, 0, 65535};

std::string env(const char* name, const char* fallback = "") {
  const char* v = std::getenv(name);
  return v ? v : fallback;
}

void describeFormat(PMPageFormat f) {
  std::string paper;
  PMOrientation o = kPMPortrait;
  double scale = 0;
  if (PMGetPaperName(f, &paper) != kPMNoError) return void(std::printf("format none\n"));
  PMGetOrientation(f, &o);
  PMGetScale(f, &scale);
  std::printf("format %s %s %d\n", paper.c_str(), o == kPMLandscape ? "landscape" : "portrait", int(scale));
}
}  // namespace

int main() {
  StartDrawingOnly();
  std::string which = env("PRINT_CASE");
  if (which == "bitmap") {
    vtest::drawTestShapes(kBlue);
    vtest::writeDrawingPPM(env("PRINT_EXPECT", "expect.ppm"));
    PrintProc();
    std::printf("accepted %d\n", int(s_print.bitMapAccepted));
    describeFormat(s_print.pageFormat);
  } else if (which == "same") {
    vtest::drawTestShapes(kBlue);
    BeginBitMapPrinting();
    EndBitMapPrinting();
    std::printf("first %d\n", int(s_print.bitMapAccepted));
    Rect d = {400, 320, 460, 380};
    PaintRect(&d);
    BeginBitMapPrintingSamePageSetUp();
    EndBitMapPrinting();
    std::printf("second %d\n", int(s_print.bitMapAccepted));
    describeFormat(s_print.pageFormat);
  } else if (which == "picture") {
    BeginPrinting();
    vtest::drawTestShapes(kBlue);
    Rect frame = {20, 20, 560, 740};
    if (env("PRINT_FRAME") == "1") EraseDrawing(), PenSize(2, 2), FrameRect(&frame), PenNormal();
    short helvetica = 0;
    GetFNum(reinterpret_cast<const unsigned char*>("\x09Helvetica"), &helvetica);
    TextFont(helvetica);
    MoveTo(320, 100);
    DrawText("Max Bitmap (a\\b)", 0, 16);
    vtest::writeDrawingPPM(env("PRINT_EXPECT", "expect.ppm"));
    std::printf("printed %d\n", int(EndPrinting()));
  } else if (which == "format") {
    PMPrintSession session = nullptr;
    PMCreateSession(&session);
    PageSetUp(std::atoi(env("PRINT_MODE", "0").c_str()), session, &s_print.pageFormat);
    describeFormat(s_print.pageFormat);
    std::printf("stored %s\n", s_print.flatPageFormat ? "yes" : "no");
    PMRelease(session);
  } else {
    std::printf("unknown case %s\n", which.c_str());
    return 3;
  }
  return 0;
}
