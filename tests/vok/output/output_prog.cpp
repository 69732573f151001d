// Printing, saving and console text files in a started program, driven by
// a headless script. The case comes from SAVE_CASE, TEXT_CASE, EPS_CASE or PRINT_CASE.
// Printing (results are lines on standard output), PRINT_CASE:
//   bitmap:  draws shapes, writes the window's pixels to expect.ppm,
//            then the "Print BitMap" button (page setup, print dialog, job)
//   same:    a bitmap job, then one with the same page setup and no dialogs
//   format:  PageSetUp(PRINT_MODE) on a fresh session; prints the format
//   picture: the shapes and a label drawn between BeginPrinting and
//            EndPrinting; with PRINT_FRAME=1 a 720 x 540 frame and the label only
//   elements: regions, pixel copies and wide frames printed as a picture,
//            then saved (a picture file) and replayed in the window
// Picture and bitmap saving, SAVE_CASE:
//   mono:    black-and-white mode; saves the blank window, then a drawing
//            (window pixels to expect.ppm), then three automatic saves
//   color:   colour mode; the drawing saved as a bitmap (a picture)
//   picture: BeginSaving/EndSaving (with a polygon and a pixel copy) twice (the second save may be cancelled),
//            then a third recording, to show the recording always ends;
//            prints the size of the first picture's handle
//   monofail: black-and-white mode; the drawing saved as a bitmap once
// Console text (results on standard error), TEXT_CASE:
//   save:  output, a typed line and 30 lines of 100 characters saved; then
//          the file chosen next read back through console input
//   print: 150 lines printed one per call
// EPS files, EPS_CASE:
//   dialog: two recordings, the save dialog answered by the script (first a
//           file, then a cancel), printing whether each temporary was
//           removed; then ends while a third recording is open, printing
//           its temporary's path
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/test_drawing.h"
#include "tests/support/vok_prog.h"
#include "vok/params/pd_procs.h"
#include "vok/vok.h"

namespace {
const RGBColor kBlue = {0, 0, 65535};

using vtest::env;

// Each kind in its own place (the test's table repeats them). The copies
// take parts of the drawing: black and white, or green, black and white.
void drawElements() {
  const RGBColor green = {0, 40000, 0}, yellow = {65535, 60000, 0};
  Rect box = {20, 20, 120, 140}, band = {150, 160, 262, 348}, mono = {20, 150, 52, 198}, colour = {20, 70, 52, 118};
  Rect copy = {150, 20, 182, 68}, orCopy = {150, 160, 182, 208}, bic = {150, 300, 182, 348},
       colourCopy = {230, 20, 262, 68}, colourOr = {230, 160, 262, 208};
  RgnHandle rgn = NewRgn(), mask = NewRgn();
  OpenRgn();
  FrameOval(&box);
  CloseRgn(rgn);
  OpenRgn();
  FrameOval(&orCopy);
  CloseRgn(mask);
  RGBForeColor(&green);
  PaintRgn(rgn);
  RGBForeColor(&yellow);
  PaintRect(&band);
  ForeColor(blackColor);
  OffsetRgn(rgn, 60, 0);
  PenSize(3, 3);
  FrameRgn(rgn);
  const BitMap* window = GetPortBitMapForCopyBits(s_drawingPort);
  CopyBits(window, window, &mono, &copy, srcCopy, nullptr);
  CopyBits(window, window, &mono, &orCopy, srcOr, mask);
  CopyBits(window, window, &mono, &bic, srcBic, nullptr);
  CopyBits(window, window, &colour, &colourCopy, srcCopy, nullptr);
  CopyBits(window, window, &colour, &colourOr, srcOr, nullptr);
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
  for (Point p : {Point{450, 560}, Point{530, 500}, Point{480, 470}}) LineTo(p.h, p.v);
  ClosePoly();
  FramePoly(poly);
  KillPoly(poly);
  for (RgnHandle h : {rgn, mask}) DisposeRgn(h);
}

// The test shapes with a light (yellow: white in one bit) rectangle, and
// marks beyond 576 x 720 that a one-bit image cuts off.
void drawSavingShapes() {
  vtest::drawTestShapes(RGBColor{65535, 65535, 0});
  Rect right = {100, 570, 140, 700}, low = {700, 20, 760, 80};
  PaintRect(&right);
  PaintRect(&low);
}

int savingCase(const std::string& which) {
  SetDrawingBoundsFull();
  if (which == "mono" || which == "monofail") {
    StartBW();
    HideWindow(s_textWindow);
    if (which == "mono") SaveProc();
    drawSavingShapes();
    if (which == "mono") vtest::writeDrawingPPM("expect.ppm");
    SaveProc();
    for (int i = 0; which == "mono" && i < 3; ++i) {
      Rect mark = {short(10 + 10 * i), 10, short(18 + 10 * i), 18};
      PaintRect(&mark);
      EndBitMapSavingAuto();
    }
  } else if (which == "color") {
    StartDrawingOnly();
    drawSavingShapes();
    vtest::writeDrawingPPM("expect.ppm");
    SaveProc();
  } else if (which == "picture") {
    StartDrawingOnly();
    BeginSaving();
    drawSavingShapes();
    // A small polygon (its slanted edges are drawn a little differently by the
    // decoder), and a copy 55 pixels wide: a width where readers disagree on the row-count field.
    PolyHandle poly = OpenPoly();
    MoveTo(400, 100);
    LineTo(416, 84);
    LineTo(432, 100);
    ClosePoly();
    PaintPoly(poly);
    KillPoly(poly);
    Rect from = {300, 100, 340, 155}, to = {300, 200, 340, 255};
    CopyBits(GetPortBitMapForCopyBits(s_drawingPort), GetPortBitMapForCopyBits(s_drawingPort), &from, &to, srcCopy,
             nullptr);
    EndSaving();
    std::printf("pict %ld\n", long(GetHandleSize(reinterpret_cast<Handle>(s_save.pict))));
    vtest::writeDrawingPPM("expect.ppm");
    BeginSaving();
    Rect more = {10, 10, 30, 30};
    PaintRect(&more);
    EndSaving();
    BeginSaving();
    EndSaving();
  } else {
    std::printf("unknown case %s\n", which.c_str());
    return 3;
  }
  std::printf("done\n");
  return 0;
}

int textCase(const std::string& which) {
  StartDrawingOnly();
  if (which == "print") {
    BeginTextPrinting();
    for (int i = 0; i < 150; ++i) s_printf("line %d\n", i);  // 60 lines a page on A4 at 12 points
    EndTextPrinting();
    return 0;
  }
  int n = 0;
  BeginTextSaving();
  s_printf("a\n");
  s_scanf("%d", &n);
  for (int i = 0; i < 30; ++i) s_printf("%099d\n", i + n);
  EndTextSaving();
  s_printf("not saved\n");
  short ref = BeginTextReading();
  std::fprintf(stderr, "read %d:", ref);
  for (char piece[8]; ref > 0 && !textFileEnd;) std::fputs(s_fgets(piece, sizeof piece, stdin), stderr);
  return 0;
}

int epsCase() {
  StartDrawingOnly();
  Rect r = {20, 30, 120, 230};
  SetEPSFileName("graph.dat");
  for (int round = 1; round <= 2; ++round) {
    EraseDrawing();
    BeginEPSSaving();
    if (!s_eps.active) return 3;
    std::string tmp = EPSTemporaryPath();
    FrameRect(&r);
    s_MoveTo(40, 80);
    DrawStyleText("f(x) = x^2");
    EndEPSSaving();
    std::printf("round %d: temporary %s\n", round, access(tmp.c_str(), F_OK) == 0 ? "left" : "removed");
  }
  BeginEPSSaving();  // the program ends while recording: the temporary must go with it
  std::printf("recording %s\n", EPSTemporaryPath());
  FrameRect(&r);
  return s_eps.active ? 0 : 3;
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
  if (!env("SAVE_CASE").empty()) return savingCase(env("SAVE_CASE"));
  if (!env("TEXT_CASE").empty()) return textCase(env("TEXT_CASE"));
  if (!env("EPS_CASE").empty()) return epsCase();
  StartDrawingOnly();
  std::string which = env("PRINT_CASE");
  if (which == "bitmap") {
    vtest::drawTestShapes(kBlue);
    vtest::writeDrawingPPM("expect.ppm");
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
    vtest::writeDrawingPPM("expect.ppm");
    std::printf("printed %d\n", int(EndPrinting()));
  } else if (which == "elements") {  // the window, the picture's file and its replay in the window
    s_SetGWorld(s_drawingWindow, nullptr);
    EraseDrawing();
    BeginPrinting();
    drawElements();
    vtest::writeDrawingPPM("window.ppm");
    std::printf("printed %d\n", int(EndPrinting()));
    SavePict(s_print.pict);
    EraseDrawing();
    DrawPicture(s_print.pict, &s_drawingPort->portRect);  // the picture's frame
    vtest::writeDrawingPPM("replay.ppm");
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
