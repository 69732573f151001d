// Apple-event descriptors: flat, owned data blocks. A list is a sequence of
// items; an Apple event is its class and ID followed by keyword-tagged
// parameters in the same item format:
//   item = keyword u32, type u32, size u32, data (padded to 4 bytes).
#include <cstring>
#include <string>
#include <vector>

#include "platform/event/ae_internal.h"
#include "platform/file/fsspec_bridge.h"

namespace {
constexpr size_t kItemHeader = 12;
constexpr size_t kEventHeader = 8;  // class, ID
constexpr size_t kFSSpecBytes = 70;  // sizeof(FSSpec), checked in platform/file/file.h

size_t headerSize(const AEDesc* d) { return d->descriptorType == typeAppleEvent ? kEventHeader : 0; }
size_t padded(size_t n) { return (n + 3) & ~size_t(3); }

const char* bytesOf(const AEDesc* d) { return d->dataHandle ? *d->dataHandle : nullptr; }
size_t sizeOf(const AEDesc* d) { return d->dataHandle ? size_t(GetHandleSize(d->dataHandle)) : 0; }

Handle makeHandle(const void* data, size_t size) {
  if (size == 0) return nullptr;
  Handle h = NewHandle(Size(size));
  if (h && data) std::memcpy(*h, data, size);
  return h;
}
}  // namespace

bool VokParseItems(const AEDesc* d, std::vector<VokAEItem>* items) {
  items->clear();
  const char* p = bytesOf(d);
  size_t n = sizeOf(d), off = headerSize(d);
  if (n < off) return n == 0 && off == 0;
  while (off < n) {
    if (n - off < kItemHeader) return false;
    VokAEItem it;
    uint32_t size;
    std::memcpy(&it.keyword, p + off, 4);
    std::memcpy(&it.type, p + off + 4, 4);
    std::memcpy(&size, p + off + 8, 4);
    off += kItemHeader;
    if (size > n - off) return false;
    it.data.assign(p + off, p + off + size);
    off += padded(size);
    items->push_back(std::move(it));
  }
  return true;
}

OSErr VokBuildDesc(DescType type, const void* header, size_t headerBytes, const std::vector<VokAEItem>& items,
                   AEDesc* out) {
  std::vector<char> buf(static_cast<const char*>(header), static_cast<const char*>(header) + headerBytes);
  for (const auto& it : items) {
    uint32_t size = uint32_t(it.data.size());
    size_t at = buf.size();
    buf.resize(at + kItemHeader + padded(size), 0);
    std::memcpy(&buf[at], &it.keyword, 4);
    std::memcpy(&buf[at + 4], &it.type, 4);
    std::memcpy(&buf[at + 8], &size, 4);
    if (size) std::memcpy(&buf[at + kItemHeader], it.data.data(), size);
  }
  Handle h = makeHandle(buf.data(), buf.size());
  if (!buf.empty() && !h) return memFullErr;
  out->descriptorType = type;
  out->dataHandle = h;
  return noErr;
}

OSErr VokCreateAppleEvent(AEEventClass cls, AEEventID id, const std::vector<VokAEItem>& params, AppleEvent* out) {
  uint32_t header[2] = {cls, id};
  return VokBuildDesc(typeAppleEvent, header, sizeof header, params, out);
}

bool VokAppleEventClassID(const AppleEvent* ae, AEEventClass* cls, AEEventID* id) {
  if (!ae || ae->descriptorType != typeAppleEvent || sizeOf(ae) < kEventHeader) return false;
  std::memcpy(cls, bytesOf(ae), 4);
  std::memcpy(id, bytesOf(ae) + 4, 4);
  return true;
}

OSErr AECreateDesc(DescType type, const void* data, Size size, AEDesc* result) {
  if (!result) return paramErr;
  result->descriptorType = typeNull;
  result->dataHandle = nullptr;
  if (size < 0 || (size > 0 && !data)) return paramErr;
  Handle h = makeHandle(data, size_t(size));
  if (size > 0 && !h) return memFullErr;
  result->descriptorType = type;
  result->dataHandle = h;
  return noErr;
}

OSErr AEDisposeDesc(AEDesc* desc) {
  if (!desc) return paramErr;
  DisposeHandle(desc->dataHandle);
  desc->dataHandle = nullptr;
  desc->descriptorType = typeNull;
  return noErr;
}

OSErr AEDuplicateDesc(const AEDesc* src, AEDesc* dst) {
  if (!src || !dst) return paramErr;
  return AECreateDesc(src->descriptorType, bytesOf(src), Size(sizeOf(src)), dst);
}

OSErr AECreateList(const void*, Size factoredSize, Boolean isRecord, AEDescList* resultList) {
  if (!resultList || factoredSize != 0 || isRecord) return paramErr;
  resultList->descriptorType = typeAEList;
  resultList->dataHandle = nullptr;
  return noErr;
}

OSErr AEPutPtr(AEDescList* list, long index, DescType type, const void* data, Size size) {
  if (!list || size < 0 || (size > 0 && !data)) return paramErr;
  if (list->descriptorType != typeAEList) return errAEWrongDataType;
  std::vector<VokAEItem> items;
  if (!VokParseItems(list, &items)) return errAECorruptData;
  if (index < 0 || index > long(items.size()) + 1) return errAEIllegalIndex;
  VokAEItem it{0, type, std::vector<char>(static_cast<const char*>(data), static_cast<const char*>(data) + size)};
  if (index == 0 || index == long(items.size()) + 1) items.push_back(std::move(it));
  else items[size_t(index - 1)] = std::move(it);
  AEDesc rebuilt;
  OSErr err = VokBuildDesc(typeAEList, nullptr, 0, items, &rebuilt);
  if (err) return err;
  DisposeHandle(list->dataHandle);
  *list = rebuilt;
  return noErr;
}

OSErr AECountItems(const AEDescList* list, long* count) {
  if (!list || !count) return paramErr;
  if (list->descriptorType != typeAEList) return errAEWrongDataType;
  std::vector<VokAEItem> items;
  if (!VokParseItems(list, &items)) return errAECorruptData;
  *count = long(items.size());
  return noErr;
}

namespace {
// Converts one item to `desired` into `out`; false when it cannot be.
bool coerceItem(const VokAEItem& it, DescType desired, std::vector<char>* out, DescType* outType) {
  if (desired == typeWildCard || desired == it.type) {
    *out = it.data;
    *outType = it.type;
    return true;
  }
  if (it.type != typeVokPath) return false;
  if (desired == typeChar) {
    *out = it.data;
    *outType = typeChar;
    return true;
  }
  if (desired != typeFSS) return false;
  std::string path(it.data.begin(), it.data.end());
  if (path.find('\0') != std::string::npos) return false;
  out->assign(kFSSpecBytes, 0);
  if (!VokPathToFSSpec(path.c_str(), out->data())) return false;
  *outType = typeFSS;
  return true;
}
}  // namespace

OSErr AEGetNthPtr(const AEDescList* list, long index, DescType desiredType, AEKeyword* keyword, DescType* actualType,
                  void* dataPtr, Size maximumSize, Size* actualSize) {
  if (!list || maximumSize < 0 || (maximumSize > 0 && !dataPtr)) return paramErr;
  if (list->descriptorType != typeAEList) return errAEWrongDataType;
  std::vector<VokAEItem> items;
  if (!VokParseItems(list, &items)) return errAECorruptData;
  if (index < 1 || index > long(items.size())) return errAEIllegalIndex;
  const VokAEItem& it = items[size_t(index - 1)];
  std::vector<char> data;
  DescType type;
  if (!coerceItem(it, desiredType, &data, &type)) return errAECoercionFail;
  size_t n = std::min(data.size(), size_t(maximumSize));
  if (n) std::memcpy(dataPtr, data.data(), n);
  if (keyword) *keyword = it.keyword;
  if (actualType) *actualType = type;
  if (actualSize) *actualSize = Size(data.size());
  return noErr;
}

OSErr AEGetParamDesc(const AppleEvent* event, AEKeyword key, DescType desiredType, AEDescList* result) {
  if (!event || !result) return paramErr;
  result->descriptorType = typeNull;
  result->dataHandle = nullptr;
  if (event->descriptorType != typeAppleEvent) return errAENotAEDesc;
  std::vector<VokAEItem> items;
  if (!VokParseItems(event, &items)) return errAECorruptData;
  for (const auto& it : items) {
    if (it.keyword != key) continue;
    if (desiredType == typeWildCard || desiredType == it.type)
      return AECreateDesc(it.type, it.data.data(), Size(it.data.size()), result);
    // A single descriptor asked for as a list becomes a list of one item.
    if (desiredType == typeAEList) {
      OSErr err = AECreateList(nullptr, 0, false, result);
      if (!err) err = AEPutPtr(result, 0, it.type, it.data.data(), Size(it.data.size()));
      return err;
    }
    return errAECoercionFail;
  }
  return errAEDescNotFound;
}
