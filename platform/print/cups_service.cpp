// The system's print service through libcups: the destinations it offers
// (CUPS_SERVER picks the server, as for every client) and one job per
// document. Built without libcups, there is never a destination. The library
// (with the dozens it needs) is loaded when printing first asks for it, not
// by every program at start-up.
#include <algorithm>

#include "platform/print/print_internal.h"

#ifdef VOK_HAVE_CUPS
#include <cups/cups.h>

#include "platform/base/shared_library.h"

namespace {
#define VOK_CUPS_CALLS(X)                                                                                       \
  X(cupsAddOption) X(cupsCancelJob) X(cupsCreateJob) X(cupsFinishDocument) X(cupsFreeDests) X(cupsFreeOptions) \
  X(cupsGetDests) X(cupsLastError) X(cupsLastErrorString) X(cupsServer) X(cupsStartDocument)                   \
  X(cupsWriteRequestData) X(ippPort)

struct CupsCalls {
#define VOK_CUPS_FIELD(name) decltype(&::name) name = nullptr;
  VOK_CUPS_CALLS(VOK_CUPS_FIELD)
#undef VOK_CUPS_FIELD
  std::string failure;  // why the library cannot be used, empty when it can
};

const CupsCalls& cups() {
  static const CupsCalls calls = [] {
    CupsCalls c;
    const char* soname = "libcups.so.2";
    void* lib = VokOpenLibrary(soname, "the print service library", &c.failure);
    if (!lib) return c;
#define VOK_CUPS_LOAD(name) VokLookUpCall(lib, soname, #name, &c.name, &c.failure);
    VOK_CUPS_CALLS(VOK_CUPS_LOAD)
#undef VOK_CUPS_LOAD
    return c;
  }();
  return calls;
}

// A failed IPP request leaves its status; "ok" statuses are below 0x100.
bool lastCallFailed() { return cups().cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE; }
std::string lastError() {
  const char* s = cups().cupsLastErrorString();
  return s && *s ? s : "unknown error";
}
}  // namespace

bool VokPrintDestinations(std::vector<std::string>* names, int* defaultIndex, std::string* why) {
  names->clear();
  *defaultIndex = -1;
  if (!cups().failure.empty()) {
    *why = cups().failure;
    return false;
  }
  cups_dest_t* dests = nullptr;
  int n = cups().cupsGetDests(&dests);
  std::string defaultName;
  for (int i = 0; i < n; ++i) {
    if (dests[i].instance) continue;  // instances are the same queue with other options
    names->push_back(dests[i].name);
    if (dests[i].is_default) defaultName = dests[i].name;
  }
  cups().cupsFreeDests(n, dests);
  std::sort(names->begin(), names->end());
  for (size_t i = 0; i < names->size(); ++i)
    if ((*names)[i] == defaultName) *defaultIndex = int(i);
  if (names->empty() && lastCallFailed()) {
    std::string server = cups().cupsServer() ? cups().cupsServer() : "";
    if (!server.empty() && server[0] != '/') server += ":" + std::to_string(cups().ippPort());
    *why = (server.empty() ? std::string("the print server") : server) + ": " + lastError();
    return false;
  }
  return true;
}

namespace vokprint {
bool sendJob(const std::string& destination, const std::string& title, const std::string& document,
             const OpaquePMPageFormat& f, uint32_t copies, std::string* why) {
  if (!cups().failure.empty()) {
    *why = cups().failure;
    return false;
  }
  int numOptions = 0;
  cups_option_t* options = nullptr;
  numOptions = cups().cupsAddOption("copies", std::to_string(copies).c_str(), numOptions, &options);
  if (const VokPaper* p = paperNamed(f.paper)) numOptions = cups().cupsAddOption("media", p->keyword, numOptions, &options);
  int job = cups().cupsCreateJob(CUPS_HTTP_DEFAULT, destination.c_str(), title.c_str(), numOptions, options);
  cups().cupsFreeOptions(numOptions, options);
  if (job <= 0) {
    *why = lastError();
    return false;
  }
  bool ok = cups().cupsStartDocument(CUPS_HTTP_DEFAULT, destination.c_str(), job, title.c_str(), CUPS_FORMAT_POSTSCRIPT,
                              1) == HTTP_STATUS_CONTINUE;
  constexpr size_t kChunk = 65536;
  for (size_t at = 0; ok && at < document.size(); at += kChunk)
    ok = cups().cupsWriteRequestData(CUPS_HTTP_DEFAULT, document.data() + at, std::min(kChunk, document.size() - at)) ==
         HTTP_STATUS_CONTINUE;
  ipp_status_t finished = cups().cupsFinishDocument(CUPS_HTTP_DEFAULT, destination.c_str());
  if (ok && finished <= IPP_STATUS_OK_EVENTS_COMPLETE) return true;
  *why = lastError();
  cups().cupsCancelJob(destination.c_str(), job);
  return false;
}
}  // namespace vokprint

#else

bool VokPrintDestinations(std::vector<std::string>* names, int* defaultIndex, std::string* why) {
  names->clear();
  *defaultIndex = -1;
  *why = "this program was built without the print service (libcups)";
  return false;
}

namespace vokprint {
bool sendJob(const std::string&, const std::string&, const std::string&, const OpaquePMPageFormat&, uint32_t,
             std::string* why) {
  *why = "this program was built without the print service (libcups)";
  return false;
}
}  // namespace vokprint
#endif

std::string VokNoDestinationText(const std::string& why) {
  if (why.empty()) return "Nothing was printed: there is no printer. Set one up in the print service first.";
  return "Nothing was printed: the print service cannot be reached (" + why + ").";
}
