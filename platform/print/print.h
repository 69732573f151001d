// The printing service: print sessions, page formats (paper, orientation,
// scale) with their flattened text form, print settings (destination,
// copies), the page-setup and print dialogs, and documents of pages drawn
// into offscreen worlds at the page's size in points, encoded as PostScript
// and sent to a destination of the system's print service.
#pragma once
#include <string>
#include <vector>

#include "platform/gfx/gfx.h"

struct PMObjectBase;
typedef PMObjectBase* PMObject;
struct OpaquePMPrintSession;
struct OpaquePMPageFormat;
struct OpaquePMPrintSettings;
typedef OpaquePMPrintSession* PMPrintSession;
typedef OpaquePMPageFormat* PMPageFormat;
typedef OpaquePMPrintSettings* PMPrintSettings;

// Page rectangles in points, top-left based like Rect.
struct PMRect {
  double top, left, bottom, right;
};

enum : OSStatus {
  kPMNoError = 0,
  kPMCancel = 128,                // the user cancelled a dialog
  kPMGeneralError = -30870,       // anything without a better code
  kPMInvalidParameter = -30871,   // null or released object
  kPMInvalidFlatData = -30872,    // a flattened page format that is not ours, or corrupt
  kPMOutOfScope = -30873,         // begin/end called out of order
  kPMNoDestination = -30874,      // no printer to print to
  kPMJobFailed = -30875,          // the print service refused the job
  kPMNoPage = -30876,             // no page is open
};
enum { kPMGraphicsContextQuickDraw = 1 };
enum PMOrientation : short { kPMPortrait = 1, kPMLandscape = 2 };

// Objects are reference counted: created with one reference, PMRelease
// drops it (any PM object; null is ignored).
OSStatus PMRelease(PMObject object);
template <typename T>
inline OSStatus PMRelease(T* object) {
  return PMRelease(reinterpret_cast<PMObject>(object));
}

OSStatus PMCreateSession(PMPrintSession* session);

// ---- page formats -----------------------------------------------------------
OSStatus PMCreatePageFormat(PMPageFormat* format);
OSStatus PMSessionDefaultPageFormat(PMPrintSession session, PMPageFormat format);
// Puts out-of-range values back in range; *changed tells whether any was.
OSStatus PMSessionValidatePageFormat(PMPrintSession session, PMPageFormat format, Boolean* changed);
// The page-setup dialog over the current port; *accepted is false on Cancel.
OSStatus PMSessionPageSetupDialog(PMPrintSession session, PMPageFormat format, Boolean* accepted);
// A new handle holding the format as a few lines of text.
OSStatus PMFlattenPageFormat(PMPageFormat format, Handle* flat);
// A new format from flattened data; kPMInvalidFlatData for anything that is
// not a complete, well-formed flattened format (empty, cut short, foreign).
OSStatus PMUnflattenPageFormat(Handle flat, PMPageFormat* format);
// The drawable page in the page port's coordinates: (0, 0) at the top left,
// one unit per point at 100 % scale (more units at smaller scales).
OSStatus PMGetAdjustedPageRect(PMPageFormat format, PMRect* pageRect);
OSStatus PMGetOrientation(PMPageFormat format, PMOrientation* orientation);
OSStatus PMSetOrientation(PMPageFormat format, PMOrientation orientation, Boolean lock);
OSStatus PMGetScale(PMPageFormat format, double* scale);  // percent
OSStatus PMSetScale(PMPageFormat format, double scale);
// Paper by its name in the dialog ("A4", "US Letter", ...).
OSStatus PMGetPaperName(PMPageFormat format, std::string* name);
OSStatus PMSetPaperName(PMPageFormat format, const std::string& name);
std::vector<std::string> VokPaperNames();

// ---- print settings ---------------------------------------------------------
OSStatus PMCreatePrintSettings(PMPrintSettings* settings);
// The default destination and one copy.
OSStatus PMSessionDefaultPrintSettings(PMPrintSession session, PMPrintSettings settings);
// The print dialog: destination and copies. With no destination at all it
// shows an alert saying so and reports kPMNoDestination (not accepted).
OSStatus PMSessionPrintDialog(PMPrintSession session, PMPrintSettings settings, PMPageFormat format,
                              Boolean* accepted);
// Dots per inch raster pages (bitmap and text printing) are sent at, their
// pixels replicated, never smoothed: 300 to 1200, 300 by default.
OSStatus PMGetResolution(PMPrintSettings settings, short* dpi);
OSStatus PMSetResolution(PMPrintSettings settings, short dpi);

// ---- documents and pages ----------------------------------------------------
// Begins a document for the settings' destination (the default one when
// none is set). No destination: an alert, kPMNoDestination.
OSStatus PMSessionBeginDocument(PMPrintSession session, PMPrintSettings settings, PMPageFormat format);
// A page: a white offscreen world of the adjusted page size (pageFrame may
// be null) that PMSessionGetGraphicsContext hands out.
OSStatus PMSessionBeginPage(PMPrintSession session, PMPageFormat format, const PMRect* pageFrame);
OSStatus PMSessionEndPage(PMPrintSession session);
// Sends the pages drawn to the destination (nothing when no page was
// ended); a refusal of the print service is shown in an alert.
OSStatus PMSessionEndDocument(PMPrintSession session);
OSStatus PMSessionGetGraphicsContext(PMPrintSession session, int kind, void** context);
// Makes the open page a vector page: `body` is PostScript in the page
// port's coordinates (origin at the top left, y down, one unit per port
// unit), printed at the printer's resolution instead of the page's raster.
OSStatus VokSessionSetPagePostScript(PMPrintSession session, const std::string& body);

// ---- destinations (the print service) ----------------------------------------
// Destinations the print service offers and the default one (-1 when it
// names none). False with the reason when the service cannot be asked.
bool VokPrintDestinations(std::vector<std::string>* names, int* defaultIndex, std::string* why);
// The text shown when there is nothing to print to.
std::string VokNoDestinationText(const std::string& why);
