// File specifications over POSIX paths. A spec's parID indexes a
// process-wide table of folder paths; names longer than the 63 bytes a spec
// holds are kept in a side table under a short key, so every path survives
// the round trip.
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/file/file.h"
#include "platform/file/file_internal.h"
#include "platform/file/fsspec_bridge.h"

namespace {
constexpr int32_t kFirstFolderID = 100;

struct SpecTables {
  std::vector<std::string> folders;  // parID - kFirstFolderID -> absolute folder path
  std::unordered_map<std::string, int32_t> folderIDs;
  std::map<std::pair<int32_t, std::string>, std::string> longNames;  // (parID, key) -> full name
};
SpecTables& tables() {
  static SpecTables t;
  return t;
}

std::string currentDir() {
  char buf[PATH_MAX];
  if (::getcwd(buf, sizeof buf)) return buf;
  return "/";
}

// Collapses ".", ".." and repeated slashes of an absolute path.
std::string normalize(const std::string& abs) {
  std::vector<std::string> parts;
  size_t i = 0;
  while (i < abs.size()) {
    size_t j = abs.find('/', i);
    if (j == std::string::npos) j = abs.size();
    std::string part = abs.substr(i, j - i);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    i = j + 1;
  }
  std::string out;
  for (auto& p : parts) out += "/" + p;
  return out.empty() ? "/" : out;
}

// The folder's path with symbolic links resolved when it exists.
std::string canonicalFolder(const std::string& folder) {
  char buf[PATH_MAX];
  if (::realpath(folder.c_str(), buf)) return buf;
  return folder;
}

int32_t folderID(const std::string& folder) {
  auto& t = tables();
  auto it = t.folderIDs.find(folder);
  if (it != t.folderIDs.end()) return it->second;
  int32_t id = kFirstFolderID + int32_t(t.folders.size());
  t.folders.push_back(folder);
  t.folderIDs.emplace(folder, id);
  return id;
}

const std::string* folderPath(int32_t id) {
  auto& t = tables();
  if (id < kFirstFolderID || size_t(id - kFirstFolderID) >= t.folders.size()) return nullptr;
  return &t.folders[size_t(id - kFirstFolderID)];
}

// Puts name into the FSSpec; long names get a key "<first 50 bytes>#<n>".
void storeName(FSSpec* spec, const std::string& name) {
  std::string key = name;
  if (name.size() > 63) {
    auto& t = tables();
    std::string prefix = name.substr(0, 50);
    for (size_t n = 1;; ++n) {
      key = prefix + "#" + std::to_string(n);
      auto it = t.longNames.find({int32_t(spec->parID), key});
      if (it == t.longNames.end()) {
        t.longNames[{int32_t(spec->parID), key}] = name;
        break;
      }
      if (it->second == name) break;
    }
  }
  spec->name[0] = uint8_t(key.size());
  std::memcpy(spec->name + 1, key.data(), key.size());
}
}  // namespace

bool VokIsValidFileName(const std::string& name) {
  if (name.empty() || name.size() > 255 || name == "." || name == "..") return false;
  return name.find('/') == std::string::npos && name.find('\0') == std::string::npos;
}

std::string vokfile::absolutePath(const std::string& path) {
  if (path.empty()) return std::string();
  return normalize(path[0] == '/' ? path : currentDir() + "/" + path);
}

bool VokPathToSpec(const std::string& path, FSSpec* spec) {
  if (!spec) return false;
  std::memset(spec, 0, sizeof *spec);
  if (path.empty() || path.find('\0') != std::string::npos) return false;
  std::string abs = vokfile::absolutePath(path);
  spec->vRefNum = kVokVolume;
  if (abs == "/") {  // the root folder: its own folder, empty name
    spec->parID = folderID("/");
    return true;
  }
  size_t slash = abs.rfind('/');
  std::string folder = canonicalFolder(slash == 0 ? "/" : abs.substr(0, slash));
  std::string name = abs.substr(slash + 1);
  if (name.size() > 255) return false;
  spec->parID = folderID(folder);
  storeName(spec, name);
  return true;
}

std::string VokSpecName(const FSSpec* spec) {
  if (!spec) return std::string();
  std::string key(reinterpret_cast<const char*>(spec->name + 1), spec->name[0] > 63 ? 63 : spec->name[0]);
  auto& t = tables();
  auto it = t.longNames.find({int32_t(spec->parID), key});
  return it != t.longNames.end() ? it->second : key;
}

bool VokSpecToPath(const FSSpec* spec, std::string* path) {
  if (!spec) return false;
  const std::string* folder = folderPath(spec->parID);
  if (!folder) return false;
  std::string name = VokSpecName(spec);
  if (name.empty()) {
    *path = *folder;
    return true;
  }
  if (!VokIsValidFileName(name)) return false;
  *path = (*folder == "/" ? "" : *folder) + "/" + name;
  return true;
}

bool VokSpecWithName(const FSSpec* spec, const std::string& name, FSSpec* out) {
  if (!spec || !folderPath(spec->parID) || !VokIsValidFileName(name)) return false;
  FSSpec s;
  std::memset(&s, 0, sizeof s);
  s.vRefNum = spec->vRefNum;
  s.parID = spec->parID;
  storeName(&s, name);
  *out = s;
  return true;
}

// FSRef: the full path, NUL-terminated, behind a marker.
namespace {
constexpr uint32_t kRefMagic = 0x564F4B52;  // "VOKR"
}

OSErr FSpMakeFSRef(const FSSpec* spec, FSRef* ref) {
  if (!spec || !ref) return paramErr;
  std::string path;
  std::memset(ref, 0, sizeof *ref);
  if (!VokSpecToPath(spec, &path)) return bdNamErr;
  if (path.size() + 1 > sizeof ref->hidden - 4) return bdNamErr;
  std::memcpy(ref->hidden, &kRefMagic, 4);
  std::memcpy(ref->hidden + 4, path.c_str(), path.size() + 1);
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 ? noErr : fnfErr;
}

OSStatus FSRefMakePath(const FSRef* ref, uint8_t* path, uint32_t maxPathSize) {
  if (!ref || !path || maxPathSize == 0) return paramErr;
  uint32_t magic;
  std::memcpy(&magic, ref->hidden, 4);
  if (magic != kRefMagic) return paramErr;
  const char* p = reinterpret_cast<const char*>(ref->hidden + 4);
  size_t n = strnlen(p, sizeof ref->hidden - 4);
  if (n + 1 > maxPathSize) return paramErr;
  std::memcpy(path, p, n + 1);
  return noErr;
}

bool VokPathToFSSpec(const char* path, void* fsspecOut) {
  if (!path || !fsspecOut) return false;
  FSSpec spec;
  bool ok = VokPathToSpec(path, &spec);
  std::memcpy(fsspecOut, &spec, sizeof spec);
  return ok;
}

bool VokFSSpecToPath(const void* fsspec, char* buf, unsigned long bufSize) {
  if (!fsspec || !buf || bufSize == 0) return false;
  FSSpec spec;
  std::memcpy(&spec, fsspec, sizeof spec);
  std::string path;
  if (!VokSpecToPath(&spec, &path) || path.size() + 1 > bufSize) return false;
  std::memcpy(buf, path.c_str(), path.size() + 1);
  return true;
}
