// Dialog records and their items: creation from item specs, the registry of
// dialogs and text handles, and the item calls (kind/handle/box, text,
// selection, hiding, enabling). Every change redraws the item at once: the
// dialog's port is its window's backing store, so it is always current.
#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <unordered_map>

#include "platform/font/font.h"
#include "platform/wm/dialog_internal.h"
#include "platform/wm/wm_internal.h"

bool VokRegisterDialogScriptCommands();  // dialog_script.cpp
namespace {
// Linked with the dialogs, so that scripts can drive them.
const bool g_scriptCommands = VokRegisterDialogScriptCommands();

struct Registry {
  std::map<WindowRef, DialogData*> dialogs;
  std::unordered_map<Handle, std::pair<DialogRef, short>> texts;
  unsigned long serial = 0;
};
Registry& reg() {
  static Registry r;
  return r;
}
}  // namespace

namespace dlg {
DialogData* find(DialogRef d) {
  auto it = reg().dialogs.find(d);
  return it == reg().dialogs.end() ? nullptr : it->second;
}

DialogItem* item(DialogData* d, short i) {
  if (!d || i < 1 || size_t(i) > d->items.size()) return nullptr;
  return &d->items[size_t(i - 1)];
}

short baseKind(const DialogItem& it) { return short(it.kind & ~itemDisable); }
bool enabled(const DialogItem& it) { return !(it.kind & itemDisable); }

ControlRecord* control(const DialogItem& it) {
  if ((baseKind(it) & ctrlItem) == 0 || !isControl(it.handle)) return nullptr;
  return reinterpret_cast<ControlRecord*>(it.handle);
}

Handle newText(const std::string& s) {
  Handle h = NewHandle(Size(s.size()));
  if (h && !s.empty()) std::memcpy(*h, s.data(), s.size());
  return h;
}

std::string textOf(Handle h) {
  if (!h || !*h) return std::string();
  return std::string(*h, size_t(std::min<Size>(GetHandleSize(h), 255)));
}

void setText(Handle h, const std::string& s) {
  if (!h) return;
  size_t n = std::min<size_t>(s.size(), 255);
  SetHandleSize(h, Size(n));
  if (MemError() == noErr && n) std::memcpy(*h, s.data(), n);
}

void noteHandle(Handle h, DialogRef d, short itemNo) {
  if (h) reg().texts[h] = {d, itemNo};
}
void forgetHandle(Handle h) { reg().texts.erase(h); }
bool ownerOf(Handle h, DialogRef* d, short* itemNo) {
  auto it = reg().texts.find(h);
  if (it == reg().texts.end()) return false;
  *d = it->second.first;
  *itemNo = it->second.second;
  return true;
}

std::vector<DialogData*> all() {
  std::vector<DialogData*> v;
  for (auto& [w, d] : reg().dialogs) (void)w, v.push_back(d);
  std::sort(v.begin(), v.end(), [](DialogData* a, DialogData* b) { return a->serial < b->serial; });
  return v;
}

DialogRef create(short templateID, const Rect& bounds, const char* title, short procID, const VokItemSpec* specs,
                 int count, WindowRef behind) {
  Str255 ptitle;
  CopyCToPascal(title ? title : "", ptitle);
  // Hidden until shown, which redraws it whole: no raster meanwhile.
  WindowRef w = vokwm::newWindow(&bounds, ptitle, false, procID, behind, false, 0, false);
  if (!w) return nullptr;
  auto* d = new DialogData;
  d->window = w;
  d->templateID = templateID;
  d->serial = ++reg().serial;
  reg().dialogs[w] = d;
  GrafPtr saved;
  GetPort(&saved);
  SetPort(GetWindowPort(w));
  TextFont(systemFont);
  TextSize(12);
  d->items.resize(size_t(count));
  for (int i = 0; i < count; ++i) {
    DialogItem& it = d->items[size_t(i)];
    it.kind = specs[i].kind;
    it.box = specs[i].box;
    short k = baseKind(it);
    if (k & ctrlItem) {
      Str255 t;
      CopyCToPascal(specs[i].text ? specs[i].text : "", t);
      short proc = (k & 3) == chkCtrl ? checkBoxProc : (k & 3) == radCtrl ? radioButProc : pushButProc;
      it.handle = reinterpret_cast<Handle>(NewControl(w, &it.box, t, true, 0, 0, 1, proc, 0));
    } else {
      it.handle = newText(specs[i].text ? specs[i].text : "");
      noteHandle(it.handle, w, short(i + 1));
    }
  }
  Rect r;
  GetPortBounds(GetWindowPort(w), &r);
  d->te = TENew(&r, &r);
  if (d->te) (**d->te).crOnly = -1;
  SetPort(saved);
  drawAll(d);
  return w;
}

void forgetDialog(DialogData* d) { reg().dialogs.erase(d->window); }
}  // namespace dlg

DialogRef VokNewDialog(const Rect* bounds, const char* title, short procID, const VokItemSpec* items, short count,
                       WindowRef behind) {
  if (!bounds || (count > 0 && !items) || count < 0) return nullptr;
  return dlg::create(0, *bounds, title, procID, items, count, behind);
}

void DisposeDialog(DialogRef d) {
  DialogData* dd = dlg::find(d);
  if (!dd) return;
  for (auto& it : dd->items) {
    if (dlg::isControl(it.handle)) {
      DisposeControl(reinterpret_cast<ControlRef>(it.handle));
    } else {
      dlg::forgetHandle(it.handle);
      DisposeHandle(it.handle);
    }
  }
  TEDispose(dd->te);
  dlg::forgetDialog(dd);
  delete dd;
  DisposeWindow(d);
}

WindowRef GetDialogWindow(DialogRef d) { return d; }
DialogRef GetDialogFromWindow(WindowRef w) { return dlg::find(w) ? w : nullptr; }
CGrafPtr GetDialogPort(DialogRef d) { return d ? GetWindowPort(d) : nullptr; }

short CountDITL(DialogRef d) {
  DialogData* dd = dlg::find(d);
  return dd ? short(dd->items.size()) : 0;
}

void DrawDialog(DialogRef d) {
  if (DialogData* dd = dlg::find(d)) dlg::drawAll(dd);
}

void VokDrawDialogItem(DialogRef d, short item) {
  if (DialogData* dd = dlg::find(d)) dlg::drawItem(dd, item);
}

void GetDialogItem(DialogRef d, short itemNo, short* kind, Handle* handle, Rect* box) {
  DialogItem* it = dlg::item(dlg::find(d), itemNo);
  if (kind) *kind = it ? it->kind : 0;
  if (handle) *handle = it ? it->handle : nullptr;
  if (box) *box = it ? it->box : Rect{0, 0, 0, 0};
}

void SetDialogItem(DialogRef d, short itemNo, short kind, Handle handle, const Rect* box) {
  DialogData* dd = dlg::find(d);
  DialogItem* it = dlg::item(dd, itemNo);
  if (!it) return;
  if (it->handle != handle) {
    dlg::forgetHandle(it->handle);  // the caller owns (and may have disposed of) the old handle
    if (dd->focus == itemNo) dd->focus = 0;
  }
  it->kind = kind;
  it->handle = handle;
  if (box) it->box = *box;
  if (!dlg::isControl(handle)) dlg::noteHandle(handle, d, itemNo);
  if (ControlRecord* c = dlg::control(*it)) c->bounds = it->box;
  if (dd->focus == itemNo && dlg::baseKind(*it) != editText) dd->focus = 0;
  dlg::drawLater(dd);  // the item may have moved or changed its look
}

void GetDialogItemText(Handle item, Str255 text) {
  if (!text) return;
  std::string s = dlg::textOf(item);
  text[0] = uint8_t(s.size());
  std::memcpy(text + 1, s.data(), s.size());
}

void SetDialogItemText(Handle item, ConstStr255Param text) {
  if (!item) return;
  std::string s = text ? std::string(reinterpret_cast<const char*>(text + 1), text[0]) : std::string();
  dlg::setText(item, s);
  DialogRef d;
  short itemNo;
  if (!dlg::ownerOf(item, &d, &itemNo)) return;
  DialogData* dd = dlg::find(d);
  if (dd && dd->focus == itemNo && dd->te) {
    TESetText(s.data(), long(s.size()), dd->te);
    (**dd->te).destRect.left = (**dd->te).viewRect.left;
  }
  if (dd) dlg::drawItem(dd, itemNo);
}

void SelectDialogItemText(DialogRef d, short itemNo, short start, short end) {
  DialogData* dd = dlg::find(d);
  DialogItem* it = dlg::item(dd, itemNo);
  if (!it || dlg::baseKind(*it) != editText || it->hidden) return;
  dlg::setFocus(dd, itemNo, start, end);
}

short GetDialogKeyboardFocusItem(DialogRef d) {
  DialogData* dd = dlg::find(d);
  return dd ? dd->focus : 0;
}

void HideDialogItem(DialogRef d, short itemNo) {
  DialogData* dd = dlg::find(d);
  DialogItem* it = dlg::item(dd, itemNo);
  if (!it || it->hidden) return;
  it->hidden = true;
  if (dd->focus == itemNo) dd->focus = 0;
  dlg::drawAll(dd);
}

void VokEnableDialogItem(DialogRef d, short itemNo, bool on) {
  DialogData* dd = dlg::find(d);
  DialogItem* it = dlg::item(dd, itemNo);
  if (!it) return;
  it->kind = short(on ? (it->kind & ~itemDisable) : (it->kind | itemDisable));
  if (ControlRecord* c = dlg::control(*it)) HiliteControl(reinterpret_cast<ControlRef>(c), on ? 0 : 255);
  else dlg::drawItem(dd, itemNo);
}

void SetDialogCancelItem(DialogRef d, short itemNo) {
  if (DialogData* dd = dlg::find(d)) dd->cancelItem = itemNo;
}

void VokSetUserItemProc(DialogRef d, short itemNo, VokUserItemProc draw) {
  DialogData* dd = dlg::find(d);
  if (DialogItem* it = dlg::item(dd, itemNo)) {
    it->draw = draw;
    dlg::drawItem(dd, itemNo);
  }
}

bool VokDialogItemText(DialogRef d, short itemNo, std::string* text) {
  DialogItem* it = dlg::item(dlg::find(d), itemNo);
  if (!it) return false;
  if (ControlRecord* c = dlg::control(*it)) *text = c->title;
  else if (dlg::baseKind(*it) == statText) *text = dlg::substituteParams(dlg::textOf(it->handle));
  else if (dlg::baseKind(*it) == editText) *text = dlg::textOf(it->handle);
  else return false;
  return true;
}

short FindDialogItem(DialogRef d, Point pt) {
  DialogData* dd = dlg::find(d);
  if (!dd) return -1;
  for (size_t i = 0; i < dd->items.size(); ++i) {
    const DialogItem& it = dd->items[i];
    if (it.hidden) continue;
    if (ControlRecord* c = dlg::control(it); c && !c->visible) continue;
    if (PtInRect(pt, &it.box)) return short(i);
  }
  return -1;
}
