// The page-setup dialog: paper size and orientation as radio buttons, the
// scale as a field. OK takes the choice only when the scale is a whole
// percentage in range (else a message says what is allowed); Cancel leaves
// the page format as it was.
#include "platform/print/dialog_parts.h"
#include "platform/print/print_internal.h"

namespace {
using vokprint::box;

enum : short { kOK = 1, kCancel, kPaperLabel, kFirstPaper };
constexpr short kPapers = 4;  // VokPaperNames()
enum : short {
  kLastPaper = kFirstPaper + kPapers - 1,
  kOrientationLabel,
  kPortrait,
  kLandscape,
  kScaleLabel,
  kScale,
  kMessage,
  kItemCount = kMessage
};
constexpr short kWidth = 360, kRowH = 22;

DialogRef makeDialog() {
  std::vector<std::string> papers = VokPaperNames();
  VokItemSpec items[kItemCount];
  short y = 14;
  items[kPaperLabel - 1] = {short(statText | itemDisable), box(16, y, 150, short(y + 18)), "Paper Size:"};
  for (short i = 0; i < kPapers; ++i) {
    y = short(y + kRowH);
    items[kFirstPaper + i - 1] = {short(ctrlItem + radCtrl), box(32, y, 200, short(y + 18)), papers[size_t(i)].c_str()};
  }
  y = short(y + kRowH + 10);
  items[kOrientationLabel - 1] = {short(statText | itemDisable), box(16, y, 150, short(y + 18)), "Orientation:"};
  y = short(y + kRowH);
  items[kPortrait - 1] = {short(ctrlItem + radCtrl), box(32, y, 150, short(y + 18)), "Portrait"};
  items[kLandscape - 1] = {short(ctrlItem + radCtrl), box(160, y, 290, short(y + 18)), "Landscape"};
  y = short(y + kRowH + 10);
  items[kScaleLabel - 1] = {short(statText | itemDisable), box(16, short(y + 2), 100, short(y + 20)), "Scale (%):"};
  items[kScale - 1] = {short(editText | itemDisable), box(104, y, 164, short(y + 20)), ""};
  return vokprint::makeDialog("Page Setup", "OK", items, kItemCount, kMessage, short(y + kRowH + 8), kWidth);
}

void showFormat(DialogRef d, const OpaquePMPageFormat& f) {
  std::vector<std::string> papers = VokPaperNames();
  short paper = kFirstPaper;
  for (short i = 0; i < kPapers; ++i)
    if (papers[size_t(i)] == f.paper) paper = short(kFirstPaper + i);
  vokprint::selectRadio(d, kFirstPaper, kLastPaper, paper);
  vokprint::selectRadio(d, kPortrait, kLandscape, f.orientation == kPMLandscape ? kLandscape : kPortrait);
  vokprint::setItemText(d, kScale, std::to_string(f.scale));
  SelectDialogItemText(d, kScale, 0, 255);
}

// True (and the format filled in) when the dialog holds a usable choice.
bool takeFormat(DialogRef d, OpaquePMPageFormat* f) {
  long scale = 0;
  if (!vokprint::wholeNumber(vokprint::itemText(d, kScale), vokprint::kMinScale, vokprint::kMaxScale, &scale)) {
    vokprint::setItemText(d, kMessage, "The scale must be a whole number from 10 to 400.");
    SelectDialogItemText(d, kScale, 0, 255);
    return false;
  }
  const VokPaper* p = vokprint::paperNamed(VokPaperNames()[size_t(vokprint::selectedRadio(d, kFirstPaper, kLastPaper) - kFirstPaper)]);
  if (!p) return false;
  f->paper = p->name;
  f->paperWidth = p->width;
  f->paperHeight = p->height;
  f->orientation = vokprint::selectedRadio(d, kPortrait, kLandscape) == kLandscape ? kPMLandscape : kPMPortrait;
  f->scale = short(scale);
  return true;
}
}  // namespace

OSStatus PMSessionPageSetupDialog(PMPrintSession session, PMPageFormat format, Boolean* accepted) {
  auto* f = vokprint::as<OpaquePMPageFormat>(format, PMKind::pageFormat);
  if (accepted) *accepted = false;
  if (!vokprint::as<OpaquePMPrintSession>(session, PMKind::session) || !f || !accepted) return kPMInvalidParameter;
  static_assert(kPapers > 0, "papers");
  if (VokPaperNames().size() != size_t(kPapers)) return kPMGeneralError;
  auto make = [&] {
    DialogRef d = makeDialog();
    if (d) showFormat(d, *f);
    return d;
  };
  OSStatus err = vokprint::runModal(make, [&](DialogRef d, short hit) {
    if (hit >= kFirstPaper && hit <= kLastPaper) vokprint::selectRadio(d, kFirstPaper, kLastPaper, hit);
    if (hit == kPortrait || hit == kLandscape) vokprint::selectRadio(d, kPortrait, kLandscape, hit);
    if (hit != kOK || !takeFormat(d, f)) return false;
    *accepted = true;
    return true;
  });
  return err == noErr ? kPMNoError : err;
}
