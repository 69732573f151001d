// Drawing dialog items: a light grey dialog face, rounded push buttons (the
// default one filled), checkboxes with a tick, white edit fields with a focus
// ring, wrapped static text, and the alert marks. Each item is drawn in its
// box widened by a few pixels, so one item can be redrawn alone.
#include <algorithm>
#include <cstring>

#include "platform/font/font.h"
#include "platform/wm/dialog_internal.h"

namespace {
constexpr short kRing = 3;  // pixels around a box that belong to the item (rings, focus)

RGBColor rgb(int r, int g, int b) { return RGBColor{uint16_t(r * 257), uint16_t(g * 257), uint16_t(b * 257)}; }
const RGBColor kFace = rgb(236, 236, 236), kWhite = rgb(255, 255, 255), kBlack = rgb(0, 0, 0);
const RGBColor kFrame = rgb(128, 128, 128), kDim = rgb(160, 160, 160), kAccent = rgb(48, 112, 208);
const RGBColor kAccentDark = rgb(28, 78, 160), kPressed = rgb(200, 200, 200);

void fillWith(const Rect& r, const RGBColor& c) {
  RGBForeColor(&c);
  PaintRect(&r);
}

struct Metrics {
  short ascent, height;
};
Metrics metrics() {
  FontInfo fi{};
  GetFontInfo(&fi);
  short h = short(fi.ascent + fi.descent + fi.leading);
  return Metrics{fi.ascent > 0 ? fi.ascent : short(10), h > 0 ? h : short(14)};
}

void drawString(const std::string& s, short h, short v, const RGBColor& c) {
  RGBForeColor(&c);
  MoveTo(h, v);
  DrawText(s.data(), 0, short(std::min<size_t>(s.size(), 255)));
}

short textWidth(const std::string& s) { return TextWidth(s.data(), 0, short(std::min<size_t>(s.size(), 255))); }

// Clips to r ∩ the current clip for the life of the scope.
struct ClipScope {
  explicit ClipScope(const Rect& r) {
    saved = NewRgn();
    GetClip(saved);
    Rect old, both;
    GetRegionBounds(saved, &old);
    if (!SectRect(&r, &old, &both)) both = Rect{0, 0, 0, 0};
    ClipRect(&both);
  }
  ~ClipScope() {
    SetClip(saved);
    DisposeRgn(saved);
  }
  RgnHandle saved;
};

void drawButton(const ControlRecord& c, bool isDefault) {
  Rect r = c.bounds;
  bool inactive = c.hilite == 255;
  bool down = c.pressed || (c.hilite > 0 && c.hilite < 254);
  const RGBColor& fill = isDefault && !inactive ? (down ? kAccentDark : kAccent) : (down ? kPressed : kWhite);
  RGBForeColor(&fill);
  PaintRoundRect(&r, 8, 8);
  const RGBColor& edge = isDefault && !inactive ? kAccentDark : kFrame;
  RGBForeColor(&edge);
  FrameRoundRect(&r, 8, 8);
  Metrics m = metrics();
  short w = textWidth(c.title);
  short h = short(r.left + (r.right - r.left - w) / 2);
  short v = short(r.top + (r.bottom - r.top - m.height) / 2 + m.ascent);
  ClipScope clip(r);
  drawString(c.title, h, v, inactive ? kDim : isDefault ? kWhite : kBlack);
}

void drawCheckbox(const ControlRecord& c) {
  Metrics m = metrics();
  Rect r = c.bounds;
  short size = 14;
  short top = short(r.top + std::max(0, (r.bottom - r.top - size) / 2));
  Rect box;
  SetRect(&box, r.left, top, short(r.left + size), short(top + size));
  bool inactive = c.hilite == 255;
  bool on = c.value != 0;
  fillWith(box, on && !inactive ? (c.pressed ? kAccentDark : kAccent) : (c.pressed ? kPressed : kWhite));
  RGBForeColor(on && !inactive ? &kAccentDark : &kFrame);
  FrameRoundRect(&box, 4, 4);
  if (on) {  // a tick in two strokes, two pixels wide
    RGBForeColor(inactive ? &kDim : &kWhite);
    PenSize(2, 2);
    MoveTo(short(box.left + 3), short(box.top + 6));
    LineTo(short(box.left + 5), short(box.top + 9));
    LineTo(short(box.left + 10), short(box.top + 3));
    PenSize(1, 1);
  }
  if (!c.title.empty()) {
    ClipScope clip(r);
    short v = short(r.top + (r.bottom - r.top - m.height) / 2 + m.ascent);
    drawString(c.title, short(box.right + 6), v, inactive ? kDim : kBlack);
  }
}

void drawStatic(const DialogItem& it) {
  Metrics m = metrics();
  auto lines = dlg::wrapText(dlg::substituteParams(dlg::textOf(it.handle)), it.box.right - it.box.left);
  ClipScope clip(it.box);
  short v = short(it.box.top + m.ascent);
  for (auto& line : lines) {
    drawString(line, it.box.left, v, kBlack);
    v = short(v + m.height);
  }
}

void drawField(DialogData* d, short i, const DialogItem& it) {
  fillWith(it.box, kWhite);
  bool focused = d->focus == i && d->te;
  if (focused) {
    RGBBackColor(&kWhite);
    RGBForeColor(&kBlack);  // the fill above left the pen white
    TEUpdate(&it.box, d->te);
    RGBForeColor(&kAccent);
    Rect ring = it.box;
    InsetRect(&ring, -2, -2);
    PenSize(2, 2);
    FrameRect(&ring);
    PenSize(1, 1);
  } else {
    Metrics m = metrics();
    Rect inner = it.box;
    InsetRect(&inner, 3, 1);
    ClipScope clip(inner);
    short v = short(it.box.top + (it.box.bottom - it.box.top - m.height) / 2 + m.ascent);
    drawString(dlg::textOf(it.handle), inner.left, v, kBlack);
  }
  RGBForeColor(&kFrame);
  FrameRect(&it.box);
}

// The mark of an alert kind: note (blue disc, "i"), caution (yellow
// triangle, "!"), stop (red octagon, "!").
void drawMark(short kind, const Rect& box) {
  if (kind <= 0) return;
  Rect r = box;
  if (kind == 1) {
    RGBColor blue = rgb(52, 120, 220);
    RGBForeColor(&blue);
    PaintOval(&r);
  } else {
    PolyHandle p = OpenPoly();
    short w = short(r.right - r.left), h = short(r.bottom - r.top);
    if (kind == 2) {
      MoveTo(short(r.left + w / 2), r.top);
      LineTo(r.right, r.bottom);
      LineTo(r.left, r.bottom);
      LineTo(short(r.left + w / 2), r.top);
    } else {
      short a = short(w * 3 / 10), b = short(h * 3 / 10);
      MoveTo(short(r.left + a), r.top);
      LineTo(short(r.right - a), r.top);
      LineTo(r.right, short(r.top + b));
      LineTo(r.right, short(r.bottom - b));
      LineTo(short(r.right - a), r.bottom);
      LineTo(short(r.left + a), r.bottom);
      LineTo(r.left, short(r.bottom - b));
      LineTo(r.left, short(r.top + b));
      LineTo(short(r.left + a), r.top);
    }
    ClosePoly();
    RGBColor c = kind == 2 ? rgb(240, 190, 30) : rgb(210, 40, 40);
    RGBForeColor(&c);
    PaintPoly(p);
    KillPoly(p);
  }
  // The glyph, drawn as bars so it needs no font.
  RGBForeColor(kind == 2 ? &kBlack : &kWhite);
  short cx = short((r.left + r.right) / 2);
  Rect bar, dot;
  short h = short(r.bottom - r.top);
  if (kind == 1) {
    SetRect(&dot, short(cx - 2), short(r.top + h / 5), short(cx + 2), short(r.top + h / 5 + 4));
    SetRect(&bar, short(cx - 2), short(r.top + h * 2 / 5), short(cx + 2), short(r.bottom - h / 5));
  } else {
    short top = short(kind == 2 ? r.top + h * 2 / 5 : r.top + h / 5);
    SetRect(&bar, short(cx - 2), top, short(cx + 2), short(r.bottom - h * 2 / 5 + (kind == 2 ? 4 : 0)));
    SetRect(&dot, short(cx - 2), short(bar.bottom + 3), short(cx + 2), short(bar.bottom + 7));
  }
  PaintRect(&bar);
  PaintRect(&dot);
}

// Sets up the dialog's port for drawing; restores the caller's on return.
struct DrawScope {
  explicit DrawScope(DialogData* d) {
    GetPort(&saved);
    port = GetWindowPort(d->window);
    SetPort(port);
    GetForeColor(&fore);
    GetBackColor(&back);
    PenNormal();
    TextFont(systemFont);
    TextSize(12);
    TextFace(normal);
    TextMode(srcOr);
    RGBBackColor(&kWhite);
  }
  ~DrawScope() {
    RGBForeColor(&fore);
    RGBBackColor(&back);
    SetPort(saved);
  }
  GrafPtr saved, port;
  RGBColor fore, back;
};

// Draws item i; alone: first erases its area (drawAll paints the face once).
void drawOne(DialogData* d, short i, bool alone) {
  DialogItem& it = d->items[size_t(i - 1)];
  if (alone) {
    Rect area = it.box;
    InsetRect(&area, -kRing, -kRing);
    fillWith(area, kFace);
  }
  if (it.hidden) return;
  ControlRecord* c = dlg::control(it);
  short k = dlg::baseKind(it);
  if (c) {
    if (!c->visible) return;
    c->bounds = it.box;
    if (c->procID == checkBoxProc || c->procID == radioButProc) drawCheckbox(*c);
    else drawButton(*c, i == d->defaultItem);
  } else if (k == statText) {
    drawStatic(it);
  } else if (k == editText) {
    drawField(d, i, it);
  } else if (k == iconItem) {
    drawMark(d->alertKind, it.box);
  } else if (k == userItem && it.draw) {
    ClipScope clip(it.box);
    it.draw(d->window, i);
  }
}
}  // namespace

namespace dlg {
bool deferred(DialogData* d) {
  if (IsWindowVisible(d->window)) return false;
  d->stale = true;
  return true;
}

void drawItem(DialogData* d, short i) {
  if (!d || i < 1 || size_t(i) > d->items.size()) return;
  if (d->stale || deferred(d)) return;  // the owed redraw draws it
  DrawScope scope(d);
  drawOne(d, i, true);
}

void drawAll(DialogData* d) {
  if (!d || deferred(d)) return;
  d->stale = false;
  DrawScope scope(d);
  Rect r;
  GetPortBounds(scope.port, &r);
  fillWith(r, kFace);
  for (size_t i = 1; i <= d->items.size(); ++i) drawOne(d, short(i), false);
}

void drawIfStale(WindowRef w) { drawIfStale(find(w)); }

void drawLater(DialogData* d) {
  if (d) d->stale = true;
}

void drawIfStale(DialogData* d) {
  if (d && d->stale) drawAll(d);
}

void drawAllStale() {
  for (DialogData* d : all()) drawIfStale(d);
}

void drawControl(ControlRecord* c) {
  DialogData* d = find(c->owner);
  if (!d) return;
  for (size_t i = 0; i < d->items.size(); ++i)
    if (d->items[i].handle == reinterpret_cast<Handle>(c)) return drawItem(d, short(i + 1));
}

std::vector<std::string> wrapText(const std::string& text, int width) {
  std::vector<std::string> lines;
  std::string line;
  size_t i = 0;
  auto flush = [&] {
    lines.push_back(line);
    line.clear();
  };
  while (i < text.size()) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      flush();
      i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      continue;
    }
    size_t j = i;
    while (j < text.size() && text[j] != ' ' && text[j] != '\r' && text[j] != '\n') ++j;
    std::string word = text.substr(i, j - i);
    std::string candidate = line.empty() ? word : line + " " + word;
    if (!line.empty() && textWidth(candidate) > width) {
      flush();
      candidate = word;
    }
    // A word wider than the box is cut where it overflows.
    while (textWidth(candidate) > width && candidate.size() > 1) {
      size_t k = candidate.size();
      while (k > 1 && textWidth(candidate.substr(0, k)) > width) --k;
      line = candidate.substr(0, k);
      flush();
      candidate = candidate.substr(k);
    }
    line = candidate;
    i = j;
    while (i < text.size() && text[i] == ' ') ++i;
  }
  if (!line.empty() || lines.empty()) flush();
  return lines;
}
}  // namespace dlg
