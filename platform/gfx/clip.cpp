// The effective clip of a port (clipRgn ∩ visRgn ∩ raster bounds), computed
// once and cached per port until a region or the raster's bounds change, so
// that a primitive pays one comparison for its clipping set-up.
#include <algorithm>
#include <cstring>

#include "platform/gfx/gfx_internal.h"

namespace vokgfx {

namespace {
struct ClipCacheEntry {
  const GrafPort* port = nullptr;
  const OpaqueRgn* clipRgn = nullptr;
  const OpaqueRgn* visRgn = nullptr;
  uint64_t clipGen = 0, visGen = 0;
  Rect bounds{0, 0, 0, 0};
  const uint32_t* base = nullptr;
  ClipState state{};
  OpaqueRgn rgn;
};

// A few entries: buffered drawing alternates between a buffer and a window.
constexpr int kEntries = 4;
ClipCacheEntry g_cache[kEntries];
int g_nextEntry = 0;

inline bool sameRect(const Rect& a, const Rect& b) {
  uint64_t x, y;
  std::memcpy(&x, &a, 8);
  std::memcpy(&y, &b, 8);
  return x == y;
}

inline bool matches(const ClipCacheEntry& e, const GrafPort* port) {
  return e.port == port && e.clipRgn == port->clipRgn && e.visRgn == port->visRgn &&
         (!port->clipRgn || e.clipGen == port->clipRgn->gen) && (!port->visRgn || e.visGen == port->visRgn->gen) &&
         sameRect(e.bounds, port->portPixMap.bounds) && e.base == port->portPixMap.baseAddr;
}

bool isSingleRect(const OpaqueRgn& r) { return r.bands.size() == 1 && r.bands[0].count == 1; }

void compute(ClipCacheEntry& e, GrafPort* port) {
  const PixMap& pm = port->portPixMap;
  const Rect& b = pm.bounds;
  rgnSetRect(&e.rgn, b.left, b.top, b.right, b.bottom);
  if (!pm.baseAddr) rgnClear(&e.rgn);
  for (const OpaqueRgn* r : {port->visRgn, port->clipRgn}) {
    if (!r) continue;
    if (isSingleRect(e.rgn) && isSingleRect(*r)) {
      rgnSetRect(&e.rgn, std::max(e.rgn.left, r->left), std::max(e.rgn.top, r->top), std::min(e.rgn.right, r->right),
                 std::min(e.rgn.bottom, r->bottom));
    } else {
      rgnCombine(e.rgn, *r, &e.rgn, kOpSect);
    }
  }
  ClipState& s = e.state;
  s.empty = e.rgn.bands.empty();
  s.isRect = s.empty || isSingleRect(e.rgn);
  s.left = e.rgn.left;
  s.top = e.rgn.top;
  s.right = e.rgn.right;
  s.bottom = e.rgn.bottom;
  s.rgn = &e.rgn;
  e.port = port;
  e.clipRgn = port->clipRgn;
  e.visRgn = port->visRgn;
  e.clipGen = port->clipRgn ? port->clipRgn->gen : 0;
  e.visGen = port->visRgn ? port->visRgn->gen : 0;
  e.bounds = b;
  e.base = pm.baseAddr;
}

int g_lastHit = 0;

// Out of line, so that the hit below stays a handful of instructions.
__attribute__((noinline)) const ClipState& lookUp(GrafPort* port) {
  for (int i = 0; i < kEntries; ++i)
    if (matches(g_cache[i], port)) return g_cache[g_lastHit = i].state;
  g_lastHit = g_nextEntry;
  ClipCacheEntry& e = g_cache[g_nextEntry];
  g_nextEntry = (g_nextEntry + 1) % kEntries;
  compute(e, port);
  return e.state;
}
}  // namespace

const ClipState& portClip(GrafPort* port) {
  const ClipCacheEntry& e = g_cache[g_lastHit];
  return matches(e, port) ? e.state : lookUp(port);
}

const OpaqueRgn::Band* findBand(const OpaqueRgn& rgn, int y, size_t* cursor) {
  const auto& bands = rgn.bands;
  if (bands.empty()) return nullptr;
  size_t i = *cursor < bands.size() ? *cursor : 0;
  if (bands[i].top > y) {
    // Moving up is rare (a new shape): search from the start.
    auto it = std::upper_bound(bands.begin(), bands.end(), y,
                               [](int v, const OpaqueRgn::Band& b) { return v < b.bottom; });
    i = size_t(it - bands.begin());
  } else {
    while (i < bands.size() && bands[i].bottom <= y) ++i;
  }
  *cursor = i < bands.size() ? i : bands.size() - 1;
  if (i >= bands.size() || bands[i].top > y) return nullptr;
  return &bands[i];
}

}  // namespace vokgfx
