// The dialog templates defined in code. 128 is one page of the Parameters
// dialog: two columns of 13 label/value rows, the buttons OK (1, default),
// Close (2) and Quit (3) below, and the places of the page buttons (56, 57),
// which stay blank and unreported until the caller puts buttons there.
#include <vector>

#include "platform/wm/dialog_internal.h"

namespace {
constexpr short kMargin = 16, kTop = 14, kRow = 24, kColumn = 320, kLabelW = 170, kValueLeft = 176, kValueW = 124;
constexpr short kWidth = 652, kButtonTop = kTop + 13 * kRow + 14, kHeight = kButtonTop + 22 + 16;

Rect box(short left, short top, short width, short height) {
  Rect r;
  SetRect(&r, left, top, short(left + width), short(top + height));
  return r;
}

DialogRef paramsPage(WindowRef behind) {
  std::vector<VokItemSpec> items(57);
  items[0] = {kButtonDialogItem, box(kWidth - kMargin - 84, kButtonTop, 84, 22), "OK"};
  items[1] = {kButtonDialogItem, box(kWidth - kMargin - 84 - 12 - 84, kButtonTop, 84, 22), "Close"};
  items[2] = {kButtonDialogItem, box(kMargin, kButtonTop, 84, 22), "Quit"};
  for (short i = 0; i < kVokParamsSlots; ++i) {
    short left = short(kMargin + (i / 13) * kColumn), top = short(kTop + (i % 13) * kRow);
    items[size_t(3 + 2 * i)] = {short(statText | itemDisable), box(left, short(top + 2), kLabelW, 18), ""};
    items[size_t(4 + 2 * i)] = {short(statText | itemDisable), box(short(left + kValueLeft), top, kValueW, 20), ""};
  }
  // Page-button places: blank text until replaced, never reported.
  items[55] = {short(statText | itemDisable), box(short(kWidth / 2 - 48), kButtonTop, 44, 22), ""};
  items[56] = {short(statText | itemDisable), box(short(kWidth / 2 + 4), kButtonTop, 44, 22), ""};
  Rect bounds = VokCentredRect(kWidth, kHeight);
  DialogRef d = dlg::create(kVokParamsDialogID, bounds, "Parameters", noGrowDocProc, items.data(), 57, behind);
  if (DialogData* dd = dlg::find(d)) dd->cancelItem = 2;
  return d;
}
}  // namespace

Rect VokCentredRect(short width, short height) {
  Rect avail;
  GetAvailableWindowPositioningBounds(GetMainDevice(), &avail);
  short left = short(avail.left + (avail.right - avail.left - width) / 2);
  short top = short(avail.top + (avail.bottom - avail.top - height) / 3);
  if (top < avail.top + 24) top = short(avail.top + 24);  // leave room for the title bar
  if (left < avail.left) left = avail.left;
  Rect r;
  SetRect(&r, left, top, short(left + width), short(top + height));
  return r;
}

DialogRef VokNewAlertDialog(WindowRef behind);  // alert.cpp

DialogRef GetNewDialog(short templateID, void* storage, WindowRef behind) {
  (void)storage;
  switch (templateID) {
    case kVokParamsDialogID: return paramsPage(behind);
    case kVokAlertID: return VokNewAlertDialog(behind);
    default: return nullptr;
  }
}
