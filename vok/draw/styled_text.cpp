// The styled-text parser: one pass over the label with a cursor, drawing
// through the s_ operations so that buffer and EPS recording follow. It never
// reads past the terminating zero, whatever the markup.
#include "vok/draw/styled_text.h"

#include <cmath>
#include <cstring>

#include "platform/font/font.h"
#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
#include "vok/draw/eps.h"

char s_c_defaultFont[256] = "Times";
int s_c_italicFlag = 1;
int s_c_subscriptLevel = 0;
VOKStyleFactors s_c_ST = {0.85, 0.2};

namespace {
const int kArgumentSize = 64;  // a $ command's text is cut to 63 characters

bool isLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// The unscaled text size: in buffered mode the window's size is scaled.
short drawingTextSize() {
  short size = s_UnscaledPort()->txSize;
  return size ? size : 12;
}

short shiftFor(short size) { return short(std::trunc(size * s_c_ST.shiftFactor + 1)); }

// The leading digits of a size command; larger values saturate.
short sizeValue(const char* digits) {
  long value = 0;
  for (const char* p = digits; isDigit(static_cast<unsigned char>(*p)); ++p) {
    value = value * 10 + (*p - '0');
    if (value > 32767) return 32767;
  }
  return short(value);
}

// A byte with the high bit set starts a two-byte character; at the string's end it stands alone.
void drawTwoByte(const char* text, int* cursor) {
  unsigned char s[3] = {1, static_cast<unsigned char>(text[*cursor]), 0};
  if (text[*cursor + 1]) {
    s[0] = 2;
    s[2] = static_cast<unsigned char>(text[++*cursor]);
  }
  DrawString(s);
}
}  // namespace

void DrawStyleChar(char c) {
  unsigned char uc = static_cast<unsigned char>(c);
  if (s_c_italicFlag == 1 && isLetter(uc)) {
    short previous = s_UnscaledPort()->txFace;
    s_TextFace(italic);
    DrawChar(uc);
    s_TextFace(previous);
  } else {
    DrawChar(uc);
  }
}

void DrawStyleTextIn(const char* text, int* cursor) {
  if (!text || !cursor) return;
  for (;; ++*cursor) {
    unsigned char c = static_cast<unsigned char>(text[*cursor]);
    if (c == 0) return;
    if (c == '}' && s_c_subscriptLevel > 0) return;
    if (c == '!') {
      if (text[*cursor + 1]) DrawStyleChar(text[++*cursor]);  // a final "!" is ignored
    } else if (c == '_' || c == '^') {
      STSubscript(text, cursor, c == '^');
    } else if (c == '$') {
      StyleCommand(text, cursor);
    } else if (c & 0x80) {
      drawTwoByte(text, cursor);
    } else {
      DrawStyleChar(char(c));
    }
    if (text[*cursor] == 0) return;  // a command took the rest of the text
  }
}

// The argument runs from the character after "$" (always taken, even a "$")
// to the next "$" or the end; only its first 63 characters are kept.
void StyleCommand(const char* text, int* cursor) {
  if (!text || !cursor || !text[*cursor]) return;
  int i = *cursor;
  if (text[i + 1] == 0) {  // a final "$": nothing to do, the text ends
    *cursor = i + 1;
    return;
  }
  if (text[i + 1] == '&') {
    switch (text[i + 2]) {
      case 'B':
      case 'b': s_TextFace(bold); break;
      case 'i': s_TextFace(italic); break;
      case 'I': s_c_italicFlag = 1; break;
      case 'P': s_c_italicFlag = 0; break;
      default: s_TextFace(normal); break;  // also when "$&" ends the text
    }
    *cursor = i + 2;
    return;
  }
  char argument[kArgumentSize];
  int n = 0, j = i + 1;
  do {
    if (n < kArgumentSize - 1) argument[n++] = text[j];
    ++j;
  } while (text[j] && text[j] != '$');
  argument[n] = 0;
  *cursor = j;
  unsigned char first = static_cast<unsigned char>(argument[0]);
  if (isLetter(first)) SetFont(argument);
  else if (isDigit(first)) s_TextSize(sizeValue(argument));
}

void STSubscript(const char* text, int* cursor, int superscript) {
  if (!text || !cursor || !text[*cursor]) return;
  char next = text[*cursor + 1];
  if (next == 0) return;  // nothing to lower or raise: the mark is ignored
  short size = drawingTextSize();
  short shift = shiftFor(size);
  PenHeights baseline = s_GetPenHeights();  // deep groups of huge text can run off the coordinates
  s_TextSize(short(std::trunc(size * s_c_ST.sizeFactor + 0.5)));
  s_Move(0, superscript ? short(-shift) : shift);
  if (next == '{') {
    *cursor += 2;
    ++s_c_subscriptLevel;
    DrawStyleTextIn(text, cursor);  // stops on the "}" or the terminator
    STEndSubscript(superscript, size);
  } else {
    ++*cursor;
    DrawStyleChar(next);
  }
  s_SetPenHeights(baseline);
  s_TextSize(size);
}

void STEndSubscript(int superscript, short size) {
  if (s_c_subscriptLevel > 0) --s_c_subscriptLevel;
  short shift = shiftFor(size);
  s_Move(0, superscript ? shift : short(-shift));
}

void DrawStyleText(const char* text) {
  s_c_subscriptLevel = 0;
  SetFont(s_c_defaultFont);
  if (text) {
    int cursor = 0;
    DrawStyleTextIn(text, &cursor);
  }
  SetFont(s_c_defaultFont);
}

void SetFont(const char* name) {
  Str255 pname;
  size_t n = name ? std::strlen(name) : 0;
  if (n > 31) n = 31;
  pname[0] = static_cast<unsigned char>(n);
  if (n) std::memcpy(pname + 1, name, n);
  short font = 0;
  GetFNum(pname, &font);
  s_TextFont(font);
}

// Measured in the unscaled port, so that the move (scaled by s_Move) is right in buffered mode.
void CenterString(const char* s) {
  if (!s) return;
  size_t n = std::strlen(s);
  if (n > 32767) n = 32767;
  short width;
  if (s_Mirroring()) {
    s_SetGWorld(s_drawingPort, nullptr);
    width = TextWidth(s, 0, short(n));
    s_SetGWorld(s_redrawPort, s_display);
  } else {
    width = TextWidth(s, 0, short(n));
  }
  s_Move(short(-std::trunc(width / 2.0)), 0);
}

// Draws the text into a private 1 x 1 port that carries the drawing's text
// state, with the EPS recording paused, and reads the pen's advance.
int StyleTextWidth(const char* text) {
  static GWorldPtr scratch = nullptr;
  if (!scratch) {
    Rect one = {0, 0, 1, 1};
    if (NewGWorld(&scratch, 0, &one, nullptr, nullptr, 0) != noErr) return 0;
  }
  CGrafPtr from = s_UnscaledPort();
  CGrafPtr oldPort;
  GDHandle oldDevice;
  GetGWorld(&oldPort, &oldDevice);
  SetGWorld(scratch, nullptr);
  TextFont(from->txFont);
  TextSize(from->txSize);
  TextFace(from->txFace);
  MoveTo(0, 0);
  int active = s_eps.active, italicFlag = s_c_italicFlag;
  s_eps.active = 0;
  DrawStyleText(text);
  s_eps.active = active;
  s_c_italicFlag = italicFlag;
  int width = scratch->pnLoc.h;
  SetGWorld(oldPort, oldDevice);
  return width;
}

void CenterStyleText(const char* text) { s_Move(short(-std::trunc(StyleTextWidth(text) / 2.0)), 0); }
