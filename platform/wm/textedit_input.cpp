// TextEdit input that needs the event layer: activation and caret blinking
// (by the tick count) and mouse selection with drags and double clicks.
#include <algorithm>

#include "platform/event/event.h"
#include "platform/wm/te_internal.h"

namespace {
constexpr uint32_t kCaretTicks = 32;  // blink period
constexpr uint32_t kDoubleClickTicks = 30;
}  // namespace

void TEActivate(TEHandle h) {
  if (!h || (**h).active) return;
  (**h).active = 1;
  (**h).caretState = 1;
  (**h).priv->caretTick = TickCount();
  te::redraw(h);
}

void TEIdle(TEHandle h) {
  if (!h) return;
  TERec& r = **h;
  if (!r.active || r.selStart != r.selEnd) return;
  uint32_t now = TickCount();
  if (now - r.priv->caretTick < kCaretTicks) return;
  r.priv->caretTick = now;
  te::invertCaret(h);
  r.caretState = short(!r.caretState);
}

namespace {
bool isWordChar(unsigned char c) { return c > ' ' && c != '\r'; }

void selectWord(TEHandle h, int at) {
  TERec& r = **h;
  const unsigned char* s = reinterpret_cast<const unsigned char*>(*r.hText);
  int from = at, to = at;
  while (from > 0 && isWordChar(s[from - 1])) --from;
  while (to < r.teLength && isWordChar(s[to])) ++to;
  r.priv->anchor = from;
  te::setSelection(h, from, to, true);
}
}  // namespace

void TEClick(Point pt, Boolean extend, TEHandle h) {
  if (!h) return;
  TERec& r = **h;
  int at = TEGetOffset(pt, h);
  uint32_t now = TickCount();
  bool dbl = !extend && at == r.priv->clickOffset && now - r.priv->clickTick <= kDoubleClickTicks;
  r.priv->clickTick = now;
  r.priv->clickOffset = at;
  r.priv->goalH = -1;
  if (dbl) {
    selectWord(h, at);
    return;
  }
  te::moveCaret(h, at, extend);
  // Follow the drag while the button stays down.
  GrafPtr saved;
  GetPort(&saved);
  SetPort(r.inPort);
  EventRecord ev;
  while (StillDown()) {
    WaitNextEvent(0, &ev, 1, nullptr);
    Point p;
    GetMouse(&p);
    te::moveCaret(h, TEGetOffset(p, h), true);
    TESelView(h);
  }
  SetPort(saved);
}
