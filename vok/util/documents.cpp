// The queue of documents handed over at launch: VOKOpenDoc (vok/frame) fills
// s_dd, the readers take one document per call.
#include "vok/util/documents.h"

#include <cerrno>
#include <cstring>

VOKDataDirectory s_dd = {};

namespace {
constexpr size_t kPathSize = 1024;
char g_path[kPathSize];  // the path of the document DDFOpen took last

// Item s_dd.next of the list, after advancing; false (spec zeroed) when the
// list does not hold it.
bool takeNext(FSSpec* spec) {
  std::memset(spec, 0, sizeof *spec);
  if (s_dd.next >= s_dd.count) return false;
  ++s_dd.next;
  OSErr err = AEGetNthPtr(&s_dd.documents, s_dd.next, typeFSS, nullptr, nullptr, spec, sizeof *spec, nullptr);
  if (err != noErr) std::memset(spec, 0, sizeof *spec);
  return err == noErr;
}

// The document's text as the desktop gave it, for a message when it has no spec.
void itemName(long index, char* buf, size_t size) {
  Size got = 0;
  buf[0] = 0;
  if (AEGetNthPtr(&s_dd.documents, index, typeChar, nullptr, nullptr, buf, Size(size - 1), &got) != noErr) return;
  buf[got < Size(size - 1) ? got : Size(size - 1)] = 0;
}
}  // namespace

int32_t DDCount() { return s_dd.count - s_dd.next; }

FSSpec* DDFSSpec(FSSpec* spec) {
  FSSpec taken;
  if (takeNext(&taken)) s_dd.spec = taken;
  if (spec) *spec = taken;
  return spec;
}

FILE* DDFOpen(const char* /*name*/, const char* mode) {
  g_path[0] = 0;
  if (DDCount() <= 0) return nullptr;
  if (!mode || !*mode) {
    errno = EINVAL;
    return nullptr;
  }
  bool have = takeNext(&s_dd.spec);
  static char path[kPathSize];
  FSRef ref;
  FSpMakeFSRef(&s_dd.spec, &ref);  // fnfErr for a missing file; the ref is filled anyway
  OSStatus err = have ? FSRefMakePath(&ref, reinterpret_cast<uint8_t*>(path), kPathSize) : OSStatus(fnfErr);
  if (err != noErr) {
    itemName(s_dd.next, g_path, sizeof g_path);
    errno = err == paramErr ? ENAMETOOLONG : ENOENT;
    return nullptr;
  }
  std::memcpy(g_path, path, sizeof path);
  errno = 0;
  return std::fopen(path, mode);
}

const char* DDFPath() { return g_path; }
