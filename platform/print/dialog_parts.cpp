// Helpers of the print service's dialogs (see dialog_parts.h).
#include "platform/print/dialog_parts.h"

#include <cctype>
#include <cstdlib>

namespace vokprint {
Rect box(short left, short top, short right, short bottom) {
  Rect r;
  SetRect(&r, left, top, right, bottom);
  return r;
}

DialogRef makeDialog(const char* title, const char* ok, VokItemSpec* items, short count, short message, short y,
                     short width) {
  items[message - 1] = {short(statText | itemDisable), box(16, y, short(width - 16), short(y + 18)), ""};
  y = short(y + 28);
  items[0] = {kButtonDialogItem, box(short(width - 16 - 84), y, short(width - 16), short(y + 22)), ok};
  items[1] = {kButtonDialogItem, box(short(width - 16 - 84 - 12 - 84), y, short(width - 16 - 84 - 12), short(y + 22)),
              "Cancel"};
  Rect bounds = VokCentredRect(width, short(y + 22 + 14));
  DialogRef d = VokNewDialog(&bounds, title, movableDBoxProc, items, count, kFirstWindowOfClass);
  if (d) SetDialogCancelItem(d, 2);
  return d;
}

ControlRef controlAt(DialogRef d, short item) {
  short kind = 0;
  Handle h = nullptr;
  Rect r;
  GetDialogItem(d, item, &kind, &h, &r);
  return (kind & ~itemDisable) & ctrlItem ? reinterpret_cast<ControlRef>(h) : nullptr;
}

void selectRadio(DialogRef d, short first, short last, short item) {
  for (short i = first; i <= last; ++i)
    if (ControlRef c = controlAt(d, i)) SetControlValue(c, i == item ? 1 : 0);
}

short selectedRadio(DialogRef d, short first, short last) {
  for (short i = first; i <= last; ++i)
    if (ControlRef c = controlAt(d, i); c && GetControlValue(c)) return i;
  return first;
}

std::string itemText(DialogRef d, short item) {
  std::string t;
  VokDialogItemText(d, item, &t);
  return t;
}

void setItemText(DialogRef d, short item, const std::string& text) {
  short kind = 0;
  Handle h = nullptr;
  Rect r;
  GetDialogItem(d, item, &kind, &h, &r);
  Str255 p;
  CopyCToPascal(text.c_str(), p);
  SetDialogItemText(h, p);
}

bool wholeNumber(const std::string& text, long lo, long hi, long* value) {
  size_t a = 0, b = text.size();
  while (a < b && std::isspace(static_cast<unsigned char>(text[a]))) ++a;
  while (b > a && std::isspace(static_cast<unsigned char>(text[b - 1]))) --b;
  if (a == b || b - a > 6) return false;
  for (size_t i = a; i < b; ++i)
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  long v = std::strtol(text.substr(a, b - a).c_str(), nullptr, 10);
  if (v < lo || v > hi) return false;
  *value = v;
  return true;
}
OSStatus runModal(const std::function<DialogRef()>& make, const std::function<bool(DialogRef, short hit)>& onHit) {
  enum : short { kCancelItem = 2 };
  GrafPtr saved = nullptr;
  GetPort(&saved);
  DialogRef d = make();
  if (!d) return memFullErr;
  ShowWindow(d);
  SelectWindow(d);
  for (;;) {
    short hit = 0;
    ModalDialog(nullptr, &hit);
    if (hit == kCancelItem || onHit(d, hit)) break;
  }
  DisposeDialog(d);
  SetPort(saved);
  return noErr;
}
}  // namespace vokprint
