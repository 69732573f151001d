// File Manager calls over POSIX: typed creation (type/creator in user
// extended attributes, best effort), deletion and Finder info.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>

#include "platform/file/file.h"
#include "platform/file/file_internal.h"

namespace {
std::string g_errorText;

bool specPath(const FSSpec* spec, std::string* path) {
  if (VokSpecToPath(spec, path)) return true;
  vokfile::setErrorText("not a usable FSSpec");
  return false;
}

const char* kTypeAttr = "user.vok.type";
const char* kCreatorAttr = "user.vok.creator";

bool readCode(const std::string& path, const char* attr, OSType* code) {
  unsigned char b[4];
  if (::getxattr(path.c_str(), attr, b, 4) != 4) return false;
  *code = FourCC(char(b[0]), char(b[1]), char(b[2]), char(b[3]));
  return true;
}

void writeCode(const std::string& path, const char* attr, OSType code) {
  unsigned char b[4] = {uint8_t(code >> 24), uint8_t(code >> 16), uint8_t(code >> 8), uint8_t(code)};
  (void)::setxattr(path.c_str(), attr, b, 4, 0);  // no xattr support is fine
}

OSType guessType(const std::string& path) {
  size_t dot = path.rfind('.');
  size_t slash = path.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return 0;
  std::string ext = path.substr(dot + 1);
  for (auto& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
  static const char* text[] = {"txt", "tsv", "csv", "dat", "eps", "ps", "text", "log", "c", "h", "cpp"};
  for (const char* t : text)
    if (ext == t) return FourCC('T', 'E', 'X', 'T');
  if (ext == "pict" || ext == "pct") return FourCC('P', 'I', 'C', 'T');
  if (ext == "mac" || ext == "pntg") return FourCC('P', 'N', 'T', 'G');
  if (ext == "png") return FourCC('P', 'N', 'G', 'f');
  if (ext == "pdf") return FourCC('P', 'D', 'F', ' ');
  return 0;
}
}  // namespace

namespace vokfile {
void setErrorText(const std::string& text) { g_errorText = text; }
OSErr fail(const char* what, const std::string& path, int err) {
  g_errorText = std::string(what) + " " + path + ": " + std::strerror(err);
  return VokErrnoToOSErr(err);
}
}  // namespace vokfile

const char* VokFileErrorText() { return g_errorText.c_str(); }

OSErr VokErrnoToOSErr(int err) {
  switch (err) {
    case 0: return noErr;
    case ENOENT: return fnfErr;
    case ENOTDIR: return dirNFErr;
    case EEXIST: return dupFNErr;
    case EACCES:
    case EPERM:
    case EROFS: return permErr;
    case ENOSPC:
    case EDQUOT: return dskFulErr;
    case ENAMETOOLONG:
    case EINVAL: return bdNamErr;
    case EBADF: return rfNumErr;
    case ENOMEM: return memFullErr;
    default: return ioErr;
  }
}

void VokGetFileTypes(const std::string& path, OSType* type, OSType* creator) {
  OSType t = 0, c = 0;
  if (!readCode(path, kTypeAttr, &t)) t = guessType(path);
  readCode(path, kCreatorAttr, &c);
  if (type) *type = t;
  if (creator) *creator = c;
}

void VokSetFileTypes(const std::string& path, OSType type, OSType creator) {
  writeCode(path, kTypeAttr, type);
  writeCode(path, kCreatorAttr, creator);
}

OSErr FSpCreate(const FSSpec* spec, OSType creator, OSType fileType, short scriptTag) {
  (void)scriptTag;
  std::string path;
  if (!specPath(spec, &path)) return bdNamErr;
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return vokfile::fail("cannot create", path, errno);
  ::close(fd);
  VokSetFileTypes(path, fileType, creator);
  return noErr;
}

OSErr FSpDelete(const FSSpec* spec) {
  std::string path;
  if (!specPath(spec, &path)) return bdNamErr;
  struct stat st;
  if (::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    if (::rmdir(path.c_str()) != 0) return vokfile::fail("cannot delete", path, errno);
    return noErr;
  }
  if (::unlink(path.c_str()) != 0) return vokfile::fail("cannot delete", path, errno);
  return noErr;
}

