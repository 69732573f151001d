// The drag of the boundary between the text window and the drawing window:
// an XOR line follows the pointer until release, then both windows resize
// and, while the bounds are remembered, the new rectangles are stored.
#include "platform/wm/textedit.h"
#include "vok/console/text.h"
#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
#include "vok/frame/bounds.h"
#include "vok/frame/events.h"

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
    s_KeepBoundsRecord(&s_textBoundsH, s_textBounds);
    s_KeepBoundsRecord(&s_windowBoundsH, s_windowBounds);
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
