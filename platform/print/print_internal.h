// The records behind the print service's opaque objects, shared by its files.
#pragma once
#include <string>

#include "platform/print/print.h"

enum class PMKind : short { session = 1, pageFormat, printSettings };

struct PMObjectBase {
  explicit PMObjectBase(PMKind k) : kind(k) {}
  virtual ~PMObjectBase() = default;
  PMKind kind;
  int refs = 1;
};

// A paper, in points, portrait.
struct VokPaper {
  const char* name;     // shown in the page-setup dialog
  const char* keyword;  // the print service's media name
  short width, height;
};

struct OpaquePMPageFormat : PMObjectBase {
  OpaquePMPageFormat() : PMObjectBase(PMKind::pageFormat) {}
  std::string paper = "A4";
  short paperWidth = 595, paperHeight = 842;  // points, portrait
  PMOrientation orientation = kPMPortrait;
  short scale = 100;  // percent
};

struct OpaquePMPrintSettings : PMObjectBase {
  OpaquePMPrintSettings() : PMObjectBase(PMKind::printSettings) {}
  std::string destination;  // empty: the default one
  uint32_t copies = 1;
  short resolution = 300;  // dots per inch of raster pages
};

struct OpaquePMPrintSession : PMObjectBase {
  OpaquePMPrintSession() : PMObjectBase(PMKind::session) {}
  ~OpaquePMPrintSession() override;
  OSStatus error = kPMNoError;
  // The open document.
  bool inDocument = false;
  std::string destination;
  uint32_t copies = 1;
  short resolution = 300;
  OpaquePMPageFormat format;  // of the document
  std::string pages;          // PostScript of the pages ended so far
  int pageCount = 0;
  // The open page.
  GWorldPtr page = nullptr;
  bool pageIsVector = false;
  std::string pageVector;  // PostScript of a vector page
};

namespace vokprint {
// Known papers; nullptr when the name is none of them.
const VokPaper* paperNamed(const std::string& name);
const VokPaper* paperWithKeyword(const std::string& keyword);
const VokPaper* defaultPaper();
// Limits of a page format.
constexpr short kMinScale = 10, kMaxScale = 400;
constexpr uint32_t kMaxCopies = 999;
constexpr short kMinResolution = 300, kMaxResolution = 1200;
// The page in page-port units (orientation and scale applied).
void pageSize(const OpaquePMPageFormat& f, short* width, short* height);
// A PostScript document of the pages (each already encoded by encodePage).
// `dpi`: the resolution the page's pixels are replicated to.
std::string encodePage(const PixMap& pixels, const OpaquePMPageFormat& f, int pageNumber, short dpi);
// A page drawn by PostScript in page-port coordinates (VokSessionSetPagePostScript).
std::string encodeVectorPage(const std::string& body, const OpaquePMPageFormat& f, int pageNumber);
std::string encodeDocument(const std::string& pages, int pageCount, const OpaquePMPageFormat& f,
                           const std::string& title);
// Sends a document to a destination of the print service.
bool sendJob(const std::string& destination, const std::string& title, const std::string& document,
             const OpaquePMPageFormat& f, uint32_t copies, std::string* why);
// A stop alert with this text.
void alert(const std::string& text);
// The running program's name (job titles).
std::string programName();
template <typename T>
T* as(void* object, PMKind kind) {
  auto* o = static_cast<PMObjectBase*>(object);
  return o && o->kind == kind && o->refs > 0 ? static_cast<T*>(o) : nullptr;
}
}  // namespace vokprint
