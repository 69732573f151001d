// Print sessions and their documents: each page is a white offscreen world
// of the page's size that the caller draws into; ending the page encodes it
// as PostScript, ending the document sends the pages to the destination.
// Print settings (destination and copies) live here too.
#include <cerrno>  // program_invocation_short_name

#include "platform/print/print_internal.h"
#include "platform/wm/dialog.h"

namespace {
OpaquePMPrintSession* sessionOf(PMPrintSession s) { return vokprint::as<OpaquePMPrintSession>(s, PMKind::session); }
OpaquePMPrintSettings* settingsOf(PMPrintSettings s) {
  return vokprint::as<OpaquePMPrintSettings>(s, PMKind::printSettings);
}

void disposePage(OpaquePMPrintSession* s) {
  if (!s->page) return;
  DisposeGWorld(s->page);  // the scratch port becomes current if the page was
  s->page = nullptr;
  s->pageIsVector = false;
  s->pageVector.clear();
}

// The destination a document goes to: the chosen one while the print
// service still offers it, else the default one, else the first.
bool resolveDestination(const std::string& chosen, std::string* dest, std::string* why) {
  std::vector<std::string> names;
  int def = -1;
  if (!VokPrintDestinations(&names, &def, why)) return false;
  if (names.empty()) {
    *why = "";
    return false;
  }
  for (const std::string& n : names)
    if (n == chosen) return *dest = n, true;
  *dest = names[size_t(def >= 0 ? def : 0)];
  return true;
}
}  // namespace

OpaquePMPrintSession::~OpaquePMPrintSession() { disposePage(this); }

OSStatus PMRelease(PMObject object) {
  if (!object) return kPMNoError;
  if (object->refs <= 0) return kPMInvalidParameter;
  if (--object->refs == 0) delete object;
  return kPMNoError;
}

OSStatus PMCreateSession(PMPrintSession* session) {
  if (!session) return kPMInvalidParameter;
  *session = new OpaquePMPrintSession;
  return kPMNoError;
}

// ---- print settings -----------------------------------------------------------
OSStatus PMCreatePrintSettings(PMPrintSettings* settings) {
  if (!settings) return kPMInvalidParameter;
  *settings = new OpaquePMPrintSettings;
  return kPMNoError;
}

OSStatus PMSessionDefaultPrintSettings(PMPrintSession session, PMPrintSettings settings) {
  OpaquePMPrintSettings* p = settingsOf(settings);
  if (!sessionOf(session) || !p) return kPMInvalidParameter;
  p->destination.clear();
  p->copies = 1;
  p->resolution = vokprint::kMinResolution;
  return kPMNoError;
}

OSStatus PMGetResolution(PMPrintSettings settings, short* dpi) {
  OpaquePMPrintSettings* p = settingsOf(settings);
  if (!p || !dpi) return kPMInvalidParameter;
  *dpi = p->resolution;
  return kPMNoError;
}

OSStatus PMSetResolution(PMPrintSettings settings, short dpi) {
  OpaquePMPrintSettings* p = settingsOf(settings);
  if (!p || dpi < vokprint::kMinResolution || dpi > vokprint::kMaxResolution) return kPMInvalidParameter;
  p->resolution = dpi;
  return kPMNoError;
}

// ---- documents and pages --------------------------------------------------------
OSStatus PMSessionBeginDocument(PMPrintSession session, PMPrintSettings settings, PMPageFormat format) {
  OpaquePMPrintSession* s = sessionOf(session);
  OpaquePMPrintSettings* p = settingsOf(settings);
  auto* f = vokprint::as<OpaquePMPageFormat>(format, PMKind::pageFormat);
  if (!s || !p || !f) return kPMInvalidParameter;
  if (s->inDocument) return s->error = kPMOutOfScope;
  std::string why;
  if (!resolveDestination(p->destination, &s->destination, &why)) {
    vokprint::alert(VokNoDestinationText(why));
    return s->error = kPMNoDestination;
  }
  s->inDocument = true;
  s->copies = p->copies;
  s->resolution = p->resolution;
  s->format = *f;
  s->pages.clear();
  s->pageCount = 0;
  s->error = kPMNoError;
  return kPMNoError;
}

OSStatus PMSessionBeginPage(PMPrintSession session, PMPageFormat format, const PMRect*) {
  OpaquePMPrintSession* s = sessionOf(session);
  if (!s) return kPMInvalidParameter;
  if (!s->inDocument || s->page) return s->error = kPMOutOfScope;
  if (auto* f = vokprint::as<OpaquePMPageFormat>(format, PMKind::pageFormat)) s->format = *f;
  short w, h;
  vokprint::pageSize(s->format, &w, &h);
  Rect bounds = {0, 0, h, w};
  GrafPtr saved = nullptr;
  GetPort(&saved);
  OSErr err = NewGWorld(&s->page, 32, &bounds, nullptr, nullptr, 0);
  SetPort(saved);
  if (err != noErr) {
    s->page = nullptr;
    return s->error = err;
  }
  return kPMNoError;
}

OSStatus PMSessionEndPage(PMPrintSession session) {
  OpaquePMPrintSession* s = sessionOf(session);
  if (!s) return kPMInvalidParameter;
  if (!s->page) return s->error = kPMNoPage;
  ++s->pageCount;
  s->pages += s->pageIsVector ? vokprint::encodeVectorPage(s->pageVector, s->format, s->pageCount)
                              : vokprint::encodePage(s->page->portPixMap, s->format, s->pageCount, s->resolution);
  disposePage(s);
  return kPMNoError;
}

OSStatus PMSessionEndDocument(PMPrintSession session) {
  OpaquePMPrintSession* s = sessionOf(session);
  if (!s) return kPMInvalidParameter;
  if (!s->inDocument) return kPMOutOfScope;
  disposePage(s);  // a page begun and never ended is not printed
  s->inDocument = false;
  OSStatus result = kPMNoError;
  if (s->pageCount > 0) {
    std::string title = vokprint::programName();
    std::string doc = vokprint::encodeDocument(s->pages, s->pageCount, s->format, title);
    std::string why;
    if (!vokprint::sendJob(s->destination, title, doc, s->format, s->copies, &why)) {
      vokprint::alert("The page could not be printed on \"" + s->destination + "\": " + why);
      result = s->error = kPMJobFailed;
    }
  }
  s->pages.clear();
  s->pageCount = 0;
  return result;
}

OSStatus PMSessionGetGraphicsContext(PMPrintSession session, int kind, void** context) {
  OpaquePMPrintSession* s = sessionOf(session);
  if (!s || !context || kind != kPMGraphicsContextQuickDraw) return kPMInvalidParameter;
  *context = s->page;
  return s->page ? kPMNoError : kPMNoPage;
}

OSStatus VokSessionSetPagePostScript(PMPrintSession session, const std::string& body) {
  OpaquePMPrintSession* s = sessionOf(session);
  if (!s) return kPMInvalidParameter;
  if (!s->page) return s->error = kPMNoPage;
  s->pageIsVector = true;
  s->pageVector = body;
  return kPMNoError;
}

namespace vokprint {
void alert(const std::string& text) {
  Str255 p;
  CopyCToPascal(text.c_str(), p);
  ParamText(p, nullptr, nullptr, nullptr);
  GrafPtr saved = nullptr;
  GetPort(&saved);
  StopAlert(kVokAlertID, nullptr);
  SetPort(saved);
}

std::string programName() { return program_invocation_short_name; }
}  // namespace vokprint
