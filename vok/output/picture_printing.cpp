// Picture printing: the drawing between BeginPrinting and an end call is
// recorded into s_print.pict (shown on screen as it is drawn) and printed
// on one page in the picture's own frame, as vector PostScript. The
// recording flag is the one of picture saving, so the two never overlap.
#include <cmath>
#include <string>

#include "vok/console/text.h"
#include "vok/frame/events.h"
#include "vok/output/picture_postscript.h"
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

// The drawing keeps its window coordinates on the page. When what it paints
// reaches beyond the page (a large window, a landscape page), it is scaled
// down until it fits, and the console says so: a cut-off graph would pass
// unnoticed until the paper is in hand.
double s_FitOnPage(const Rect& drawn, short pageWidth, short pageHeight) {
  if (drawn.right <= drawn.left || drawn.bottom <= drawn.top || pageWidth <= 0 || pageHeight <= 0) return 1.0;
  // Strokes reach half a point beyond their pixels.
  double right = drawn.right + 1.0, bottom = drawn.bottom + 1.0;
  double fit = std::fmin(1.0, std::fmin(pageWidth / right, pageHeight / bottom));
  if (fit < 1.0)
    s_printf("The drawing (%d x %d points) does not fit the printable area of the page (%d x %d): printed at %d %%.\n",
             int(drawn.right), int(drawn.bottom), int(pageWidth), int(pageHeight), int(std::floor(fit * 100.0)));
  return fit;
}

void PictProc(PicHandle pict) {
  if (!pict || !*pict) return;
  Rect frame, drawn;
  QDGetPictureBounds(pict, &frame);
  std::string ps;
  PMRect page = {0, 0, 0, 0};
  if (!s_PictureToPostScript(pict, &ps, &drawn) || PMGetAdjustedPageRect(s_print.pageFormat, &page) != kPMNoError) {
    DrawPicture(pict, &frame);  // the page's pixels are what gets printed then
    return;
  }
  double fit = s_FitOnPage(drawn, short(page.right - page.left), short(page.bottom - page.top));
  char head[64];
  std::snprintf(head, sizeof head, "%.6f %.6f scale\n", fit, fit);
  Rect scaled = {frame.top, frame.left, short(frame.top + (frame.bottom - frame.top) * fit),
                 short(frame.left + (frame.right - frame.left) * fit)};
  DrawPicture(pict, &scaled);
  VokSessionSetPagePostScript(s_print.session, head + ps);
}
