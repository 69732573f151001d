// Standard bottlenecks of rectangles, rounded rectangles, ovals and arcs.
// Each one: hand the primitive to an open picture, add a frame's area to an
// open region, then rasterise it into the Painter with the verb's ink.
// Frames lie inside the shape, drawn with the pen size.
#include "platform/gfx/gfx_internal.h"
#include "platform/gfx/shape_raster.h"

using namespace vokgfx;

namespace {
IRect toIRect(const Rect& r) { return IRect{r.left, r.top, r.right, r.bottom}; }

template <class Raster>
void drawVerb(GrafPort* port, GrafVerb verb, Raster raster) {
  Painter p(port, inkForVerb(port, verb));
  if (!p.idle()) raster(p);
}

// While a region is open, a framed shape adds its inside to the region.
template <class Raster>
void recordArea(GrafPort* port, Raster raster) {
  SpanRgnBuilder b;
  raster(b);
  OpaqueRgn area;
  b.build(&area);
  recordAreaXor(port, area);
}
}  // namespace

void StdRect(GrafVerb verb, const Rect* r) {
  if (!r) return;
  GrafPort* port = GetQDPort();
  if (port->picSave) port->picSave->rect(port, verb, *r);
  IRect ir = toIRect(*r);
  if (ir.empty()) return;
  if (verb == kQDGrafVerbFrame) {
    if (port->rgnSave) {
      OpaqueRgn area;
      rgnSetRect(&area, ir.left, ir.top, ir.right, ir.bottom);
      recordAreaXor(port, area);
    }
    drawVerb(port, verb, [&](Painter& p) { rasterRectFrame(p, ir, port->pnSize.h, port->pnSize.v); });
  } else {
    drawVerb(port, verb, [&](Painter& p) { p.rows(ir.top, ir.bottom, ir.left, ir.right); });
  }
}

void StdRRect(GrafVerb verb, const Rect* r, short ovalWidth, short ovalHeight) {
  if (!r) return;
  GrafPort* port = GetQDPort();
  if (port->picSave) port->picSave->rRect(port, verb, *r, ovalWidth, ovalHeight);
  IRect ir = toIRect(*r);
  if (ir.empty()) return;
  RoundShape shape = makeRound(ir, ovalWidth, ovalHeight);
  if (verb == kQDGrafVerbFrame) {
    if (port->rgnSave) recordArea(port, [&](SpanRgnBuilder& b) { rasterRound(b, shape); });
    drawVerb(port, verb, [&](Painter& p) { rasterRoundFrame(p, shape, port->pnSize.h, port->pnSize.v); });
  } else {
    drawVerb(port, verb, [&](Painter& p) { rasterRound(p, shape); });
  }
}

void StdOval(GrafVerb verb, const Rect* r) {
  if (!r) return;
  GrafPort* port = GetQDPort();
  if (port->picSave) port->picSave->oval(port, verb, *r);
  IRect ir = toIRect(*r);
  if (ir.empty()) return;
  RoundShape shape = makeOval(ir);
  if (verb == kQDGrafVerbFrame) {
    if (port->rgnSave) recordArea(port, [&](SpanRgnBuilder& b) { rasterRound(b, shape); });
    drawVerb(port, verb, [&](Painter& p) { rasterRoundFrame(p, shape, port->pnSize.h, port->pnSize.v); });
  } else {
    drawVerb(port, verb, [&](Painter& p) { rasterRound(p, shape); });
  }
}

// An arc's frame is the curve alone (no radii); the other verbs draw the
// wedge. Arcs are open, so they add nothing to an open region.
void StdArc(GrafVerb verb, const Rect* r, short startAngle, short arcAngle) {
  if (!r) return;
  GrafPort* port = GetQDPort();
  if (port->picSave) port->picSave->arc(port, verb, *r, startAngle, arcAngle);
  IRect ir = toIRect(*r);
  if (ir.empty()) return;
  bool frame = verb == kQDGrafVerbFrame;
  drawVerb(port, verb, [&](Painter& p) {
    rasterArc(p, ir, startAngle, arcAngle, frame, port->pnSize.h, port->pnSize.v);
  });
}
