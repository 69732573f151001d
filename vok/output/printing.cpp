// The print record, page setup, the one-page print job, and bitmap
// printing (the drawing window's pixels copied onto the page at window
// coordinates, one pixel per point).
#include "vok/draw/drawing_window.h"
#include "vok/frame/events.h"
#include "vok/output/printing_internal.h"
#include "vok/output/saved_port.h"
#include "vok/params/pd_procs.h"

PrintState s_print = {
    false, nullptr, {0, 0, 0, 0}, 0, nullptr, nullptr, 1, 12, nullptr, nullptr, nullptr, nullptr,
    nullptr, nullptr, nullptr, {0},
};

namespace {
// The current port, saved and restored around the dialogs.
void forgetStoredFormat() {
  if (s_print.flatPageFormat) DisposeHandle(s_print.flatPageFormat);
  s_print.flatPageFormat = nullptr;
}

// Replaces the job's page format (the old one is released, not leaked).
void replaceFormat(PMPageFormat* pageFormat, PMPageFormat format) {
  if (*pageFormat && *pageFormat != format) PMRelease(*pageFormat);
  *pageFormat = format;
}

void bitMapPage(void*) { BitMapProc(); }
}  // namespace

// 1. Mode 2 keeps the format of the previous job (modes 0 and 1 when there
//    is none yet).
// 2. Read the page-setting file; a stored format that does not unflatten or
//    validate is forgotten.
// 3. Without a stored format: the session's default one.
// 4. Mode 0: the page-setup dialog; an accepted choice is stored again.
void PageSetUp(int mode, PMPrintSession session, PMPageFormat* pageFormat) {
  if (!pageFormat) return;
  SavedPort saved;
  s_SetGWorld(s_displayWindow, nullptr);
  if (mode == kPageSetUpSame && *pageFormat) return;
  forgetStoredFormat();
  LoadPageFormat(&s_print.flatPageFormat);
  PMPageFormat format = nullptr;
  if (s_print.flatPageFormat) {
    if (PMUnflattenPageFormat(s_print.flatPageFormat, &format) != kPMNoError ||
        PMSessionValidatePageFormat(session, format, nullptr) != kPMNoError) {
      PMRelease(format);
      format = nullptr;
      forgetStoredFormat();
    }
  }
  if (!format) {
    if (PMCreatePageFormat(&format) != kPMNoError) return;
    if (PMSessionDefaultPageFormat(session, format) != kPMNoError) {
      PMRelease(format);
      return;
    }
  }
  replaceFormat(pageFormat, format);
  if (mode == kPageSetUpAsk) {
    Boolean accepted = false;
    if (PMSessionPageSetupDialog(session, format, &accepted) == kPMNoError && accepted) {
      Handle flat = nullptr;
      if (PMFlattenPageFormat(format, &flat) == kPMNoError) {
        forgetStoredFormat();
        s_print.flatPageFormat = flat;
        SavePageFormat(flat);
      }
    }
  }
  if (s_print.flatPageFormat) HPurge(s_print.flatPageFormat);
}

bool s_PreparePrintSettings(PMPrintSession session, PMPageFormat format, PMPrintSettings* settings, bool ask) {
  SavedPort saved;
  s_SetGWorld(s_displayWindow, nullptr);
  if (PMCreatePrintSettings(settings) != kPMNoError) return false;
  if (PMSessionDefaultPrintSettings(session, *settings) != kPMNoError) return false;
  if (!ask) return true;
  Boolean accepted = false;
  return PMSessionPrintDialog(session, *settings, format, &accepted) == kPMNoError && accepted;
}

void s_ReleasePrintJob() {
  PMRelease(s_print.printSettings);
  PMRelease(s_print.session);
  s_print.printSettings = nullptr;
  s_print.session = nullptr;
}

void DoPrintJob(PrintPageProc procedure, void* argument, int useTextSession) {
  PMPageFormat format = useTextSession ? s_print.textPageFormat : s_print.pageFormat;
  PMPrintSession session = useTextSession ? s_print.textSession : s_print.session;
  PMPrintSettings settings = useTextSession ? s_print.textPrintSettings : s_print.printSettings;
  PMRect page;
  if (PMGetAdjustedPageRect(format, &page) == kPMNoError &&
      PMSessionBeginDocument(session, settings, format) == kPMNoError &&
      PMSessionBeginPage(session, format, &page) == kPMNoError) {
    void* port = nullptr;
    if (PMSessionGetGraphicsContext(session, kPMGraphicsContextQuickDraw, &port) == kPMNoError && port) {
      SavedPort saved;
      SetGWorld(static_cast<CGrafPtr>(port), nullptr);
      if (procedure) procedure(argument);
    }
    PMSessionEndPage(session);
  }
  PMSessionEndDocument(session);
}

void BitMapProc() {
  void* context = nullptr;
  if (PMSessionGetGraphicsContext(s_print.session, kPMGraphicsContextQuickDraw, &context) != kPMNoError || !context ||
      !s_drawingPort)
    return;
  CGrafPtr page = static_cast<CGrafPtr>(context);
  SavedPort saved;
  SetGWorld(page, nullptr);
  ForeColor(blackColor);
  BackColor(whiteColor);
  Rect r;
  GetPortBounds(s_drawingPort, &r);
  CopyBits(GetPortBitMapForCopyBits(s_drawingPort), GetPortBitMapForCopyBits(page), &r, &r, srcCopy, nullptr);
}

void BeginBitMapPrinting() {
  s_print.bitMapAccepted = false;
  s_ReleasePrintJob();  // a Begin without its End leaves nothing behind
  if (PMCreateSession(&s_print.session) != kPMNoError) return;
  PageSetUp(kPageSetUpAsk, s_print.session, &s_print.pageFormat);
  s_print.bitMapAccepted = s_PreparePrintSettings(s_print.session, s_print.pageFormat, &s_print.printSettings, true);
}

// A fresh session with default settings and the previous page format, so
// that the following EndBitMapPrinting prints without asking.
void BeginBitMapPrintingSamePageSetUp() {
  s_print.bitMapAccepted = true;
  s_ReleasePrintJob();
  if (PMCreateSession(&s_print.session) != kPMNoError) {
    s_print.bitMapAccepted = false;
  } else {
    PageSetUp(kPageSetUpSame, s_print.session, &s_print.pageFormat);
    if (!s_PreparePrintSettings(s_print.session, s_print.pageFormat, &s_print.printSettings, false))
      s_print.bitMapAccepted = false;
  }
  CheckPause();
}

void EndBitMapPrinting() {
  if (s_print.bitMapAccepted) DoPrintJob(bitMapPage, nullptr, 0);
  s_ReleasePrintJob();
}

// The "Print BitMap" button: ask, then print the window's pixels.
void PrintProc() {
  BeginBitMapPrinting();
  EndBitMapPrinting();
}

void SetPrinterName(const char*) {}
