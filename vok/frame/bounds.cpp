// Restoring and storing the remembered window rectangles at start-up, the
// drag of the boundary between text and drawing window, and window sizes.
#include "vok/frame/bounds.h"

#include "platform/wm/textedit.h"
#include "vok/console/text.h"
#include "vok/frame/draw_link.h"
#include "vok/frame/events.h"
#include "vok/frame/startup.h"

Handle s_textBoundsH = nullptr, s_inputBoundsH = nullptr, s_windowBoundsH = nullptr;

namespace {
// Keeps the record in its 8-byte big-endian form, as stored.
void keepRecord(Handle* h, const Rect& r) {
  if (!*h) *h = NewHandle(8);
  if (!*h) return;
  const short v[4] = {r.top, r.left, r.bottom, r.right};
  for (int i = 0; i < 4; ++i) {
    (**h)[2 * i] = char(uint16_t(v[i]) >> 8);
    (**h)[2 * i + 1] = char(uint16_t(v[i]) & 0xFF);
  }
}

struct Remembered {
  short id;
  Rect* bounds;
  int* saveFlag;
  int* setFlag;
  Handle* handle;
  const char* name;
};
}  // namespace

// The program's own choice wins and becomes the remembered one; otherwise a
// remembered rectangle is taken and made final.
void SetWindowBoundsResource() {
  const Remembered all[] = {
      {kTextBoundsID, &s_textBounds, &s_t_save, &s_t_set, &s_textBoundsH, "VOK Text Bounds"},
      {kInputBoundsID, &s_inputBounds, &s_i_save, &s_i_set, &s_inputBoundsH, "VOK Input Bounds"},
      {kDrawingBoundsID, &s_windowBounds, &s_d_save, &s_d_set, &s_windowBoundsH, "VOK Drawing Bounds"},
  };
  for (const Remembered& w : all) {
    if (*w.saveFlag == 1) {
      s_WriteWindowBounds(w.id, *w.bounds, w.name);
      keepRecord(w.handle, *w.bounds);
    } else if (s_ReadWindowBounds(w.id, w.bounds)) {
      *w.setFlag = 1;
      keepRecord(w.handle, *w.bounds);
    }
  }
}

Rect* VOWindowBounds(WindowPtr w) {
  static Rect r;
  r = {0, 0, 0, 0};
  if (w) GetPortBounds(GetWindowPort(w), &r);
  return &r;
}

namespace {
// One XOR stroke of the boundary at global x, in the window under it.
void strokeBoundary(Point where) {
  bool inText = where.h < VOWindowBounds(s_textWindow)->right;
  short height = VOWindowBounds(s_displayWindow)->bottom;
  bool wrapped = !inText && s_redrawFlag;  // buffered drawing is scaled like all drawing
  if (inText) SetPort(GetWindowPort(s_textWindow));
  else s_SetGWorld(s_drawingWindow ? (void*)s_drawingWindow : (void*)GetWindowPort(s_displayWindow), s_display);
  for (int pass = 0; pass < 2; ++pass) {
    Point p = where;
    if (wrapped) {
      s_PenMode(srcXor);
      s_GlobalToLocal(&p);
      s_MoveTo(p.h, 0);
      s_LineTo(p.h, height);
    } else {
      PenMode(srcXor);
      GlobalToLocal(&p);
      MoveTo(p.h, 0);
      LineTo(p.h, height);
    }
    WaitTick(1);
  }
  if (wrapped) s_PenMode(srcCopy);
  else PenMode(srcCopy);
}

// Moves the boundary to global x: the text window widens by d, the drawing
// window's left edge moves to x while its right edge stays.
void moveBoundary(short x) {
  Rect textContent, drawContent;
  GetWindowContentBounds(s_textWindow, &textContent);
  GetWindowContentBounds(s_displayWindow, &drawContent);
  if (x <= textContent.left) x = short(textContent.left + 1);  // both windows keep a width
  if (x >= drawContent.right) x = short(drawContent.right - 1);
  short d = short(x - s_textBounds.right);
  SizeWindow(s_textWindow, short(textContent.right - textContent.left + d),
             short(textContent.bottom - textContent.top), true);
  MoveWindow(s_displayWindow, x, drawContent.top, false);
  SizeWindow(s_displayWindow, short(drawContent.right - x), short(drawContent.bottom - drawContent.top), true);
  s_textBounds.right = x;
  s_windowBounds.left = x;
  s_SetGWorld(s_drawingWindow ? (void*)s_drawingWindow : (void*)s_drawingPort, s_display);
  if (s_redrawFlag) s_MoveTo(0, 0);
  else MoveTo(0, 0);
  if (s_textH) {
    (**s_textH).destRect.right += d;
    (**s_textH).viewRect.right += d;
    TECalText(s_textH);
  }
  // Only a program that asked for remembered windows stores them: without the
  // flag nothing reads them back at start-up, so a store would only clutter
  // the user's preferences folder.
  if (s_windowResFlag) {
    s_WriteWindowBounds(kTextBoundsID, s_textBounds, "VOK Text Bounds");
    s_WriteWindowBounds(kDrawingBoundsID, s_windowBounds, "VOK Window Bounds");
    keepRecord(&s_textBoundsH, s_textBounds);
    keepRecord(&s_windowBoundsH, s_windowBounds);
  }
}
}  // namespace

void ChangeWindowBoundary() {
  if (!s_textWindow || !s_displayWindow) return;
  CGrafPtr savedPort;
  GDHandle savedDevice;
  s_GetGWorld(&savedPort, &savedDevice);
  EventRecord ev;
  do {
    CheckPause();
  } while (!GetNextEvent(mDownMask, &ev));
  for (;;) {
    CheckPause();
    if (WaitNextEvent(mUpMask, &ev, 0, nullptr)) break;
    strokeBoundary(ev.where);
  }
  moveBoundary(ev.where.h);
  s_SetGWorld(savedPort, savedDevice);
}
