// Ports: opening and closing ports over a raster, their default state, the
// current port (never null: a 1x1 scratch port stands in before any is set),
// the origin, the clip region and the port accessors.
#include <cstdlib>

#include "platform/gfx/gfx_internal.h"

using namespace vokgfx;

namespace {
GrafPort* g_current = nullptr;

GrafPort* scratchPort() {
  static GrafPort* scratch = [] {
    auto* p = new GrafPort;
    OpenPortOn(p, 1, 1);
    return p;
  }();
  return scratch;
}

void notifyClip(GrafPort* port) {
  if (port->picSave) port->picSave->clipChanged(port);
}
}  // namespace

GrafPtr GetQDPort() { return g_current ? g_current : scratchPort(); }
void SetPort(GrafPtr port) { g_current = port; }
void GetPort(GrafPtr* port) {
  if (port) *port = GetQDPort();
}

void OpenPortOn(GrafPort* port, int width, int height) {
  if (!port) return;
  std::memset(static_cast<void*>(port), 0, sizeof(GrafPort));
  width = width < 0 ? 0 : width > kCoordMax ? kCoordMax : width;
  height = height < 0 ? 0 : height > kCoordMax ? kCoordMax : height;
  size_t n = size_t(width) * size_t(height);
  // calloc(0) may give null; keep one pixel so baseAddr is always valid.
  port->ownedPixels = static_cast<uint32_t*>(std::malloc((n ? n : 1) * sizeof(uint32_t)));
  if (!port->ownedPixels) width = height = 0, n = 0;
  for (size_t i = 0; i < n; ++i) port->ownedPixels[i] = kWhitePixel;
  PixMap& pm = port->portPixMap;
  pm.baseAddr = port->ownedPixels;
  pm.rowPixels = width;
  pm.bounds = Rect{0, 0, short(height), short(width)};
  pm.pixelSize = 32;
  port->portRect = pm.bounds;
  port->clipRgn = NewRgn();
  port->visRgn = NewRgn();
  InitPortState(port);
}

void ClosePort(GrafPort* port) {
  if (!port) return;
  if (g_current == port) g_current = nullptr;
  DisposeRgn(port->clipRgn);
  DisposeRgn(port->visRgn);
  delete recordingOf(port);
  if (port->polySave) DisposeHandle(port->polySave);
  DisposePixPat(port->pnPixPat);
  DisposePixPat(port->fillPixPat);
  std::free(port->ownedPixels);
  WindowRecord* window = port->window;
  std::memset(static_cast<void*>(port), 0, sizeof(GrafPort));
  port->window = window;
}

void InitPortState(GrafPort* port) {
  if (!port) return;
  if (!port->clipRgn) port->clipRgn = NewRgn();
  if (!port->visRgn) port->visRgn = NewRgn();
  port->pixMapMaster = &port->portPixMap;
  port->portRect = port->portPixMap.bounds;
  RectRgn(port->visRgn, &port->portRect);
  SetRectRgn(port->clipRgn, kCoordMin, kCoordMin, kCoordMax, kCoordMax);
  port->pnLoc = Point{0, 0};
  port->pnSize = Point{1, 1};
  port->pnMode = patCopy;
  GetQDGlobalsBlack(&port->pnPat);
  GetQDGlobalsWhite(&port->bkPat);
  GetQDGlobalsBlack(&port->fillPat);
  DisposePixPat(port->pnPixPat);
  DisposePixPat(port->fillPixPat);
  port->pnPixPat = port->fillPixPat = nullptr;
  port->pnVis = 0;
  port->txFont = 0;
  port->txFace = normal;
  port->txMode = srcOr;
  port->txSize = 0;
  port->spExtra = 0;
  port->rgbFgColor = RGBColor{0, 0, 0};
  port->rgbBkColor = RGBColor{0xFFFF, 0xFFFF, 0xFFFF};
  port->origin = Point{port->portRect.top, port->portRect.left};
}

// Moves the local coordinate system so that the port rectangle's top-left
// becomes (h, v); the raster and the visible region move with it, the clip
// region keeps its local coordinates.
void SetOrigin(short h, short v) {
  GrafPort* port = GetQDPort();
  int dh = h - port->portRect.left, dv = v - port->portRect.top;
  if (dh == 0 && dv == 0) return;
  OffsetRect(&port->portRect, short(dh), short(dv));
  OffsetRect(&port->portPixMap.bounds, short(dh), short(dv));
  OffsetRgn(port->visRgn, short(dh), short(dv));
  port->origin = Point{v, h};
  notifyClip(port);
}

void ClipRect(const Rect* r) {
  GrafPort* port = GetQDPort();
  RectRgn(port->clipRgn, r);
  notifyClip(port);
}

void SetClip(RgnHandle rgn) {
  GrafPort* port = GetQDPort();
  CopyRgn(rgn, port->clipRgn);
  notifyClip(port);
}

void GetClip(RgnHandle rgn) { CopyRgn(GetQDPort()->clipRgn, rgn); }

Rect* GetPortBounds(CGrafPtr port, Rect* r) {
  if (r) *r = port ? port->portRect : Rect{0, 0, 0, 0};
  return r;
}
const BitMap* GetPortBitMapForCopyBits(CGrafPtr port) { return port ? &port->portPixMap : nullptr; }
short GetPortTextSize(CGrafPtr port) { return port ? port->txSize : 0; }
short GetPortTextFont(CGrafPtr port) { return port ? port->txFont : 0; }
void GetPortForeColor(CGrafPtr port, RGBColor* c) {
  if (port && c) *c = port->rgbFgColor;
}
void GetPortBackColor(CGrafPtr port, RGBColor* c) {
  if (port && c) *c = port->rgbBkColor;
}
void GetPortFillPixPat(CGrafPtr port, PixPatHandle dst) {
  if (port && dst && *dst) (*dst)->pat1Data = port->fillPat;
}
