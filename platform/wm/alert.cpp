// Alerts: template 129 is a mark (none, note, caution, stop), the text with
// ^0..^3 replaced by the ParamText strings, and one "OK" button; the box
// grows with the text. The alert calls show it modally and dispose of it.
#include <algorithm>

#include "platform/font/font.h"
#include "platform/wm/dialog_internal.h"

namespace {
std::string g_params[4];

constexpr short kWidth = 420, kTextLeft = 68, kTextW = kWidth - kTextLeft - 20, kMarkSize = 36;

Rect box(short left, short top, short right, short bottom) {
  Rect r;
  SetRect(&r, left, top, right, bottom);
  return r;
}

// Sizes the alert to its text; the mark's place is dropped for plain alerts.
void layoutAlert(DialogData* d) {
  GrafPtr saved;
  GetPort(&saved);
  SetPort(GetWindowPort(d->window));
  TextFont(systemFont);
  TextSize(12);
  short left = d->alertKind > 0 ? kTextLeft : 20;
  short width = short(kWidth - left - 20);
  std::string text = dlg::substituteParams(dlg::textOf(d->items[1].handle));
  FontInfo fi{};
  GetFontInfo(&fi);
  short lineH = short(std::max(1, fi.ascent + fi.descent + fi.leading));
  Rect avail;
  GetAvailableWindowPositioningBounds(GetMainDevice(), &avail);
  int maxLines = std::max(1, (avail.bottom - avail.top - 120) / lineH);
  int lines = std::min<int>(maxLines, int(dlg::wrapText(text, width).size()));
  short textBottom = short(18 + lines * lineH);
  short buttonTop = short(std::max<int>(textBottom, 18 + kMarkSize) + 16);
  short height = short(buttonTop + 22 + 16);
  d->items[0].box = box(kWidth - 20 - 84, buttonTop, kWidth - 20, short(buttonTop + 22));
  d->items[1].box = box(left, 18, short(left + width), textBottom);
  d->items[2].box = box(20, 18, 20 + kMarkSize, 18 + kMarkSize);
  if (ControlRecord* c = dlg::control(d->items[0])) c->bounds = d->items[0].box;
  SetPort(saved);
  Rect r = VokCentredRect(kWidth, height);
  SizeWindow(d->window, kWidth, height, false);
  MoveWindow(d->window, r.left, r.top, false);
  dlg::drawAll(d);
}

short runAlert(short alertID, ModalFilterUPP filter, short kind) {
  if (alertID != kVokAlertID) return -1;
  GrafPtr saved;
  GetPort(&saved);
  DialogRef d = GetNewDialog(kVokAlertID, nullptr, kFirstWindowOfClass);
  DialogData* dd = dlg::find(d);
  if (!dd) return -1;
  dd->alertKind = kind;
  layoutAlert(dd);
  ShowWindow(d);
  SelectWindow(d);
  short hit = 0;
  do ModalDialog(filter, &hit);
  while (hit != 1 && dlg::find(d));
  DisposeDialog(d);
  SetPort(saved);
  return hit;
}
}  // namespace

DialogRef VokNewAlertDialog(WindowRef behind) {
  VokItemSpec items[3] = {
      {kButtonDialogItem, box(kWidth - 104, 70, kWidth - 20, 92), "OK"},
      {short(statText | itemDisable), box(kTextLeft, 18, kTextLeft + kTextW, 54), "^0"},
      {short(iconItem | itemDisable), box(20, 18, 20 + kMarkSize, 18 + kMarkSize), ""},
  };
  Rect r = VokCentredRect(kWidth, 108);
  DialogRef d = dlg::create(kVokAlertID, r, "", altDBoxProc, items, 3, behind);
  if (DialogData* dd = dlg::find(d)) {
    dd->cancelItem = 1;
    dd->alertKind = 0;
  }
  return d;
}

void ParamText(ConstStr255Param p0, ConstStr255Param p1, ConstStr255Param p2, ConstStr255Param p3) {
  ConstStr255Param p[4] = {p0, p1, p2, p3};
  for (int i = 0; i < 4; ++i)
    g_params[i] = p[i] ? std::string(reinterpret_cast<const char*>(p[i] + 1), p[i][0]) : std::string();
}

std::string dlg::substituteParams(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '^' && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '3') {
      out += g_params[text[i + 1] - '0'];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

short Alert(short alertID, ModalFilterUPP filter) { return runAlert(alertID, filter, 0); }
short NoteAlert(short alertID, ModalFilterUPP filter) { return runAlert(alertID, filter, 1); }
short CautionAlert(short alertID, ModalFilterUPP filter) { return runAlert(alertID, filter, 2); }
short StopAlert(short alertID, ModalFilterUPP filter) { return runAlert(alertID, filter, 3); }
