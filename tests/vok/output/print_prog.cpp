// Printing in a started program, driven by a headless script. The case
// comes from PRINT_CASE; results are lines on standard output.
//   bitmap:  draws shapes, writes the window's pixels to PRINT_EXPECT (PPM),
//            then the "Print BitMap" button (page setup, print dialog, job)
//   same:    a bitmap job, then one with the same page setup and no dialogs
//   format:  PageSetUp(PRINT_MODE) on a fresh session; prints the format
//   picture: the shapes and a label drawn between BeginPrinting and
//            EndPrinting; with PRINT_FRAME=1 a 720 x 540 frame and the label only
//   elements: regions, pixel copies and wide frames printed as a picture;
//            writes the picture file (elements.pict) and its replay (replay.ppm)
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/test_drawing.h"
#include "vok/params/pd_procs.h"
#include "vok/vok.h"

namespace {
const RGBColor kBlue = {0, 0, 65535};

std::string env(const char* name, const char* fallback = "") {
  const char* v = std::getenv(name);
  return v ? v : fallback;
}

RgnHandle ovalRgn(Rect r) {
  RgnHandle rgn = NewRgn();
  OpenRgn();
  FrameOval(&r);
  CloseRgn(rgn);
  return rgn;
}

// A 48 x 32 source: 8-pixel checks and a diagonal, or a colour ramp with white columns.
GWorldPtr source(bool colour) {
  Rect r = {0, 0, 32, 48};
  GWorldPtr world = nullptr;
  CGrafPtr port;
  GDHandle device;
  GetGWorld(&port, &device);
  if (NewGWorld(&world, colour ? 32 : 1, &r, nullptr, nullptr, 0) != noErr) std::exit(4);
  SetGWorld(world, nullptr);
  for (short y = 0; y < 32; ++y)
    for (short x = 0; x < 48; ++x) {
      RGBColor c = colour ? RGBColor{uint16_t(x * 1400), 30000, uint16_t(y * 2000)} : RGBColor{0, 0, 0};
      bool white = colour ? x % 6 == 5 : ((x / 8 + y / 8) % 2 == 0 && x != y);
      if (white) c = {65535, 65535, 65535};
      SetCPixel(x, y, &c);
    }
  SetGWorld(port, device);
  return world;
}

// The five copies in their cells: 1-bit plain, or over yellow through an
// oval mask, bic over yellow; colour plain, or over grey. Unscaled, they
// are copies the outside decoder can draw too (it cannot scale them).
void drawCopies(bool scaled) {
  const RGBColor yellow = {65535, 60000, 0}, grey = {50000, 50000, 50000};
  GWorldPtr mono = source(false), colour = source(true);
  const BitMap* port = GetPortBitMapForCopyBits(GetQDPort());
  Rect src = {0, 0, 32, 48}, copy = {150, 20, 182, 68}, orCopy = {150, 160, 182, 208}, bic = {150, 300, 182, 348};
  Rect colourCopy = {230, 20, 262, 68}, colourOr = {230, 160, 262, 208};
  if (scaled) orCopy = {150, 160, 198, 232}, colourCopy = {230, 20, 294, 116};
  RGBForeColor(&yellow);
  PaintRect(&orCopy);
  PaintRect(&bic);
  RGBForeColor(&grey);
  PaintRect(&colourOr);
  ForeColor(blackColor);
  RgnHandle mask = ovalRgn(orCopy);
  CopyBits(GetPortBitMapForCopyBits(mono), port, &src, &copy, srcCopy, nullptr);
  CopyBits(GetPortBitMapForCopyBits(mono), port, &src, &orCopy, srcOr, mask);
  CopyBits(GetPortBitMapForCopyBits(mono), port, &src, &bic, srcBic, nullptr);
  CopyBits(GetPortBitMapForCopyBits(colour), port, &src, &colourCopy, srcCopy, nullptr);
  CopyBits(GetPortBitMapForCopyBits(colour), port, &src, &colourOr, srcOr, nullptr);
  DisposeRgn(mask);
  DisposeGWorld(mono);
  DisposeGWorld(colour);
}

// Each kind in its own cell (the test's table repeats these places).
void drawElements() {
  const RGBColor green = {0, 40000, 0};
  RgnHandle ell = NewRgn(), bar = NewRgn();
  SetRectRgn(ell, 20, 20, 140, 60);
  SetRectRgn(bar, 20, 20, 60, 120);
  UnionRgn(ell, bar, ell);
  PenSize(3, 3);
  FrameRgn(ell);
  OffsetRgn(ell, 160, 0);
  RGBForeColor(&green);
  PaintRgn(ell);
  ForeColor(blackColor);
  PenNormal();
  DisposeRgn(ell);
  DisposeRgn(bar);
  drawCopies(true);
  Rect oval = {340, 20, 420, 140}, arc = {340, 160, 420, 280}, round = {340, 300, 420, 420};
  PenSize(4, 4);
  FrameOval(&oval);
  PenSize(5, 3);
  FrameArc(&arc, 45, 200);
  PenSize(3, 5);
  FrameRoundRect(&round, 40, 30);
  PenSize(4, 4);
  PolyHandle poly = OpenPoly();
  MoveTo(460, 450);
  LineTo(560, 450);
  LineTo(500, 530);
  LineTo(470, 480);
  ClosePoly();
  FramePoly(poly);
  KillPoly(poly);
  PenNormal();
}

// The picture as a file (512 zero bytes, then its data) and as the platform
// replays it, in NAME.pict and NAME.ppm.
bool writePictureAndReplay(PicHandle pict, const std::string& name) {
  FILE* f = std::fopen((name + ".pict").c_str(), "wb");
  if (!f) return false;
  std::vector<char> header(512, 0);
  std::fwrite(header.data(), 1, header.size(), f);
  std::fwrite(*pict, 1, size_t(GetHandleSize(reinterpret_cast<Handle>(pict))), f);
  std::fclose(f);
  Rect frame;
  QDGetPictureBounds(pict, &frame);
  GWorldPtr world = nullptr;
  CGrafPtr port;
  GDHandle device;
  GetGWorld(&port, &device);
  if (NewGWorld(&world, 32, &frame, nullptr, nullptr, 0) != noErr) return false;
  SetGWorld(world, nullptr);
  DrawPicture(pict, &frame);
  bool ok = vtest::writePortPPM(world, name + ".ppm");
  SetGWorld(port, device);
  DisposeGWorld(world);
  return ok;
}

// The unscaled copies recorded in a world of their own.
bool writeUnscaledCopies() {
  Rect frame = {0, 0, 300, 400};
  GWorldPtr world = nullptr;
  CGrafPtr port;
  GDHandle device;
  GetGWorld(&port, &device);
  if (NewGWorld(&world, 32, &frame, nullptr, nullptr, 0) != noErr) return false;
  SetGWorld(world, nullptr);
  PicHandle pict = OpenPicture(&frame);
  drawCopies(false);
  ClosePicture();
  SetGWorld(port, device);
  DisposeGWorld(world);
  bool ok = writePictureAndReplay(pict, "copies");
  KillPicture(pict);
  return ok;
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
  } else if (which == "elements") {
    s_SetGWorld(s_drawingWindow, nullptr);
    EraseDrawing();
    BeginPrinting();
    drawElements();
    std::printf("printed %d\n", int(EndPrinting()));
    if (!writePictureAndReplay(s_print.pict, "elements") || !writeUnscaledCopies()) return 5;
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
