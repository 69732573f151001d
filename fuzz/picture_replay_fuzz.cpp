// Fuzz target of picture replay: any bytes as a picture (the bytes a picture
// file holds after its 512-byte header), drawn into a small offscreen port
// at its own frame and scaled onto another rectangle. Replay must leave the
// port's pen, colours, text state and clip as it found them.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/gfx/gfx.h"
#include "platform/gfx/picture.h"

namespace {
void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

GWorldPtr g_world = nullptr;

struct PortState {
  PenState pen;
  RGBColor fg, bk;
  short font, face, size, mode;
  Rect clip;
  bool operator==(const PortState& o) const {
    return std::memcmp(&pen, &o.pen, sizeof pen) == 0 && std::memcmp(&fg, &o.fg, sizeof fg) == 0 &&
           std::memcmp(&bk, &o.bk, sizeof bk) == 0 && font == o.font && face == o.face && size == o.size &&
           mode == o.mode && std::memcmp(&clip, &o.clip, sizeof clip) == 0;
  }
};

PortState stateOf(GrafPtr port) {
  PortState s;
  std::memset(&s, 0, sizeof s);
  GetPenState(&s.pen);
  GetForeColor(&s.fg);
  GetBackColor(&s.bk);
  s.font = port->txFont, s.face = port->txFace, s.size = port->txSize, s.mode = port->txMode;
  RgnHandle clip = NewRgn();
  GetClip(clip);
  GetRegionBounds(clip, &s.clip);
  DisposeRgn(clip);
  return s;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!g_world) {
    Rect bounds = {0, 0, 96, 128};
    if (NewGWorld(&g_world, 32, &bounds, nullptr, nullptr, 0) != noErr) std::abort();
  }
  SetGWorld(g_world, nullptr);
  Handle h = NewHandle(Size(size));
  if (!h) return 0;
  if (size) std::memcpy(*h, data, size);
  auto pic = reinterpret_cast<PicHandle>(h);
  GrafPtr port = GetQDPort();
  PortState before = stateOf(port);
  Rect frame;
  QDGetPictureBounds(pic, &frame);
  DrawPicture(pic, &frame);
  require(stateOf(port) == before, "replay restores the port");
  Rect scaled = {-8, 4, 90, 60};
  DrawPicture(pic, &scaled);
  require(stateOf(port) == before, "replay restores the port");
  KillPicture(pic);
  return 0;
}
