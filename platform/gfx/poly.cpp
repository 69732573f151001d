// Polygons: recording with OpenPoly/ClosePoly (lines become vertices of a
// relocatable block, polySize = 10 + 4 per point), moving and mapping them,
// and the standard polygon bottleneck. Painted polygons are filled even-odd,
// closed implicitly; framed polygons draw the recorded lines only.
#include "platform/gfx/gfx_internal.h"
#include "platform/gfx/shape_raster.h"

using namespace vokgfx;

namespace {
constexpr int kHeaderBytes = 10;
// polySize is 16-bit: a polygon holds at most this many points; further
// points are dropped rather than wrapping the size negative.
constexpr int kMaxPoints = (32767 - kHeaderBytes) / 4;

Point* pointsOf(PolyHandle poly) { return reinterpret_cast<Point*>(reinterpret_cast<char*>(*poly) + kHeaderBytes); }

// The point count, trusting polySize only as far as the block reaches.
int pointCount(PolyHandle poly) {
  if (!poly || !*poly) return 0;
  long room = (GetHandleSize(reinterpret_cast<Handle>(poly)) - kHeaderBytes) / 4;
  int n = PolyPointCount(poly);
  return n < 0 ? 0 : n > room ? int(room < 0 ? 0 : room) : n;
}

void growBBox(Polygon* p, Point pt, bool first) {
  Rect& b = p->polyBBox;
  if (first) {
    b = Rect{pt.v, pt.h, pt.v, pt.h};
    return;
  }
  b.top = std::min(b.top, pt.v);
  b.left = std::min(b.left, pt.h);
  b.bottom = std::max(b.bottom, pt.v);
  b.right = std::max(b.right, pt.h);
}

bool appendPoint(PolyHandle poly, Point pt) {
  int n = pointCount(poly);
  if (n >= kMaxPoints) return false;
  SetHandleSize(reinterpret_cast<Handle>(poly), kHeaderBytes + 4 * (n + 1));
  if (MemError() != noErr) return false;
  pointsOf(poly)[n] = pt;
  (*poly)->polySize = short(kHeaderBytes + 4 * (n + 1));
  growBBox(*poly, pt, n == 0);
  return true;
}

// The block stays with the caller; the port only stops recording into it.
void detachPoly(GrafPort* port) {
  if (!port->polySave) return;
  port->polySave = nullptr;
  ++port->pnVis;
}
}  // namespace

namespace vokgfx {
void polyRecordLine(GrafPort* port, Point from, Point to) {
  auto poly = reinterpret_cast<PolyHandle>(port->polySave);
  int n = pointCount(poly);
  if (n == 0 || pointsOf(poly)[n - 1].h != from.h || pointsOf(poly)[n - 1].v != from.v) appendPoint(poly, from);
  appendPoint(poly, to);
}
}  // namespace vokgfx

// The pen is hidden while the polygon is open, so that its lines leave no
// trace unless the caller shows the pen again.
PolyHandle OpenPoly() {
  GrafPort* port = GetQDPort();
  detachPoly(port);
  Handle h = NewHandle(kHeaderBytes);
  if (!h) return nullptr;
  auto poly = reinterpret_cast<PolyHandle>(h);
  (*poly)->polySize = kHeaderBytes;
  (*poly)->polyBBox = Rect{0, 0, 0, 0};
  port->polySave = h;
  --port->pnVis;
  return poly;
}

void ClosePoly() { detachPoly(GetQDPort()); }

void KillPoly(PolyHandle poly) {
  if (!poly) return;
  GrafPort* port = GetQDPort();
  if (port->polySave == reinterpret_cast<Handle>(poly)) detachPoly(port);
  DisposeHandle(reinterpret_cast<Handle>(poly));
}

void OffsetPoly(PolyHandle poly, short dh, short dv) {
  int n = pointCount(poly);
  if (n <= 0) return;
  for (int i = 0; i < n; ++i) AddPt(Point{dv, dh}, &pointsOf(poly)[i]);
  OffsetRect(&(*poly)->polyBBox, dh, dv);
}

void MapPoly(PolyHandle poly, const Rect* src, const Rect* dst) {
  int n = pointCount(poly);
  if (n <= 0) return;
  for (int i = 0; i < n; ++i) MapPt(&pointsOf(poly)[i], src, dst);
  MapRect(&(*poly)->polyBBox, src, dst);
}

namespace {
void polyEdges(PolyHandle poly, std::vector<IEdge>* edges) {
  int n = pointCount(poly);
  const Point* pts = pointsOf(poly);
  for (int i = 0; i < n; ++i) {
    const Point &a = pts[i], &b = pts[(i + 1) % n];
    addEdge(*edges, a.h, a.v, b.h, b.v);
  }
}

// Frames in an xor ink are gathered first, so shared vertices invert once.
void framePoly(GrafPort* port, PolyHandle poly) {
  Ink ink = inkForVerb(port, kQDGrafVerbFrame);
  if (ink.kind == InkKind::None) return;
  int n = pointCount(poly), pw = port->pnSize.h, ph = port->pnSize.v;
  const Point* pts = pointsOf(poly);
  Painter p(port, ink);
  if (p.idle()) return;
  bool xorInk = ink.kind == InkKind::Invert || ink.kind == InkKind::PatXor;
  Painter::Box clip = p.box();
  SpanRgnBuilder gathered({clip.left, clip.top, clip.right, clip.bottom});
  for (int i = 0; i + 1 < n || (n == 1 && i == 0); ++i) {
    const Point &a = pts[i], &b = pts[n == 1 ? 0 : i + 1];
    if (xorInk)
      rasterLine(gathered, a.h, a.v, b.h, b.v, pw, ph);
    else
      rasterLine(p, a.h, a.v, b.h, b.v, pw, ph);
  }
  if (!xorInk) return;
  OpaqueRgn area;
  gathered.build(&area);
  for (const auto& band : area.bands)
    for (uint32_t k = 0; k < band.count; ++k)
      p.rows(band.top, band.bottom, area.xs[band.first + 2 * k], area.xs[band.first + 2 * k + 1]);
}
}  // namespace

void StdPoly(GrafVerb verb, PolyHandle poly) {
  if (!poly || !*poly) return;
  GrafPort* port = GetQDPort();
  if (port->picSave) port->picSave->poly(port, verb, poly);
  if (pointCount(poly) <= 0) return;
  if (verb == kQDGrafVerbFrame) {
    if (port->rgnSave) {
      std::vector<IEdge> edges;
      polyEdges(poly, &edges);
      for (const IEdge& e : edges) recordEdge(port, e.x0, e.y0, e.x1, e.y1);
    }
    framePoly(port, poly);
    return;
  }
  static thread_local std::vector<IEdge> edges;  // kept: see rasterEdges
  edges.clear();
  polyEdges(poly, &edges);
  Painter p(port, inkForVerb(port, verb));
  if (!p.idle()) rasterEdges(p, edges);
}
