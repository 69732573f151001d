// Offscreen graphics worlds, the graphics device of the one screen, and the
// port-and-device pair of SetGWorld/GetGWorld. The screen's size comes from
// VOK_SCREEN=WxH (default 1024x768).
#include <cstdio>
#include <cstdlib>

#include "platform/base/program.h"
#include "platform/gfx/gfx_internal.h"

namespace {
// Largest raster we hand out: 64 M pixels (256 MB); beyond that NewGWorld
// reports memFullErr instead of letting the system kill the process.
constexpr size_t kMaxPixels = size_t(64) << 20;

GDevice g_mainDevice;
GDPtr g_mainDevicePtr = nullptr;
GDHandle g_currentDevice = nullptr;

void initMainDevice() {
  int w = 1024, h = 768;
  if (const char* env = std::getenv("VOK_SCREEN")) {
    int ew = 0, eh = 0;
    char tail = 0;
    if (std::sscanf(env, "%dx%d%c", &ew, &eh, &tail) == 2 && ew >= 64 && eh >= 64 && ew <= 16384 && eh <= 16384) {
      w = ew;
      h = eh;
    } else {
      std::fprintf(stderr, "%s: VOK_SCREEN=\"%s\" is not WIDTHxHEIGHT (64..16384); using 1024x768\n", VokProgramName(), env);
    }
  }
  g_mainDevice.gdRect = Rect{0, 0, short(h), short(w)};
  g_mainDevice.pixelSize = 32;
  g_mainDevicePtr = &g_mainDevice;
}
}  // namespace

GDHandle GetMainDevice() {
  if (!g_mainDevicePtr) initMainDevice();
  return &g_mainDevicePtr;
}

GDHandle GetGDevice() { return g_currentDevice ? g_currentDevice : GetMainDevice(); }

void SetGDevice(GDHandle gd) { g_currentDevice = gd; }

void SetGWorld(CGrafPtr port, GDHandle gd) {
  SetPort(port);
  if (gd) SetGDevice(gd);
}

void GetGWorld(CGrafPtr* port, GDHandle* gd) {
  if (port) *port = GetQDPort();
  if (gd) *gd = GetGDevice();
}

OSErr NewGWorld(GWorldPtr* world, short depth, const Rect* bounds, void* /*cTable*/, GDHandle /*gd*/, long /*flags*/) {
  if (!world) return paramErr;
  *world = nullptr;
  if (!bounds || EmptyRect(bounds)) return paramErr;
  long w = long(bounds->right) - bounds->left, h = long(bounds->bottom) - bounds->top;
  if (w > vokgfx::kCoordMax || h > vokgfx::kCoordMax || size_t(w) * size_t(h) > kMaxPixels) return memFullErr;
  auto* port = new GrafPort;
  OpenPortOn(port, int(w), int(h));
  if (!port->ownedPixels || port->portPixMap.rowPixels != w) {
    ClosePort(port);
    delete port;
    return memFullErr;
  }
  port->portPixMap.bounds = *bounds;
  port->portPixMap.pixelSize = depth == 1 ? 1 : 32;
  InitPortState(port);
  *world = port;
  return noErr;
}

void DisposeGWorld(GWorldPtr world) {
  if (!world) return;
  ClosePort(world);
  delete world;
}

PixMapHandle GetGWorldPixMap(GWorldPtr world) {
  if (!world) return nullptr;
  world->pixMapMaster = &world->portPixMap;
  return &world->pixMapMaster;
}

Boolean LockPixels(PixMapHandle pm) { return pm && *pm && (*pm)->baseAddr; }
void NoPurgePixels(PixMapHandle) {}
