// TextEdit's text model: creation, text replacement with the 32767-character
// limit, selection, and line layout (greedy word wrap at the destination
// width, CR ends a line, spaces may hang past the edge). Layout is redone in
// full after each change: with a per-byte width table that stays cheap even
// at the 32000 characters the console keeps.
#include <algorithm>
#include <cstring>

#include "platform/font/font.h"
#include "platform/wm/te_internal.h"

namespace te {
PortScope::PortScope(TEHandle h) {
  GetPort(&saved);
  TERec& r = rec(h);
  SetPort(r.inPort);
  GrafPtr p = r.inPort;
  font = p->txFont, size = p->txSize, face = p->txFace, mode = p->txMode;
  TextFont(r.txFont);
  TextSize(r.txSize);
  TextFace(r.txFace);
  TextMode(srcOr);
}

PortScope::~PortScope() {
  TextFont(font);
  TextSize(size);
  TextFace(face);
  TextMode(mode);
  SetPort(saved);
}

void measureFont(TEHandle h) {
  TERec& r = rec(h);
  PortScope scope(h);
  FontInfo fi{};
  GetFontInfo(&fi);
  r.fontAscent = fi.ascent > 0 ? fi.ascent : 10;
  short lh = short(fi.ascent + fi.descent + fi.leading);
  r.lineHeight = lh > 0 ? lh : 12;
  for (int c = 0; c < 256; ++c) r.priv->widths[c] = c == '\r' ? 0 : std::max<short>(0, CharWidth(short(c)));
}

void layout(TEHandle h) {
  TERec& r = rec(h);
  auto& starts = r.priv->lineStarts;
  starts.assign(1, 0);
  const unsigned char* s = reinterpret_cast<const unsigned char*>(text(h));
  const int len = r.teLength;
  const int width = std::max(1, r.destRect.right - r.destRect.left);
  const bool wrap = r.crOnly == 0;
  int pos = 0;
  while (pos < len) {
    int i = pos, x = 0, lastBreak = -1;
    while (i < len) {
      unsigned char c = s[i];
      if (c == '\r') {
        ++i;
        break;
      }
      int w = r.priv->widths[c];
      if (c == ' ') {  // a space never starts the next line: it hangs
        x += w;
        lastBreak = ++i;
        continue;
      }
      if (wrap && x + w > width && i > pos) {
        if (lastBreak > pos) i = lastBreak;
        break;
      }
      x += w;
      if (c == '\t' || c == '-') lastBreak = i + 1;
      ++i;
    }
    pos = i;
    starts.push_back(pos);
  }
  r.nLines = short(starts.size() - 1);  // starts.back() == len
}

int replace(TEHandle h, int from, int to, const char* s, int n) {
  TERec& r = rec(h);
  from = std::clamp(from, 0, int(r.teLength));
  to = std::clamp(to, from, int(r.teLength));
  n = std::clamp(n, 0, kTEMaxLength - (r.teLength - (to - from)));
  int newLen = r.teLength - (to - from) + n;
  if (GetHandleSize(r.hText) < newLen) {
    SetHandleSize(r.hText, std::max<long>(newLen, long(GetHandleSize(r.hText)) * 2));
    if (MemError() != noErr) return 0;
  }
  char* t = *r.hText;
  std::memmove(t + from + n, t + to, size_t(r.teLength - to));
  if (n > 0 && s) std::memcpy(t + from, s, size_t(n));
  r.teLength = short(newLen);
  layout(h);
  return n;
}

int lastCaretLine(TEHandle h) {
  TERec& r = rec(h);
  if (r.teLength == 0) return 0;
  return text(h)[r.teLength - 1] == '\r' ? r.nLines : r.nLines - 1;
}

int xOfOffset(TEHandle h, int line, int offset) {
  TERec& r = rec(h);
  const unsigned char* s = reinterpret_cast<const unsigned char*>(text(h));
  int x = 0;
  for (int i = int(TELineStart(short(line), h)); i < offset && i < r.teLength; ++i) x += r.priv->widths[s[i]];
  return x;
}

void setSelection(TEHandle h, int start, int end, bool redrawNow) {
  TERec& r = rec(h);
  start = std::clamp(start, 0, int(r.teLength));
  end = std::clamp(end, 0, int(r.teLength));
  if (start > end) std::swap(start, end);
  bool changed = start != r.selStart || end != r.selEnd;
  r.selStart = short(start);
  r.selEnd = short(end);
  r.caretState = 1;  // a moved caret shows at once
  if (changed && redrawNow) redraw(h);
}
}  // namespace te

TEHandle TENew(const Rect* destRect, const Rect* viewRect) {
  auto h = reinterpret_cast<TEHandle>(NewHandleClear(sizeof(TERec)));
  if (!h) return nullptr;
  TERec& r = **h;
  r.hText = NewHandle(64);
  r.priv = new TEInternal;
  if (!r.hText) {
    delete r.priv;
    DisposeHandle(reinterpret_cast<Handle>(h));
    return nullptr;
  }
  r.destRect = *destRect;
  r.viewRect = *viewRect;
  r.inPort = GetQDPort();
  r.txFont = r.inPort->txFont;
  r.txSize = r.inPort->txSize;
  r.txFace = r.inPort->txFace;
  r.txMode = srcOr;
  r.caretState = 1;
  te::measureFont(h);
  te::layout(h);
  return h;
}

void TEDispose(TEHandle h) {
  if (!h) return;
  DisposeHandle((**h).hText);
  delete (**h).priv;
  DisposeHandle(reinterpret_cast<Handle>(h));
}

void TESetText(const void* text, long length, TEHandle h) {
  if (!h) return;
  TERec& r = **h;
  te::replace(h, 0, r.teLength, static_cast<const char*>(text), int(std::clamp<long>(length, 0, kTEMaxLength)));
  r.selStart = r.selEnd = r.teLength;
  r.priv->anchor = r.teLength;
  r.priv->goalH = -1;
}

CharsHandle TEGetText(TEHandle h) { return h ? (**h).hText : nullptr; }

void TEInsert(const void* text, long length, TEHandle h) {
  if (!h || length <= 0) return;
  TERec& r = **h;
  int at = r.selStart;
  int n = te::replace(h, at, at, static_cast<const char*>(text), int(std::min<long>(length, kTEMaxLength)));
  // The selection keeps pointing at the same characters.
  r.selStart = short(r.selStart + n);
  r.selEnd = short(r.selEnd + n);
  r.priv->anchor = r.selStart;
  te::redraw(h);
}

void TEDelete(TEHandle h) {
  if (!h) return;
  TERec& r = **h;
  if (r.selStart == r.selEnd) return;
  te::replace(h, r.selStart, r.selEnd, nullptr, 0);
  r.selEnd = r.selStart;
  r.priv->anchor = r.selStart;
  te::redraw(h);
}

void TESetSelect(long selStart, long selEnd, TEHandle h) {
  if (!h) return;
  int len = (**h).teLength;
  int s = int(std::clamp<long>(selStart, 0, len)), e = int(std::clamp<long>(selEnd, 0, len));
  te::setSelection(h, s, e, true);
  (**h).priv->anchor = std::min(s, e);
  (**h).priv->goalH = -1;
}

void TECalText(TEHandle h) {
  if (!h) return;
  te::layout(h);
}

long TELineStart(short line, TEHandle h) {
  if (!h) return 0;
  auto& starts = (**h).priv->lineStarts;
  if (line <= 0) return 0;
  if (size_t(line) >= starts.size()) return (**h).teLength;
  return starts[size_t(line)];
}

short TEGetLine(long offset, TEHandle h) {
  if (!h) return 0;
  TERec& r = **h;
  auto& starts = r.priv->lineStarts;
  offset = std::clamp<long>(offset, 0, r.teLength);
  // The last line starting at or before offset; a caret at the very end
  // stays on the last line unless the text ends with CR.
  int line = int(std::upper_bound(starts.begin(), starts.end(), int(offset)) - starts.begin()) - 1;
  return short(std::clamp(line, 0, te::lastCaretLine(h)));
}

Point TEGetPoint(short offset, TEHandle h) {
  Point p{0, 0};
  if (!h) return p;
  TERec& r = **h;
  int line = TEGetLine(offset, h);
  p.h = short(r.destRect.left + te::xOfOffset(h, line, offset));
  p.v = short(r.destRect.top + line * r.lineHeight + r.fontAscent);
  return p;
}

short TEGetOffset(Point pt, TEHandle h) {
  if (!h) return 0;
  TERec& r = **h;
  int line = r.lineHeight > 0 ? (pt.v - r.destRect.top) / r.lineHeight : 0;
  if (pt.v < r.destRect.top) line = 0;
  line = std::clamp(line, 0, te::lastCaretLine(h));
  int start = int(TELineStart(short(line), h)), end = int(TELineStart(short(line + 1), h));
  const unsigned char* s = reinterpret_cast<const unsigned char*>(*r.hText);
  // A line ends before its CR; a wrapped line before its hanging space.
  if (end > start && (s[end - 1] == '\r' || (s[end - 1] == ' ' && line < te::lastCaretLine(h)))) --end;
  int x = r.destRect.left;
  for (int i = start; i < end; ++i) {
    int w = r.priv->widths[s[i]];
    if (pt.h < x + w / 2 + (w & 1)) return short(i);
    x += w;
  }
  return short(end);
}
