// The standard line bottleneck: a line from the pen location to newPt goes
// to an open picture, polygon and region, and is drawn (when the pen shows)
// as the pen rectangle swept along the path, both end points included.
#include "platform/gfx/gfx_internal.h"
#include "platform/gfx/shape_raster.h"

using namespace vokgfx;

void StdLine(Point newPt) {
  GrafPort* port = GetQDPort();
  Point from = port->pnLoc;
  port->pnLoc = newPt;
  if (port->picSave) port->picSave->line(port, from, newPt);
  if (port->polySave) polyRecordLine(port, from, newPt);
  if (port->rgnSave) recordEdge(port, from.h, from.v, newPt.h, newPt.v);
  if (!penShows(port)) return;
  Painter p(port, makeInk(port->pnMode, port->pnPat, toPixel(port->rgbFgColor), toPixel(port->rgbBkColor)));
  if (p.idle()) return;
  rasterLine(p, from.h, from.v, newPt.h, newPt.v, port->pnSize.h, port->pnSize.v);
}
