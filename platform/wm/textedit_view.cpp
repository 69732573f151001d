// TextEdit on screen: drawing the lines in the view, the selection and the
// blinking caret (drawn by inversion, so blinking needs no redraw), scrolling
// and keeping the insertion point in view, keys and mouse selection.
#include <algorithm>

#include "platform/event/event.h"
#include "platform/font/font.h"
#include "platform/wm/te_internal.h"

namespace {
// The caret's rectangle for the current insertion point.
Rect caretRect(TEHandle h) {
  TERec& r = **h;
  Point p = TEGetPoint(r.selStart, h);
  short left = std::max<short>(short(p.h - 1), r.viewRect.left);  // keep a caret at the left edge visible
  short top = short(p.v - r.fontAscent);
  Rect c;
  SetRect(&c, left, top, short(left + 1), short(top + r.lineHeight));
  return c;
}

// Inverts the selection's pixels line by line (inside the clip set by the caller).
void hiliteSelection(TEHandle h) {
  TERec& r = **h;
  int first = TEGetLine(r.selStart, h), last = TEGetLine(r.selEnd, h);
  for (int line = first; line <= last; ++line) {
    int from = std::max<int>(r.selStart, int(TELineStart(short(line), h)));
    int to = std::min<int>(r.selEnd, int(TELineStart(short(line + 1), h)));
    short top = short(r.destRect.top + line * r.lineHeight);
    Rect band;
    short left = short(r.destRect.left + te::xOfOffset(h, line, from));
    short right = line < last ? r.viewRect.right : short(r.destRect.left + te::xOfOffset(h, line, to));
    SetRect(&band, left, top, right, short(top + r.lineHeight));
    if (!EmptyRect(&band)) InvertRect(&band);
  }
}

// Runs fn with the port, font and a clip of view ∩ area set.
template <typename Fn>
void withClip(TEHandle h, const Rect& area, Fn fn) {
  TERec& r = **h;
  if (!r.inPort) return;
  te::PortScope scope(h);
  Rect clip;
  if (!SectRect(&area, &r.viewRect, &clip)) return;
  RgnHandle saved = NewRgn();
  GetClip(saved);
  Rect old;
  GetRegionBounds(saved, &old);
  Rect both;
  if (SectRect(&clip, &old, &both)) {
    ClipRect(&both);
    fn(both);
  }
  SetClip(saved);
  DisposeRgn(saved);
}

}  // namespace

namespace te {
void invertCaret(TEHandle h) {
  Rect c = caretRect(h);
  withClip(h, c, [&](const Rect&) { InvertRect(&c); });
}

void redraw(TEHandle h) { TEUpdate(&rec(h).viewRect, h); }
}  // namespace te

void TEUpdate(const Rect* rUpdate, TEHandle h) {
  if (!h || !rUpdate) return;
  withClip(h, *rUpdate, [&](const Rect& area) {
    TERec& r = **h;
    EraseRect(&area);
    int lh = std::max<int>(1, r.lineHeight);
    int first = std::max(0, (area.top - r.destRect.top) / lh);
    int last = std::min<int>(te::lastCaretLine(h), (area.bottom - r.destRect.top) / lh);
    const char* s = te::text(h);
    for (int line = first; line <= last; ++line) {
      int from = int(TELineStart(short(line), h)), to = int(TELineStart(short(line + 1), h));
      if (to > from && s[to - 1] == '\r') --to;
      if (to <= from) continue;
      MoveTo(r.destRect.left, short(r.destRect.top + line * lh + r.fontAscent));
      DrawText(s, short(from), short(to - from));
    }
    if (!r.active) return;
    if (r.selStart != r.selEnd) hiliteSelection(h);
    else if (r.caretState) {
      Rect c = caretRect(h);
      InvertRect(&c);
    }
  });
}

void TEScroll(short dh, short dv, TEHandle h) {
  if (!h || (dh == 0 && dv == 0)) return;
  OffsetRect(&(**h).destRect, dh, dv);
  te::redraw(h);
}

void TEAutoView(Boolean fAuto, TEHandle h) {
  if (h) (**h).autoView = fAuto ? 1 : 0;
}

void TESelView(TEHandle h) {
  if (!h || !(**h).autoView) return;
  TERec& r = **h;
  Point p = TEGetPoint(r.selStart, h);
  int top = p.v - r.fontAscent, bottom = top + r.lineHeight;
  int dv = 0, dh = 0;
  if (top < r.viewRect.top) dv = r.viewRect.top - top;
  else if (bottom > r.viewRect.bottom) dv = std::max(r.viewRect.bottom - bottom, r.viewRect.top - top);
  int margin = std::min(24, (r.viewRect.right - r.viewRect.left) / 4);
  if (p.h < r.viewRect.left) dh = std::min<int>(r.viewRect.left - p.h + margin, r.viewRect.left - r.destRect.left);
  else if (p.h >= r.viewRect.right) dh = r.viewRect.right - 1 - p.h - margin;
  TEScroll(short(dh), short(dv), h);
}

// Moves (or with extend, stretches) the selection to a new caret offset.
void te::moveCaret(TEHandle h, int to, bool extend) {
  TERec& r = **h;
  if (!extend) {
    r.priv->anchor = to;
    te::setSelection(h, to, to, true);
  } else {
    te::setSelection(h, std::min(r.priv->anchor, to), std::max(r.priv->anchor, to), true);
  }
}

namespace {
using te::moveCaret;

// The caret offset that Shift-arrows move: the end away from the anchor.
int movingEnd(TEHandle h) {
  TERec& r = **h;
  return r.selStart == r.priv->anchor ? r.selEnd : r.selStart;
}

void arrowKey(TEHandle h, short key, bool extend) {
  TERec& r = **h;
  int at = extend ? movingEnd(h) : (key == kLeftArrowCharCode || key == kUpArrowCharCode ? r.selStart : r.selEnd);
  if (!extend && r.selStart != r.selEnd && (key == kLeftArrowCharCode || key == kRightArrowCharCode)) {
    moveCaret(h, at, false);  // an arrow collapses a selection to its side
    return;
  }
  if (key == kLeftArrowCharCode || key == kRightArrowCharCode) {
    r.priv->goalH = -1;
    moveCaret(h, std::clamp(at + (key == kLeftArrowCharCode ? -1 : 1), 0, int(r.teLength)), extend);
    return;
  }
  int line = TEGetLine(at, h);
  Point p = TEGetPoint(short(at), h);
  if (r.priv->goalH < 0) r.priv->goalH = p.h;
  int target = line + (key == kUpArrowCharCode ? -1 : 1);
  int goal = r.priv->goalH;
  if (target < 0) moveCaret(h, 0, extend);
  else if (target > te::lastCaretLine(h)) moveCaret(h, r.teLength, extend);
  else moveCaret(h, TEGetOffset(Point{short(r.destRect.top + target * r.lineHeight + 1), short(goal)}, h), extend);
  r.priv->goalH = goal;
}
}  // namespace

void TEKeyMods(short key, uint16_t modifiers, TEHandle h) {
  if (!h) return;
  TERec& r = **h;
  unsigned char c = static_cast<unsigned char>(key & 0xFF);
  bool extend = modifiers & shiftKey;
  if (c >= kLeftArrowCharCode && c <= kDownArrowCharCode) {
    arrowKey(h, c, extend);
  } else if (c == kBackspaceCharCode || c == kDeleteCharCode) {
    int from = r.selStart, to = r.selEnd;
    if (from == to) {
      if (c == kBackspaceCharCode) from = std::max(0, from - 1);
      else to = std::min<int>(r.teLength, to + 1);
    }
    te::replace(h, from, to, nullptr, 0);
    r.priv->anchor = from;
    r.priv->goalH = -1;
    te::setSelection(h, from, from, false);
    te::redraw(h);
  } else if (c >= 32 || c == '\r' || c == '\t') {
    char ch = char(c);
    int from = r.selStart;
    int n = te::replace(h, from, r.selEnd, &ch, 1);
    r.priv->anchor = from + n;
    r.priv->goalH = -1;
    te::setSelection(h, from + n, from + n, false);
    te::redraw(h);
  } else {
    return;  // other control characters are not text
  }
  TESelView(h);
}

void TEKey(short key, TEHandle h) { TEKeyMods(key, 0, h); }

