// The modal loop: events of the front dialog become item hits. One
// trackItem follows every press (highlight while inside, a hit only when
// released inside); the focused edit field is a TextEdit record whose text
// is copied back into the item's handle after each change.
#include <algorithm>

#include "platform/event/event.h"
#include "platform/wm/dialog_internal.h"

namespace {
constexpr short kFieldLimit = 255;  // dialog texts are length-prefixed strings

DialogData* frontDialog() {
  WindowRef w = FrontWindow();
  DialogData* d = dlg::find(w);
  if (d && IsWindowVisible(w)) return d;
  DialogData* best = nullptr;  // else the newest visible dialog
  for (DialogData* x : dlg::all())
    if (IsWindowVisible(x->window)) best = x;
  return best;
}

Point toLocal(DialogData* d, Point global) {
  GrafPtr saved;
  GetPort(&saved);
  SetPort(GetWindowPort(d->window));
  GlobalToLocal(&global);
  SetPort(saved);
  return global;
}

void setPressed(DialogData* d, short i, bool on) {
  DialogItem* it = dlg::item(d, i);
  if (ControlRecord* c = it ? dlg::control(*it) : nullptr) {
    c->pressed = on;
    dlg::drawItem(d, i);
  }
}

// Follows one press on item i until the button is released. The item is
// shown pressed while the pointer is inside it; the result is whether the
// release happened inside.
bool trackItem(DialogData* d, short i) {
  Rect box = dlg::item(d, i)->box;
  bool inside = true;
  setPressed(d, i, true);
  EventRecord ev;
  Point p{0, 0};
  GrafPtr saved;
  GetPort(&saved);
  SetPort(GetWindowPort(d->window));
  for (;;) {
    if (EventAvail(mUpMask, &ev)) {
      GetNextEvent(mUpMask, &ev);
      p = ev.where;
      GlobalToLocal(&p);
      break;
    }
    if (!StillDown()) {  // the release never reached the queue: take the pointer's place
      GetMouse(&p);
      break;
    }
    WaitNextEvent(0, &ev, 1, nullptr);
    GetMouse(&p);
    bool now = PtInRect(p, &box);
    if (now != inside) {
      inside = now;
      setPressed(d, i, inside);
      SetPort(GetWindowPort(d->window));
    }
  }
  SetPort(saved);
  setPressed(d, i, false);
  return PtInRect(p, &box);
}

// A button answering a key: shown pressed for a moment, when anyone can see it.
void flash(DialogData* d, short i) {
  if (!VokScreenWatched()) return;
  setPressed(d, i, true);
  EventRecord ev;
  uint32_t until = TickCount() + 4;
  while (TickCount() < until) WaitNextEvent(0, &ev, 1, nullptr);
  setPressed(d, i, false);
}

bool usable(DialogData* d, short i) {
  DialogItem* it = dlg::item(d, i);
  if (!it || it->hidden || !dlg::enabled(*it)) return false;
  ControlRecord* c = dlg::control(*it);
  return !c || (c->visible && c->hilite != 255);
}

void moveFocus(DialogData* d, int step) {
  int n = int(d->items.size());
  if (n == 0) return;
  int start = d->focus > 0 ? d->focus : (step > 0 ? 0 : 1);
  for (int k = 1; k <= n; ++k) {
    int i = ((start - 1 + step * k) % n + n) % n + 1;
    DialogItem& it = d->items[size_t(i - 1)];
    if (dlg::baseKind(it) == editText && !it.hidden) {
      dlg::setFocus(d, short(i), 0, kFieldLimit);
      return;
    }
  }
}

bool handleKey(DialogData* d, const EventRecord& ev, short* hit) {
  dlg::drawIfStale(d);
  unsigned char ch = static_cast<unsigned char>(ev.message & charCodeMask);
  bool cmd = ev.modifiers & cmdKey;
  if (ch == kReturnCharCode || ch == kEnterCharCode) {
    if (!usable(d, d->defaultItem)) return false;
    flash(d, d->defaultItem);
    *hit = d->defaultItem;
    return true;
  }
  if (ch == kEscapeCharCode || (cmd && ch == '.')) {
    if (!usable(d, d->cancelItem)) return false;
    flash(d, d->cancelItem);
    *hit = d->cancelItem;
    return true;
  }
  if (ch == kTabCharCode) {
    moveFocus(d, (ev.modifiers & shiftKey) ? -1 : 1);
    return false;
  }
  if (!d->focus || !d->te) return false;
  if (cmd) {
    if (ch == 'a' || ch == 'A') TESetSelect(0, kFieldLimit, d->te);
    return false;
  }
  TERec& r = **d->te;
  bool inserts = ch >= 32 && ch != kDeleteCharCode;
  if (inserts && r.teLength - (r.selEnd - r.selStart) >= kFieldLimit) return false;
  if (!inserts && ch != kBackspaceCharCode && ch != kDeleteCharCode && (ch < kLeftArrowCharCode || ch > kDownArrowCharCode))
    return false;  // no CR or other control characters in a one-line field
  TEKeyMods(ch, ev.modifiers, d->te);
  dlg::syncFocusText(d);
  if (!dlg::enabled(d->items[size_t(d->focus - 1)])) return false;
  *hit = d->focus;
  return true;
}

bool handleMouse(DialogData* d, const EventRecord& ev, short* hit) {
  dlg::drawIfStale(d);
  WindowRef w = nullptr;
  if (FindWindow(ev.where, &w) != inContent || w != d->window) return false;
  Point local = toLocal(d, ev.where);
  short i = short(FindDialogItem(d->window, local) + 1);
  DialogItem* it = dlg::item(d, i);
  if (!it) return false;
  short k = dlg::baseKind(*it);
  if (ControlRecord* c = dlg::control(*it)) {
    if (c->hilite == 255 || !c->visible) return false;
    if (!trackItem(d, i) || !dlg::enabled(*it)) return false;
  } else if (k == editText) {
    if (d->focus != i) dlg::setFocus(d, i, 0, 0);
    TEClick(local, (ev.modifiers & shiftKey) != 0, d->te);
    dlg::syncFocusText(d);
    if (!dlg::enabled(*it)) return false;
  } else {
    if (!dlg::enabled(*it) || !trackItem(d, i)) return false;
  }
  *hit = i;
  return true;
}
}  // namespace

namespace dlg {
void syncFocusText(DialogData* d) {
  DialogItem* it = item(d, d->focus);
  if (!it || !d->te) return;
  TERec& r = **d->te;
  setText(it->handle, std::string(*r.hText, size_t(std::min<short>(r.teLength, kFieldLimit))));
}

void setFocus(DialogData* d, short i, int selStart, int selEnd) {
  if (!d->te) return;
  drawIfStale(d);  // the field's editing draws over the dialog as it is
  short old = d->focus;
  if (old && old != i) {
    syncFocusText(d);
    (**d->te).active = 0;
    d->focus = 0;
    drawItem(d, old);
  }
  DialogItem* it = item(d, i);
  std::string text = textOf(it->handle);
  TERec& r = **d->te;
  Rect view = it->box;
  InsetRect(&view, 3, 1);
  r.viewRect = view;
  r.destRect = view;
  r.destRect.top = short(it->box.top + std::max(0, (it->box.bottom - it->box.top - r.lineHeight) / 2));
  r.destRect.right = short(r.destRect.left + 10000);
  r.autoView = 1;
  r.active = 0;  // no drawing until the field is set up
  d->focus = i;
  TESetText(text.data(), long(text.size()), d->te);
  TESetSelect(selStart, selEnd, d->te);
  r.active = 1;
  r.caretState = 1;
  TESelView(d->te);
  drawItem(d, i);
}
}  // namespace dlg

void ModalDialog(ModalFilterUPP filter, short* itemHit) {
  short hit = 0;
  DialogData* d = frontDialog();
  if (!d) {
    if (itemHit) *itemHit = 0;
    return;
  }
  if (!d->focus) moveFocus(d, 1);
  EventRecord ev;
  for (;;) {
    if (d->focus && d->te) TEIdle(d->te);
    if (!WaitNextEvent(everyEvent, &ev, 15, nullptr)) continue;
    if (filter && filter(d->window, &ev, &hit)) break;
    bool done = false;
    switch (ev.what) {
      case mouseDown: done = handleMouse(d, ev, &hit); break;
      case keyDown:
      case autoKey: done = handleKey(d, ev, &hit); break;
      case kHighLevelEvent: AEProcessAppleEvent(&ev); break;
      default: break;
    }
    if (done) break;
  }
  if (itemHit) *itemHit = hit;
}
