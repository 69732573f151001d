// Dialog items of the Parameters pages over the platform's Dialog and
// Control Managers. Only this file and nothing else in the subsystem
// handles items, handles and controls directly.
#include "vok/params/pd_items.h"

#include "vok/frame/messages.h"

DialogRef pdNewPageDialog() {
  DialogRef d = GetNewDialog(kVokParamsDialogID, nullptr, kFirstWindowOfClass);
  if (!d) s_OOMError();
  return d;
}

// Frees what an item held before it is replaced by another kind.
static void disposeItemHandle(short kind, Handle h) {
  if (!h) return;
  if ((kind & ~itemDisable) == kButtonDialogItem || (kind & ~itemDisable) == kCheckBoxDialogItem)
    DisposeControl(reinterpret_cast<ControlRef>(h));
  else
    DisposeHandle(h);
}

void pdMakeTextItem(DialogRef d, short item, bool editable, ConstStr255Param text) {
  short kind;
  Handle h;
  Rect box;
  GetDialogItem(d, item, &kind, &h, &box);
  short base = kind & ~itemDisable;
  if (!h || (base != editText && base != statText)) {
    disposeItemHandle(kind, h);
    h = NewHandle(0);
    if (!h) s_OOMError();
  }
  SetDialogItem(d, item, short((editable ? editText : statText) | itemDisable), h, &box);
  SetDialogItemText(h, text);
}

void pdMakeControlItem(DialogRef d, short item, const char* title, short value, bool checkbox, short shortenRight) {
  short kind;
  Handle h;
  Rect box;
  GetDialogItem(d, item, &kind, &h, &box);
  disposeItemHandle(kind, h);
  box.right = short(box.right - shortenRight);
  Str255 t;
  CopyCToPascal(title, t);
  ControlRef c = NewControl(GetDialogWindow(d), &box, t, true, value, 0, 1, checkbox ? checkBoxProc : pushButProc, 1);
  if (!c) s_OOMError();
  SetDialogItem(d, item, checkbox ? kCheckBoxDialogItem : kButtonDialogItem, reinterpret_cast<Handle>(c), &box);
}

void pdSetItemText(DialogRef d, short item, ConstStr255Param text) {
  short kind;
  Handle h;
  Rect box;
  GetDialogItem(d, item, &kind, &h, &box);
  if (h) SetDialogItemText(h, text);
}

void pdGetItemText(DialogRef d, short item, Str255 text) {
  short kind;
  Handle h;
  Rect box;
  GetDialogItem(d, item, &kind, &h, &box);
  text[0] = 0;
  if (h) GetDialogItemText(h, text);
}

short pdItemKind(DialogRef d, short item) {
  short kind;
  Handle h;
  Rect box;
  GetDialogItem(d, item, &kind, &h, &box);
  return kind;
}

static ControlRef itemControl(DialogRef d, short item) {
  short kind;
  Handle h;
  Rect box;
  GetDialogItem(d, item, &kind, &h, &box);
  short base = kind & ~itemDisable;
  if (base != kButtonDialogItem && base != kCheckBoxDialogItem) return nullptr;
  return reinterpret_cast<ControlRef>(h);
}

short pdGetItemValue(DialogRef d, short item) {
  ControlRef c = itemControl(d, item);
  return c ? GetControlValue(c) : 0;
}

void pdSetItemValue(DialogRef d, short item, short value) {
  if (ControlRef c = itemControl(d, item)) SetControlValue(c, value);
}

void pdShowPage(DialogRef d, short selectItem) {
  if (selectItem) SelectDialogItemText(d, selectItem, 0, 32767);
  SelectWindow(GetDialogWindow(d));
  ShowWindow(GetDialogWindow(d));
}

void pdHidePage(DialogRef d) { HideWindow(GetDialogWindow(d)); }

short pdModalItem() {
  short item = 0;
  ModalDialog(nullptr, &item);
  return item;
}

void pdQuit() { ExitToShell(); }
