// Dialog Manager internals shared by its files: the records behind a
// DialogRef and a ControlRef, the registry that maps windows and item
// handles back to them, and the drawing and layout helpers.
#pragma once
#include <string>
#include <vector>

#include "platform/wm/dialog.h"

struct ControlRecord {
  WindowRef owner = nullptr;
  Rect bounds{};
  std::string title;
  short value = 0, min = 0, max = 1, procID = pushButProc, hilite = 0;
  long refCon = 0;
  bool visible = true;
  bool pressed = false;  // drawn pushed in while tracked
};

struct DialogItem {
  short kind = 0;  // with itemDisable when not reported
  Handle handle = nullptr;
  Rect box{};
  bool hidden = false;
  VokUserItemProc draw = nullptr;  // user items only
};

struct DialogData {
  WindowRef window = nullptr;
  short templateID = 0;
  std::vector<DialogItem> items;  // items[0] is item 1
  short focus = 0;                // edit item holding the keyboard focus, 0 none
  TEHandle te = nullptr;          // editing record of the focused field
  short defaultItem = 1, cancelItem = 0;
  short alertKind = -1;  // 0 plain, 1 note, 2 caution, 3 stop for alerts
  unsigned long serial = 0;  // creation order
  bool stale = false;        // a whole redraw is owed (see drawLater)
};

namespace dlg {
DialogData* find(DialogRef d);
DialogItem* item(DialogData* d, short i);  // nullptr when out of range
bool isControl(Handle h);                  // h is a live ControlRef
ControlRecord* control(const DialogItem& it);  // nullptr unless a control item
short baseKind(const DialogItem& it);          // kind without itemDisable
bool enabled(const DialogItem& it);
// Makes a dialog window and its record from item specs; registers it.
DialogRef create(short templateID, const Rect& bounds, const char* title, short procID, const VokItemSpec* items,
                 int count, WindowRef behind);
// Text handles <-> their items.
Handle newText(const std::string& s);
std::string textOf(Handle h);
void setText(Handle h, const std::string& s);
void noteHandle(Handle h, DialogRef d, short itemNo);
void forgetHandle(Handle h);
bool ownerOf(Handle h, DialogRef* d, short* itemNo);
// All dialogs in creation order (scripts walk pages with it).
std::vector<DialogData*> all();

// Drawing (dialog_draw.cpp): into the dialog's port, which stays current
// only for the call.
void drawItem(DialogData* d, short i);
void drawAll(DialogData* d);
// Owes the dialog a whole redraw, paid before anything else draws into it,
// takes input in it or shows it: a page of fifty items set up one by one
// is drawn once, and a hidden one not at all until it is looked at.
void drawLater(DialogData* d);
void drawIfStale(DialogData* d);
// Pays every dialog's owed redraw (before the screen is put together).
void drawAllStale();
void drawControl(ControlRecord* c);
// A hidden dialog is not drawn at all; showing its window pays what it owes.
void drawIfStale(WindowRef w);
// Lines of text wrapped to width in the system font (CR and LF break lines).
std::vector<std::string> wrapText(const std::string& text, int width);
// ^0..^3 replaced by the ParamText strings.
std::string substituteParams(const std::string& text);
// Focus and field editing (dialog_modal.cpp).
void setFocus(DialogData* d, short i, int selStart, int selEnd);
void syncFocusText(DialogData* d);
void forgetDialog(DialogData* d);
}  // namespace dlg
