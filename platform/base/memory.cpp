// Relocatable blocks over malloc: a handle is a master pointer whose block
// carries its size in a small header in front of the data.
#include "platform/base/types.h"

#include <cstdlib>
#include <cstring>

namespace {
struct BlockHeader {
  Size size;
  Size pad;  // keeps the data 16-byte aligned
};
OSErr g_memErr = noErr;

BlockHeader* headerOf(Handle h) { return reinterpret_cast<BlockHeader*>(*h) - 1; }

Ptr allocBlock(Size size) {
  if (size < 0) return nullptr;
  auto* hdr = static_cast<BlockHeader*>(std::calloc(1, sizeof(BlockHeader) + size_t(size)));
  if (!hdr) return nullptr;
  hdr->size = size;
  return reinterpret_cast<Ptr>(hdr + 1);
}
}  // namespace

Handle NewHandle(Size size) {
  Ptr data = allocBlock(size);
  if (!data) {
    g_memErr = memFullErr;
    return nullptr;
  }
  Handle h = static_cast<Handle>(std::malloc(sizeof(Ptr)));
  if (!h) {
    std::free(reinterpret_cast<BlockHeader*>(data) - 1);
    g_memErr = memFullErr;
    return nullptr;
  }
  *h = data;
  g_memErr = noErr;
  return h;
}

Handle NewHandleClear(Size size) { return NewHandle(size); }

void DisposeHandle(Handle h) {
  if (!h) return;
  if (*h) std::free(headerOf(h));
  std::free(h);
}

Size GetHandleSize(Handle h) { return (h && *h) ? headerOf(h)->size : 0; }

void SetHandleSize(Handle h, Size size) {
  if (!h || size < 0) {
    g_memErr = paramErr;
    return;
  }
  Size old = GetHandleSize(h);
  auto* hdr = static_cast<BlockHeader*>(std::realloc(*h ? headerOf(h) : nullptr, sizeof(BlockHeader) + size_t(size)));
  if (!hdr) {
    g_memErr = memFullErr;
    return;
  }
  if (size > old) std::memset(reinterpret_cast<char*>(hdr + 1) + old, 0, size_t(size - old));
  hdr->size = size;
  *h = reinterpret_cast<Ptr>(hdr + 1);
  g_memErr = noErr;
}

OSErr MemError() { return g_memErr; }

OSErr PtrToHand(const void* src, Handle* dst, long size) {
  *dst = NewHandle(size);
  if (!*dst) return memFullErr;
  if (size > 0) std::memcpy(**dst, src, size_t(size));
  return noErr;
}

void HLock(Handle) {}
void HUnlock(Handle) {}
void HPurge(Handle) {}

void CopyCToPascal(const char* src, Str255 dst) {
  size_t n = src ? std::strlen(src) : 0;
  if (n > 255) n = 255;
  dst[0] = static_cast<unsigned char>(n);
  if (n) std::memcpy(dst + 1, src, n);
}

void CopyPascalToC(ConstStr255Param src, char* dst) {
  size_t n = src ? src[0] : 0;
  if (n) std::memcpy(dst, src + 1, n);
  dst[n] = '\0';
}
