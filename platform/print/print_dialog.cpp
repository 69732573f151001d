// The print dialog: the destinations of the print service as radio buttons
// (the settings' one, else the default one, chosen at first), the number of
// copies, the resolution raster pages are sent at, and Print or Cancel. With nothing to print to, an alert says so
// instead of an empty dialog.
#include "platform/print/dialog_parts.h"
#include "platform/print/print_internal.h"

namespace {
using vokprint::box;

enum : short {
  kPrint = 1, kCancel, kPrinterLabel, kPageText, kCopiesLabel, kCopies, kDpiLabel, kDpi, kMessage, kFirstDest
};
constexpr short kMaxDests = 8, kWidth = 380, kRowH = 22;

std::string pageSummary(const OpaquePMPageFormat* f) {
  if (!f) return "";
  return "Page: " + f->paper + ", " + (f->orientation == kPMLandscape ? "landscape" : "portrait") + ", " +
         std::to_string(f->scale) + " %";
}

DialogRef makeDialog(const std::vector<std::string>& dests, const std::string& page) {
  short n = short(std::min<size_t>(dests.size(), kMaxDests));
  std::vector<VokItemSpec> items(size_t(kFirstDest - 1 + n));
  short y = 14;
  items[kPrinterLabel - 1] = {short(statText | itemDisable), box(16, y, 150, short(y + 18)), "Printer:"};
  for (short i = 0; i < n; ++i) {
    y = short(y + kRowH);
    items[size_t(kFirstDest - 1 + i)] = {short(ctrlItem + radCtrl), box(32, y, kWidth - 16, short(y + 18)),
                                         dests[size_t(i)].c_str()};
  }
  y = short(y + kRowH + 10);
  items[kPageText - 1] = {short(statText | itemDisable), box(16, y, kWidth - 16, short(y + 18)), page.c_str()};
  y = short(y + kRowH + 4);
  items[kCopiesLabel - 1] = {short(statText | itemDisable), box(16, short(y + 2), 80, short(y + 20)), "Copies:"};
  items[kCopies - 1] = {short(editText | itemDisable), box(84, y, 144, short(y + 20)), "1"};
  items[kDpiLabel - 1] = {short(statText | itemDisable), box(170, short(y + 2), 300, short(y + 20)), "Resolution (dpi):"};
  items[kDpi - 1] = {short(editText | itemDisable), box(300, y, kWidth - 16, short(y + 20)), "300"};
  return vokprint::makeDialog("Print", "Print", items.data(), short(items.size()), kMessage, short(y + kRowH + 8), kWidth);
}
}  // namespace

OSStatus PMSessionPrintDialog(PMPrintSession session, PMPrintSettings settings, PMPageFormat format,
                              Boolean* accepted) {
  auto* p = vokprint::as<OpaquePMPrintSettings>(settings, PMKind::printSettings);
  if (accepted) *accepted = false;
  if (!vokprint::as<OpaquePMPrintSession>(session, PMKind::session) || !p || !accepted) return kPMInvalidParameter;
  std::vector<std::string> dests;
  int def = -1;
  std::string why;
  if (!VokPrintDestinations(&dests, &def, &why) || dests.empty()) {
    vokprint::alert(VokNoDestinationText(why));
    return kPMNoDestination;
  }
  if (dests.size() > size_t(kMaxDests)) dests.resize(size_t(kMaxDests));
  short chosen = short(kFirstDest + (def >= 0 && def < int(dests.size()) ? def : 0));
  for (size_t i = 0; i < dests.size(); ++i)
    if (dests[i] == p->destination) chosen = short(kFirstDest + int(i));
  short last = short(kFirstDest + int(dests.size()) - 1);

  auto make = [&] {
    DialogRef d = makeDialog(dests, pageSummary(vokprint::as<OpaquePMPageFormat>(format, PMKind::pageFormat)));
    if (!d) return d;
    vokprint::selectRadio(d, kFirstDest, last, chosen);
    vokprint::setItemText(d, kCopies, std::to_string(p->copies));
    vokprint::setItemText(d, kDpi, std::to_string(p->resolution));
    SelectDialogItemText(d, kCopies, 0, 255);
    return d;
  };
  OSStatus err = vokprint::runModal(make, [&](DialogRef d, short hit) {
    if (hit >= kFirstDest && hit <= last) vokprint::selectRadio(d, kFirstDest, last, hit);
    if (hit != kPrint) return false;
    long copies = 0;
    if (!vokprint::wholeNumber(vokprint::itemText(d, kCopies), 1, vokprint::kMaxCopies, &copies)) {
      vokprint::setItemText(d, kMessage, "The number of copies must be a whole number from 1 to 999.");
      SelectDialogItemText(d, kCopies, 0, 255);
      return false;
    }
    long dpi = 0;
    if (!vokprint::wholeNumber(vokprint::itemText(d, kDpi), vokprint::kMinResolution, vokprint::kMaxResolution, &dpi)) {
      vokprint::setItemText(d, kMessage, "The resolution must be a whole number of dots per inch from 300 to 1200.");
      SelectDialogItemText(d, kDpi, 0, 255);
      return false;
    }
    p->destination = dests[size_t(vokprint::selectedRadio(d, kFirstDest, last) - kFirstDest)];
    p->copies = uint32_t(copies);
    p->resolution = short(dpi);
    *accepted = true;
    return true;
  });
  return err == noErr ? kPMNoError : err;
}
