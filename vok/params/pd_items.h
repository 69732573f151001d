// The dialog items of a Parameters page as the table and the dialog run
// use them: text items, the checkbox and push-button controls that replace
// template placeholders, showing and hiding a page, the modal loop.
#pragma once
#include "platform/wm/dialog.h"

enum : short { kPDButtonKind = kButtonDialogItem, kPDCheckboxKind = kCheckBoxDialogItem };

// A new hidden page dialog from template 128; out of memory ends the program.
DialogRef pdNewPageDialog();
// Makes the item a disabled edit-text item (typing does not end the modal
// loop) or a disabled static text, holding `text`.
void pdMakeTextItem(DialogRef d, short item, bool editable, ConstStr255Param text);
// Replaces the item by a push button or a checkbox (range 0-1, reference
// constant 1) in the item's rectangle, narrowed by `shortenRight` pixels.
void pdMakeControlItem(DialogRef d, short item, const char* title, short value, bool checkbox, short shortenRight);
void pdSetItemText(DialogRef d, short item, ConstStr255Param text);
void pdGetItemText(DialogRef d, short item, Str255 text);
short pdItemKind(DialogRef d, short item);
short pdGetItemValue(DialogRef d, short item);
void pdSetItemValue(DialogRef d, short item, short value);
// Brings the page to the front and shows it; a non-zero `selectItem` gets
// the keyboard focus with all its text selected.
void pdShowPage(DialogRef d, short selectItem);
void pdHidePage(DialogRef d);
// The item the next gesture hits in the front dialog.
short pdModalItem();
[[noreturn]] void pdQuit();
