// The Dialog and Control Managers, drawn by us: dialogs made from templates
// defined in code (128: a Parameters page, 129: an alert), their items (push
// buttons, checkboxes, static text, edit text), the standard modal loop, and
// alerts with the ^0..^3 parameters. A dialog is a window of the window
// layer, so ShowWindow/SelectWindow/HideWindow take a DialogRef as it is.
#pragma once
#include <string>

#include "platform/wm/textedit.h"
#include "platform/wm/window.h"

typedef WindowRef DialogRef;
typedef WindowRef DialogPtr;

// Item kinds; itemDisable added to a kind keeps ModalDialog from reporting
// the item (a disabled edit field still takes typing).
enum : short {
  userItem = 0,
  ctrlItem = 4,
  btnCtrl = 0,
  chkCtrl = 1,
  radCtrl = 2,
  statText = 8,
  editText = 16,
  iconItem = 32,
  picItem = 64,
  itemDisable = 128,
  kButtonDialogItem = ctrlItem + btnCtrl,    // 4
  kCheckBoxDialogItem = ctrlItem + chkCtrl,  // 5
};

// Templates defined in code.
enum : short {
  kVokParamsDialogID = 128,  // items 1 OK, 2 Close, 3 Quit, 4+2i labels, 5+2i values (i < 26), 56/57 page buttons
  kVokAlertID = 129,         // items 1 OK, 2 the text (^0..^3), 3 the kind mark
  kVokParamsSlots = 26,
  kVokParamsPrevItem = 56,
  kVokParamsNextItem = 57,
};

// ---- controls ----------------------------------------------------------------
struct ControlRecord;
typedef ControlRecord* ControlRef;
typedef ControlRef ControlHandle;
enum : short { pushButProc = 0, checkBoxProc = 1, radioButProc = 2 };
enum : short { kControlNoPart = 0, kControlButtonPart = 10, kControlCheckBoxPart = 11, kControlInactivePart = 255 };

// A control in owner's port. With a dialog as owner, the control becomes a
// dialog item once SetDialogItem names it (kind 4 button, 5 checkbox).
ControlRef NewControl(WindowRef owner, const Rect* bounds, ConstStr255Param title, Boolean visible, short value,
                      short min, short max, short procID, long refCon);
void DisposeControl(ControlRef c);
short GetControlValue(ControlRef c);
void SetControlValue(ControlRef c, short value);  // clamped to [min, max]
// 0 active, 1..253 highlighted as pressed, 255 inactive (dimmed, not clickable).
void HiliteControl(ControlRef c, short part);

// ---- dialogs -----------------------------------------------------------------
// Makes a dialog from a template (128 or 129), hidden unless the template
// says visible; nullptr for an unknown template or when out of memory.
DialogRef GetNewDialog(short templateID, void* storage, WindowRef behind);
void DisposeDialog(DialogRef d);
WindowRef GetDialogWindow(DialogRef d);
DialogRef GetDialogFromWindow(WindowRef w);  // nullptr when w is no dialog
CGrafPtr GetDialogPort(DialogRef d);
short CountDITL(DialogRef d);
void DrawDialog(DialogRef d);

// Items are numbered from 1. The handle of a text item holds its text; of a
// control item, the ControlRef. An item number out of range yields kind 0,
// a null handle and an empty rect.
void GetDialogItem(DialogRef d, short item, short* kind, Handle* handle, Rect* box);
// Replaces an item's kind, handle (a text handle, or a ControlRef cast) and box.
void SetDialogItem(DialogRef d, short item, short kind, Handle handle, const Rect* box);
// Length-prefixed text of a text item's handle.
void GetDialogItemText(Handle item, Str255 text);
void SetDialogItemText(Handle item, ConstStr255Param text);
// Focuses an edit-text item and selects [start, end) (clamped); no effect on other kinds.
void SelectDialogItemText(DialogRef d, short item, short start, short end);
short GetDialogKeyboardFocusItem(DialogRef d);  // 0 when no field has the focus
void HideDialogItem(DialogRef d, short item);
// Enabled items are reported by ModalDialog; disabled ones never are.
void VokEnableDialogItem(DialogRef d, short item, bool enabled);
void SetDialogCancelItem(DialogRef d, short item);   // Escape / Cmd-. press it (0: none)
// Visible text of an item: a button's or checkbox's title, a text item's text.
bool VokDialogItemText(DialogRef d, short item, std::string* text);
// The item at a local point (0 when none); hidden items are skipped.
short FindDialogItem(DialogRef d, Point localPt);  // 0-based, as the classic call: item - 1, or -1

// The modal loop on the front dialog: waits for events, tracks buttons and
// checkboxes (a press counts only when released inside), moves the focus
// with Tab/Shift-Tab and clicks, edits the focused field (typing, Backspace,
// Delete, arrows, Shift-arrows, Cmd-A), and returns when an enabled item is
// hit: a click on it, a key typed into an enabled edit field, Return/Enter
// for the default item, Escape for the cancel item. A checkbox hit is only
// reported: the caller flips its value. The filter, when given, sees each
// event first and may report an item by returning true.
typedef Boolean (*ModalFilterProcPtr)(DialogRef d, EventRecord* event, short* itemHit);
typedef ModalFilterProcPtr ModalFilterUPP;
#define NewModalFilterUPP(p) (p)
void ModalDialog(ModalFilterUPP filter, short* itemHit);

// ---- dialogs built in code --------------------------------------------------------
// One item of a dialog made by VokNewDialog (text: a title or a text; box in
// the dialog's local coordinates).
struct VokItemSpec {
  short kind;
  Rect box;
  const char* text;
};
// A hidden dialog with these items, its content rectangle `bounds` in
// global coordinates; procID as for windows (noGrowDocProc has a title).
DialogRef VokNewDialog(const Rect* bounds, const char* title, short procID, const VokItemSpec* items, short count,
                       WindowRef behind);
// A user item is drawn by its procedure (called with the dialog's port current).
typedef void (*VokUserItemProc)(DialogRef d, short item);
void VokSetUserItemProc(DialogRef d, short item, VokUserItemProc draw);
// Redraws one item now.
void VokDrawDialogItem(DialogRef d, short item);
// Centres a rect of width x height on the main screen's available area, a third of the way down.
Rect VokCentredRect(short width, short height);

// ---- alerts --------------------------------------------------------------------
// ^0..^3 in static texts are replaced by these (null leaves a parameter empty).
void ParamText(ConstStr255Param p0, ConstStr255Param p1, ConstStr255Param p2, ConstStr255Param p3);
// Show alert template 129 with its mark (none, note, caution, stop), wait for
// the button, and return the item hit (1).
short Alert(short alertID, ModalFilterUPP filter);
short NoteAlert(short alertID, ModalFilterUPP filter);
short CautionAlert(short alertID, ModalFilterUPP filter);
short StopAlert(short alertID, ModalFilterUPP filter);
