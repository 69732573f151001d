// Controls: push buttons and checkboxes with a title, a value clamped to
// their range, and a highlight state (pressed, inactive). A control owned by
// a dialog is drawn as that dialog's item.
#include <algorithm>
#include <set>

#include "platform/wm/dialog_internal.h"

namespace {
std::set<ControlRecord*>& live() {
  static std::set<ControlRecord*> s;
  return s;
}

void redraw(ControlRecord* c) {
  if (c->owner) dlg::drawControl(c);
}
}  // namespace

bool dlg::isControl(Handle h) { return h && live().count(reinterpret_cast<ControlRecord*>(h)); }

ControlRef NewControl(WindowRef owner, const Rect* bounds, ConstStr255Param title, Boolean visible, short value,
                      short min, short max, short procID, long refCon) {
  auto* c = new ControlRecord;
  c->owner = owner;
  if (bounds) c->bounds = *bounds;
  if (title) c->title.assign(reinterpret_cast<const char*>(title + 1), title[0]);
  c->visible = visible;
  c->min = min;
  c->max = std::max(min, max);
  c->value = std::clamp(value, c->min, c->max);
  c->procID = procID;
  c->refCon = refCon;
  live().insert(c);
  return c;
}

void DisposeControl(ControlRef c) {
  if (!live().erase(c)) return;
  delete c;
}

short GetControlValue(ControlRef c) { return dlg::isControl(reinterpret_cast<Handle>(c)) ? c->value : 0; }

void SetControlValue(ControlRef c, short value) {
  if (!dlg::isControl(reinterpret_cast<Handle>(c))) return;
  short v = std::clamp(value, c->min, c->max);
  if (v == c->value) return;
  c->value = v;
  redraw(c);
}

short GetControlMinimum(ControlRef c) { return dlg::isControl(reinterpret_cast<Handle>(c)) ? c->min : 0; }
short GetControlMaximum(ControlRef c) { return dlg::isControl(reinterpret_cast<Handle>(c)) ? c->max : 0; }

void SetControlMinimum(ControlRef c, short min) {
  if (!dlg::isControl(reinterpret_cast<Handle>(c))) return;
  c->min = min;
  c->max = std::max(c->max, min);
  SetControlValue(c, c->value);
}

void SetControlMaximum(ControlRef c, short max) {
  if (!dlg::isControl(reinterpret_cast<Handle>(c))) return;
  c->max = max;
  c->min = std::min(c->min, max);
  c->value = std::clamp(c->value, c->min, c->max);
  redraw(c);
}

void GetControlTitle(ControlRef c, Str255 title) {
  if (!title) return;
  title[0] = 0;
  if (!dlg::isControl(reinterpret_cast<Handle>(c))) return;
  CopyCToPascal(c->title.c_str(), title);
}

void SetControlTitle(ControlRef c, ConstStr255Param title) {
  if (!dlg::isControl(reinterpret_cast<Handle>(c))) return;
  c->title = title ? std::string(reinterpret_cast<const char*>(title + 1), title[0]) : std::string();
  redraw(c);
}

void HiliteControl(ControlRef c, short part) {
  if (!dlg::isControl(reinterpret_cast<Handle>(c)) || c->hilite == part) return;
  c->hilite = part;
  redraw(c);
}

short GetControlHilite(ControlRef c) { return dlg::isControl(reinterpret_cast<Handle>(c)) ? c->hilite : 0; }
long GetControlReference(ControlRef c) { return dlg::isControl(reinterpret_cast<Handle>(c)) ? c->refCon : 0; }
void SetControlReference(ControlRef c, long refCon) {
  if (dlg::isControl(reinterpret_cast<Handle>(c))) c->refCon = refCon;
}

void ShowControl(ControlRef c) {
  if (!dlg::isControl(reinterpret_cast<Handle>(c)) || c->visible) return;
  c->visible = true;
  redraw(c);
}

void HideControl(ControlRef c) {
  if (!dlg::isControl(reinterpret_cast<Handle>(c)) || !c->visible) return;
  c->visible = false;
  redraw(c);
}

Rect* GetControlBounds(ControlRef c, Rect* bounds) {
  if (bounds) *bounds = dlg::isControl(reinterpret_cast<Handle>(c)) ? c->bounds : Rect{0, 0, 0, 0};
  return bounds;
}

WindowRef GetControlOwner(ControlRef c) { return dlg::isControl(reinterpret_cast<Handle>(c)) ? c->owner : nullptr; }

void Draw1Control(ControlRef c) {
  if (dlg::isControl(reinterpret_cast<Handle>(c))) redraw(c);
}
