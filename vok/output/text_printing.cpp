// Printing the console: text is laid out in a text record of the page's
// size (kept in an invisible window between pages) and each page's worth
// of lines is printed as a job of its own as soon as it has gathered.
#include <cstring>

#include "platform/font/font.h"
#include "vok/console/text.h"
#include "vok/draw/drawing_window.h"
#include "vok/frame/startup.h"
#include "vok/output/printing_internal.h"
#include "vok/output/saved_port.h"
#include "vok/output/text_files.h"

namespace {
void textPage(void*) { TextPrintProc(); }

void homeRecord() {
  if (s_print.textTE && s_print.textWindow) (**s_print.textTE).inPort = GetWindowPort(s_print.textWindow);
}

void makeTextWindow() {
  if (s_print.textWindow) return;
  Str255 title;
  CopyCToPascal("Print", title);
  s_print.textWindow = NewWindow(nullptr, &s_inputBounds, title, false, altDBoxProc, kFirstWindowOfClass, true, 0);
}

void releaseTextJob() {
  PMRelease(s_print.textPrintSettings);
  PMRelease(s_print.textSession);
  s_print.textPrintSettings = nullptr;
  s_print.textSession = nullptr;
  if (s_print.textTE) TEDispose(s_print.textTE);
  s_print.textTE = nullptr;
}

short round0(double v) { return short(v); }  // toward zero, as page coordinates are kept
}  // namespace

void SetTextPrintFontName(const char* name) {
  Str255 pascal;
  CopyCToPascal(name ? name : "", pascal);
  GetFNum(pascal, &s_print.textFont);
}

void SetTextPrintFontSize(short size) { s_print.textSize = size; }

// A record over the page inset by 4 points left and right; its view holds
// exactly linesPerPage lines, and lines wrap 8 points short of the right.
void SetTextPrintTE() {
  InsetRect(&s_print.pageRect, 4, 0);
  TextFont(s_print.textFont);
  TextSize(s_print.textSize);
  if (s_print.textTE) TEDispose(s_print.textTE);
  TEHandle te = TENew(&s_print.pageRect, &s_print.pageRect);
  TEAutoView(false, te);
  short lineHeight = (**te).lineHeight > 0 ? (**te).lineHeight : 1;
  s_print.linesPerPage = s_print.pageRect.bottom / lineHeight;
  if (s_print.linesPerPage < 1) s_print.linesPerPage = 1;  // a page shorter than a line still prints
  (**te).viewRect.bottom = short(s_print.linesPerPage * lineHeight);
  (**te).destRect.right -= 8;
  TECalText(te);
  s_print.textTE = te;
}

void BeginTextPrinting() {
  SavedPort saved;
  s_SetGWorld(s_displayWindow, nullptr);
  EndTextPrinting();  // a second Begin finishes the first job's pages
  releaseTextJob();
  if (PMCreateSession(&s_print.textSession) != kPMNoError) {
    s_print.textSession = nullptr;
    return;
  }
  PageSetUp(kPageSetUpAsk, s_print.textSession, &s_print.textPageFormat);
  s_textPrintFlag =
      s_PreparePrintSettings(s_print.textSession, s_print.textPageFormat, &s_print.textPrintSettings, true) ? 1 : 0;
  if (!s_textPrintFlag) {
    releaseTextJob();
    return;
  }
  PrintTextP = PrintText;
  makeTextWindow();
  PMRect page;
  if (PMGetAdjustedPageRect(s_print.textPageFormat, &page) == kPMNoError) {
    s_print.pageRect = {round0(page.top), round0(page.left), round0(page.bottom), round0(page.right)};
    if (s_print.textWindow) SetPort(GetWindowPort(s_print.textWindow));
    SetTextPrintTE();
  }
  homeRecord();
}

// Adds the text; once more lines than a page holds have gathered, the first
// page's lines are printed and removed (at most one page per call).
void PrintText(const char* text) {
  TEHandle te = s_print.textTE;
  if (!te || !text) return;
  SavedPort saved;
  if (s_print.textWindow) SetPort(GetWindowPort(s_print.textWindow));
  long end = (**te).teLength;
  TESetSelect(end, end, te);
  TEInsert(text, long(std::strlen(text)), te);
  if ((**te).nLines <= s_print.linesPerPage) return;
  DoPrintJob(textPage, nullptr, 1);
  homeRecord();
  TESetSelect(0, TELineStart(short(s_print.linesPerPage), te), te);
  TEDelete(te);
}

void TextPrintProc() {
  TEHandle te = s_print.textTE;
  if (!te) return;
  CGrafPtr page = GetQDPort();
  (**te).inPort = page;
  TextFont(s_print.textFont);
  TextSize(s_print.textSize);
  Rect r;
  GetPortBounds(page, &r);
  TEUpdate(&r, te);
}

// The lines left over are the last page; an empty record prints no blank page.
void EndTextPrinting() {
  if (!s_textPrintFlag) return;
  if (s_print.textTE && (**s_print.textTE).teLength > 0) DoPrintJob(textPage, nullptr, 1);
  homeRecord();
  s_textPrintFlag = 0;
  PrintTextP = s_voidDummyString;
  releaseTextJob();
}
