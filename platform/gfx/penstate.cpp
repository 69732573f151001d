// Pen and colour state of the current port (the text state lives with the
// fonts). Every change is reported to an open picture, so that recordings
// replay with the same state.
#include "platform/gfx/gfx_internal.h"

namespace {
void penChanged(GrafPort* port) {
  if (port->picSave) port->picSave->penChanged(port);
}
void colorChanged(GrafPort* port) {
  if (port->picSave) port->picSave->colorChanged(port);
}
void dropPixPat(PixPatHandle* pp) {
  DisposePixPat(*pp);
  *pp = nullptr;
}
}  // namespace

void MoveTo(short h, short v) { GetQDPort()->pnLoc = Point{v, h}; }

void Move(short dh, short dv) { AddPt(Point{dv, dh}, &GetQDPort()->pnLoc); }

void GetPen(Point* pt) {
  if (pt) *pt = GetQDPort()->pnLoc;
}

// Sizes of 0 or less are kept; lines and frames then draw nothing.
void PenSize(short width, short height) {
  GrafPort* port = GetQDPort();
  port->pnSize = Point{height, width};
  penChanged(port);
}

void PenMode(short mode) {
  GrafPort* port = GetQDPort();
  port->pnMode = mode;
  penChanged(port);
}

void PenPat(const Pattern* pat) {
  if (!pat) return;
  GrafPort* port = GetQDPort();
  port->pnPat = *pat;
  dropPixPat(&port->pnPixPat);
  penChanged(port);
}

// The port keeps its own copy: the caller may dispose of pp afterwards.
void PenPixPat(PixPatHandle pp) {
  GrafPort* port = GetQDPort();
  if (!pp || !*pp) {
    dropPixPat(&port->pnPixPat);
  } else {
    if (!port->pnPixPat) port->pnPixPat = NewPixPat();
    if (port->pnPixPat) CopyPixPat(pp, port->pnPixPat);
    port->pnPat = (*pp)->pat1Data;
  }
  penChanged(port);
}

void BackPat(const Pattern* pat) {
  if (!pat) return;
  GrafPort* port = GetQDPort();
  port->bkPat = *pat;
  colorChanged(port);
}

void PenNormal() {
  GrafPort* port = GetQDPort();
  port->pnSize = Point{1, 1};
  port->pnMode = patCopy;
  GetQDGlobalsBlack(&port->pnPat);
  dropPixPat(&port->pnPixPat);
  penChanged(port);
}

void HidePen() { --GetQDPort()->pnVis; }
void ShowPen() { ++GetQDPort()->pnVis; }

void GetPenState(PenState* ps) {
  if (!ps) return;
  GrafPort* port = GetQDPort();
  *ps = PenState{port->pnLoc, port->pnSize, port->pnMode, port->pnPat};
}

void SetPenState(const PenState* ps) {
  if (!ps) return;
  GrafPort* port = GetQDPort();
  port->pnLoc = ps->pnLoc;
  port->pnSize = ps->pnSize;
  port->pnMode = ps->pnMode;
  port->pnPat = ps->pnPat;
  dropPixPat(&port->pnPixPat);
  penChanged(port);
}

namespace {
// The classic eight colour constants, as pure colours; unknown ones give black.
RGBColor classicColor(long color) {
  const uint16_t F = 0xFFFF;
  switch (color) {
    case whiteColor: return RGBColor{F, F, F};
    case redColor: return RGBColor{F, 0, 0};
    case greenColor: return RGBColor{0, F, 0};
    case blueColor: return RGBColor{0, 0, F};
    case cyanColor: return RGBColor{0, F, F};
    case magentaColor: return RGBColor{F, 0, F};
    case yellowColor: return RGBColor{F, F, 0};
    default: return RGBColor{0, 0, 0};
  }
}
}  // namespace

void ForeColor(long color) {
  RGBColor c = classicColor(color);
  RGBForeColor(&c);
}
void BackColor(long color) {
  RGBColor c = classicColor(color);
  RGBBackColor(&c);
}

void RGBForeColor(const RGBColor* c) {
  if (!c) return;
  GrafPort* port = GetQDPort();
  port->rgbFgColor = *c;
  colorChanged(port);
}

void RGBBackColor(const RGBColor* c) {
  if (!c) return;
  GrafPort* port = GetQDPort();
  port->rgbBkColor = *c;
  colorChanged(port);
}

void GetForeColor(RGBColor* c) {
  if (c) *c = GetQDPort()->rgbFgColor;
}
void GetBackColor(RGBColor* c) {
  if (c) *c = GetQDPort()->rgbBkColor;
}
