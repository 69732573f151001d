// The s_ wrappers of pen position, colour, pen and text state. In buffered
// mode with the window's port current they mirror: the call goes to the
// buffer unchanged, then to the window with coordinates and sizes scaled.
#include "vok/draw/draw_ops.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>

#include "vok/console/text.h"
#include "vok/draw/drawing_window.h"
#include "vok/draw/postscript.h"
#include "vok/draw/start.h"
#include "vok/frame/messages.h"

namespace {
// Scaled past the range of a short (a label's size of 32767), a value stays
// at the limit instead of wrapping round to a negative one.
short scaledBy(short value, double extra = 0.0) {
  return short(std::clamp(std::trunc(value * s_d_scale + extra), -32768.0, 32767.0));
}

// Applies `unscaled` to the buffer and `scaled` to the window when mirroring,
// else `unscaled` once to the current port.
template <class Unscaled, class Scaled>
void both(Unscaled unscaled, Scaled scaled) {
  if (!s_Mirroring()) {
    unscaled();
    return;
  }
  s_SetGWorld(s_drawingPort, nullptr);
  unscaled();
  s_SetGWorld(s_redrawPort, s_display);
  scaled();
}

template <class Call>
void same(Call call) {
  both(call, call);
}
}  // namespace

// ---- pen position ------------------------------------------------------------
void s_MoveTo(short h, short v) {
  if (!s_ss.started) {
    Start();  // so that there are windows to show the message in
    PrintError("Error: Start() is not called!");
  }
  both([&] { MoveTo(h, v); }, [&] { MoveTo(scaledBy(h), scaledBy(v)); });
  s_PSMoveTo(h, v);
}

void s_Move(short dh, short dv) {
  both([&] { Move(dh, dv); }, [&] { Move(scaledBy(dh), scaledBy(dv)); });
}

PenHeights s_GetPenHeights() {
  PenHeights at;
  both([&] { at.drawn = GetQDPort()->pnLoc.v; }, [&] { at.window = GetQDPort()->pnLoc.v; });
  return at;
}

void s_SetPenHeights(PenHeights heights) {
  both([&] { MoveTo(GetQDPort()->pnLoc.h, heights.drawn); }, [&] { MoveTo(GetQDPort()->pnLoc.h, heights.window); });
}

void s_LineTo(short h, short v) {
  LineTo(h, v);
  s_FlushScreen();
}

// The window's pen is scaled, so in buffered mode the end point is taken from
// the buffer's pen; the line bottleneck then draws both.
void s_Line(short dh, short dv) {
  if (s_Mirroring()) {
    Point pen = s_drawingPort->pnLoc;
    LineTo(short(pen.h + dh), short(pen.v + dv));
  } else {
    Line(dh, dv);
  }
  s_FlushScreen();
}

void s_GlobalToLocal(Point* pt) {
  if (!pt) return;
  GlobalToLocal(pt);
  if (s_Mirroring()) {
    pt->h = short(std::trunc(pt->h / s_d_scale));
    pt->v = short(std::trunc(pt->v / s_d_scale));
  }
}

// ---- colours -------------------------------------------------------------------
void s_ForeColor(long color) {
  same([&] { ForeColor(color); });
  if (s_PSRecording()) {
    RGBColor c;
    GetForeColor(&c);  // the classic constant as the port turned it into RGB
    s_PSColor(&c);
  }
}

void s_BackColor(long color) {
  same([&] { BackColor(color); });
}

void s_RGBForeColor(const RGBColor* color) {
  if (!color) return;
  same([&] { RGBForeColor(color); });
  s_PSColor(color);
}

void s_RGBBackColor(const RGBColor* color) {
  if (!color) return;
  same([&] { RGBBackColor(color); });
}

// ---- pen state ---------------------------------------------------------------
void s_HidePen() { same([] { HidePen(); }); }
void s_ShowPen() { same([] { ShowPen(); }); }
void s_PenNormal() { same([] { PenNormal(); }); }

void s_SetPenState(const PenState* ps) {
  if (ps) same([&] { SetPenState(ps); });
}

void s_PenSize(short width, short height) {
  both([&] { PenSize(width, height); }, [&] { PenSize(scaledBy(width, 0.99), scaledBy(height, 0.99)); });
}

void s_PenMode(short mode) { same([&] { PenMode(mode); }); }

void s_PenPat(const Pattern* pat) {
  if (pat) same([&] { PenPat(pat); });
}

void s_PenPixPat(PixPatHandle pp) { same([&] { PenPixPat(pp); }); }

void s_BackPat(const Pattern* pat) {
  if (pat) same([&] { BackPat(pat); });
}

// ---- text state ----------------------------------------------------------------
void s_TextFont(short font) {
  same([&] { TextFont(font); });
  s_PSFont(font, 0, 255);
}

void s_TextFace(short face) {
  same([&] { TextFace(face); });
  s_PSFont(0, 0, face);
}

void s_TextSize(short size) {
  both([&] { TextSize(size); }, [&] { TextSize(scaledBy(size)); });
  s_PSFont(0, size, 255);
}

void s_TextMode(short mode) { same([&] { TextMode(mode); }); }
void s_SpaceExtra(Fixed extra) { same([&] { SpaceExtra(extra); }); }

// ---- formatted drawing -----------------------------------------------------------
int s_DirectDprintf(const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  int n = std::vsnprintf(s_string, sizeof s_string, format, ap);
  va_end(ap);
  if (n < 0) return n;
  if (n > int(sizeof s_string) - 1) n = int(sizeof s_string) - 1;
  DrawText(s_string, 0, short(n));
  return n;
}

// ---- formatted text at a point -------------------------------------------------
int s_Dprintf(int h, int v, const char* format, ...) {
  Point pen;
  GetPen(&pen);
  va_list ap;
  va_start(ap, format);
  int n = s_FormatString(format, ap);
  va_end(ap);
  s_MoveTo(short(h), short(v));
  if (n > 0) DrawText(s_string, 0, short(n));
  s_MoveTo(pen.h, pen.v);
  return n;
}
