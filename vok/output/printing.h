// Printing what the drawing window shows, one page per job: picture
// printing records the drawing between BeginPrinting and EndPrinting and
// prints the picture; bitmap printing asks first and then copies the
// window's pixels onto the page. The page format chosen in the page-setup
// dialog is kept between runs in
// "$HOME/Library/Preferences/<program>-pageSetting.txt".
#pragma once
#include <cstdint>

#include "platform/gfx/picture.h"
#include "platform/print/print.h"
#include "platform/wm/textedit.h"
#include "platform/wm/window.h"

struct PrintState {
  Boolean bitMapAccepted;        // the print dialog of BeginBitMapPrinting was accepted
  PicHandle pict;                // recorded by BeginPrinting; kept until the next one
  Rect pageRect;                 // text printing
  int32_t linesPerPage;          // text printing
  WindowPtr textWindow;          // text printing: owns textTE
  TEHandle textTE;               // text printing
  short textFont, textSize;      // text printing: 1 and 12 at start
  Handle flatPageFormat;         // as read from or written to the page-setting file
  PMPageFormat pageFormat;       // of picture and bitmap jobs
  PMPrintSession session;
  PMPrintSettings printSettings;
  PMPrintSession textSession;    // the same three for text printing
  PMPrintSettings textPrintSettings;
  PMPageFormat textPageFormat;
  char pageSettingPath[1024];    // made by the last LoadPageFormat
};
extern PrintState s_print;

// Picture printing. A second BeginPrinting (or BeginSaving) before the end
// call is fatal. EndPrinting asks with the page-setup and print dialogs,
// EndPrintingBlind prints with the stored (or default) format at once,
// EndPrintingSamePageSetUp with the format of the previous job.
void BeginPrinting();
bool EndPrinting();  // true when the job was accepted and started
void EndPrintingBlind();
void EndPrintingSamePageSetUp();

// Parameters dialog buttons: "Begin Printing", "End Printing", "Save
// Printing" (the printed picture to a file), "Print BitMap".
void BeginPrintingProc();
void EndPrintingProc();
void EndSavingInPrintingProc();
void PrintProc();

// Bitmap printing: Begin asks, End prints the window's pixels if accepted.
void BeginBitMapPrinting();
void BeginBitMapPrintingSamePageSetUp();
void EndBitMapPrinting();

// Page-setup modes of PrintPict and PageSetUp.
enum : int { kPageSetUpAsk = 0, kPageSetUpStored = 1, kPageSetUpSame = 2 };
bool PrintPict(PicHandle pict, int mode);  // true when the job was accepted
void PictProc(PicHandle pict);             // page procedure: the picture in its own frame
// The scale (at most 1) that brings what a drawing paints onto a page of
// this size, placed at its own coordinates; below 1 it is told on the console.
double s_FitOnPage(const Rect& drawn, short pageWidth, short pageHeight);
void BitMapProc();                         // page procedure: the drawing window's pixels
void PageSetUp(int mode, PMPrintSession session, PMPageFormat* pageFormat);
// One job of one page; `procedure(argument)` draws it into the page's port,
// which is current during the call.
typedef void (*PrintPageProc)(void* argument);
void DoPrintJob(PrintPageProc procedure, void* argument, int useTextSession);

void LoadPageFormat(Handle* flat);  // none when there is no usable file
void SavePageFormat(Handle flat);
void SetPrinterName(const char* name);  // has no effect
