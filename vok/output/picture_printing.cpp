// Picture printing: the drawing between BeginPrinting and an end call is
// recorded into s_print.pict (shown on screen as it is drawn) and printed
// on one page in the picture's own frame. The recording flag is the one of
// picture saving, so the two never overlap.
#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
#include "vok/frame/events.h"
#include "vok/frame/messages.h"
#include "vok/output/printing_internal.h"
#include "vok/output/saving.h"

namespace {
void picturePage(void* pict) { PictProc(static_cast<PicHandle>(pict)); }

bool endPrinting(int mode) {
  CGrafPtr port;
  GDHandle device;
  s_GetGWorld(&port, &device);
  s_SetGWorld(s_drawingWindow, nullptr);
  if (s_save.recording) {
    s_HidePen();
    ClosePicture();
    s_save.recording = 0;
  }
  bool result = PrintPict(s_print.pict, mode);
  s_SetGWorld(port, device);
  CheckPause();
  return result;
}
}  // namespace

void BeginPrinting() {
  if (s_save.recording) PrintError("Error: Consecutive call of BeginSaving or BeginPrinting\n");
  CGrafPtr port;
  GDHandle device;
  s_GetGWorld(&port, &device);
  s_SetGWorld(s_drawingWindow, nullptr);
  if (s_print.pict) KillPicture(s_print.pict);
  s_print.pict = nullptr;
  Rect frame;
  GetPortBounds(s_drawingPort ? s_drawingPort : GetQDPort(), &frame);
  ClipRect(&frame);
  s_print.pict = OpenPicture(&frame);
  s_save.recording = 1;
  s_ShowPen();  // opening a picture hides the pen; the drawing stays visible
  s_SetGWorld(port, device);
  CheckPause();
}

bool EndPrinting() { return endPrinting(kPageSetUpAsk); }
void EndPrintingBlind() { endPrinting(kPageSetUpStored); }
void EndPrintingSamePageSetUp() { endPrinting(kPageSetUpSame); }

bool PrintPict(PicHandle pict, int mode) {
  if (PMCreateSession(&s_print.session) != kPMNoError) {
    s_print.session = nullptr;
    return false;
  }
  PageSetUp(mode, s_print.session, &s_print.pageFormat);
  bool result = s_PreparePrintSettings(s_print.session, &s_print.printSettings, mode == kPageSetUpAsk);
  if (result) DoPrintJob(picturePage, pict, 0);
  s_ReleasePrintJob();
  return result;
}

void PictProc(PicHandle pict) {
  if (!pict || !*pict) return;
  Rect frame;
  QDGetPictureBounds(pict, &frame);
  DrawPicture(pict, &frame);
}
