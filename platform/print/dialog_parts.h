// Pieces shared by the page-setup and print dialogs: item boxes, radio
// groups, item texts, and the modal run that keeps the current port.
#pragma once
#include <functional>
#include <string>

#include "platform/wm/dialog.h"

namespace vokprint {
Rect box(short left, short top, short right, short bottom);
// Fills items 1 (the default button, titled `ok`), 2 ("Cancel") and
// `message` (an empty text for complaints) below y, then makes the hidden,
// centred dialog with Cancel as its cancel item.
DialogRef makeDialog(const char* title, const char* ok, VokItemSpec* items, short count, short message, short y,
                     short width);
ControlRef controlAt(DialogRef d, short item);
// Turns item on and every other item of [first, last] off.
void selectRadio(DialogRef d, short first, short last, short item);
// The item of [first, last] that is on (first when none is).
short selectedRadio(DialogRef d, short first, short last);
std::string itemText(DialogRef d, short item);
void setItemText(DialogRef d, short item, const std::string& text);
// The modal run of both dialogs: `make` makes the dialog and fills it (null:
// memFullErr); it is shown, and every item hit goes to `onHit` until that
// returns true or Cancel (item 2) is hit; then the dialog is disposed of.
// The port current before `make` is current again after.
OSStatus runModal(const std::function<DialogRef()>& make, const std::function<bool(DialogRef, short hit)>& onHit);
// A whole number in [lo, hi] making up all of the text (blanks around allowed).
bool wholeNumber(const std::string& text, long lo, long hi, long* value);
}  // namespace vokprint
