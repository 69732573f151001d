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

void HiliteControl(ControlRef c, short part) {
  if (!dlg::isControl(reinterpret_cast<Handle>(c)) || c->hilite == part) return;
  c->hilite = part;
  redraw(c);
}
