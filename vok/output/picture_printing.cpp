// Picture printing: the drawing between BeginPrinting and an end call is
// recorded into s_print.pict (shown on screen as it is drawn) and printed
// on one page in the picture's own frame. The recording flag is the one of
// picture saving, so the two never overlap.
#include "vok/frame/events.h"
#include "vok/output/printing_internal.h"
#include "vok/output/saving_internal.h"

namespace {
void picturePage(void* pict) { PictProc(static_cast<PicHandle>(pict)); }

bool endPrinting(int mode) {
  s_EndDrawingPicture();
  bool result = PrintPict(s_print.pict, mode);
  CheckPause();
  return result;
}
}  // namespace

void BeginPrinting() {
  s_BeginDrawingPicture(&s_print.pict);
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
  bool result = s_PreparePrintSettings(s_print.session, s_print.pageFormat, &s_print.printSettings, mode == kPageSetUpAsk);
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
