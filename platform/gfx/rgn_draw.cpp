// Drawing regions (the standard region bottleneck) and recording them with
// OpenRgn/CloseRgn: lines add edges, framed shapes add their inside, and the
// result is the even-odd combination of all of them (so a frame drawn twice
// cancels, and a closed run of lines encloses its inside).
#include "platform/gfx/gfx_internal.h"
#include "platform/gfx/shape_raster.h"

using namespace vokgfx;

namespace vokgfx {
void recordAreaXor(GrafPort* port, const OpaqueRgn& area) {
  RgnRecording* rec = recordingOf(port);
  if (rec) rgnCombine(rec->area, area, &rec->area, kOpXor);
}

void recordEdge(GrafPort* port, int x0, int y0, int x1, int y1) {
  RgnRecording* rec = recordingOf(port);
  if (rec && y0 != y1) rec->edges.push_back({x0, y0, x1, y1});
}
}  // namespace vokgfx

// Hides the pen like OpenPoly; a second OpenRgn starts the recording afresh.
void OpenRgn() {
  GrafPort* port = GetQDPort();
  if (port->rgnSave) {
    delete recordingOf(port);
  } else {
    --port->pnVis;
  }
  port->rgnSave = new RgnRecording;
}

void CloseRgn(RgnHandle dst) {
  GrafPort* port = GetQDPort();
  RgnRecording* rec = recordingOf(port);
  if (!rec) {
    SetEmptyRgn(dst);
    return;
  }
  port->rgnSave = nullptr;
  ++port->pnVis;
  if (dst) {
    std::vector<IEdge> edges;
    for (const auto& e : rec->edges) addEdge(edges, e.x0, e.y0, e.x1, e.y1);
    SpanRgnBuilder b;
    rasterEdges(b, edges);
    OpaqueRgn outlined;
    b.build(&outlined);
    rgnCombine(outlined, rec->area, dst, kOpXor);
  }
  delete rec;
}

namespace {
void paintRegion(Painter& p, const OpaqueRgn& r) {
  for (const auto& band : r.bands)
    for (uint32_t k = 0; k < band.count; ++k)
      p.rows(band.top, band.bottom, r.xs[band.first + 2 * k], r.xs[band.first + 2 * k + 1]);
}
}  // namespace

// A region's frame lies inside it: the region minus itself inset by the pen.
void StdRgn(GrafVerb verb, RgnHandle rgn) {
  if (!rgn) return;
  GrafPort* port = GetQDPort();
  if (port->picSave) port->picSave->rgn(port, verb, rgn);
  if (rgn->bands.empty()) return;
  if (verb == kQDGrafVerbFrame && port->rgnSave) recordAreaXor(port, *rgn);
  Painter p(port, inkForVerb(port, verb));
  if (p.idle()) return;
  if (verb != kQDGrafVerbFrame) {
    paintRegion(p, *rgn);
    return;
  }
  OpaqueRgn inner = *rgn, frame;
  InsetRgn(&inner, port->pnSize.h, port->pnSize.v);
  rgnCombine(*rgn, inner, &frame, kOpDiff);
  paintRegion(p, frame);
}
