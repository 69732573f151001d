// File Manager calls over POSIX: typed creation (type/creator in user
// extended attributes, best effort), deletion, Finder info, and reading
// data forks through a table of reference numbers.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <map>

#include "platform/file/file.h"
#include "platform/file/file_internal.h"

namespace {
std::string g_errorText;

struct OpenFile {
  int fd;
  std::string path;
};
std::map<short, OpenFile>& openFiles() {
  static std::map<short, OpenFile> files;
  return files;
}
short g_nextRef = 1;

OpenFile* lookup(short ref) {
  auto it = openFiles().find(ref);
  return it == openFiles().end() ? nullptr : &it->second;
}

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

OSErr FSpOpenDF(const FSSpec* spec, int8_t permission, short* refNum) {
  std::string path;
  if (!refNum) return paramErr;
  *refNum = 0;
  if (!specPath(spec, &path)) return bdNamErr;
  int flags = permission == fsRdPerm ? O_RDONLY : permission == fsWrPerm ? O_WRONLY : O_RDWR;
  int fd = ::open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0 && permission == fsCurPerm && (errno == EACCES || errno == EROFS))
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return vokfile::fail("cannot open", path, errno);
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    return vokfile::fail("cannot open", path, EISDIR);
  }
  if (openFiles().size() >= 30000) {
    ::close(fd);
    return vokfile::fail("cannot open", path, EMFILE);
  }
  while (lookup(g_nextRef) || g_nextRef <= 0) g_nextRef = short(g_nextRef <= 0 ? 1 : g_nextRef + 1);
  short ref = g_nextRef++;
  openFiles()[ref] = OpenFile{fd, path};
  *refNum = ref;
  return noErr;
}

OSErr FSRead(short refNum, long* count, void* buffer) {
  OpenFile* f = lookup(refNum);
  if (!f) return rfNumErr;
  if (!count || *count < 0 || (!buffer && *count > 0)) return paramErr;
  long want = *count, got = 0;
  while (got < want) {
    ssize_t n = ::read(f->fd, static_cast<char*>(buffer) + got, size_t(want - got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      *count = got;
      return vokfile::fail("cannot read", f->path, errno);
    }
    if (n == 0) break;
    got += n;
  }
  *count = got;
  return got < want ? eofErr : noErr;
}

OSErr SetFPos(short refNum, short posMode, long posOffset) {
  OpenFile* f = lookup(refNum);
  if (!f) return rfNumErr;
  struct stat st;
  if (::fstat(f->fd, &st) != 0) return vokfile::fail("cannot position in", f->path, errno);
  long here = long(::lseek(f->fd, 0, SEEK_CUR));
  long target;
  switch (posMode) {
    case fsAtMark: return noErr;
    case fsFromStart: target = posOffset; break;
    case fsFromLEOF: target = long(st.st_size) + posOffset; break;
    case fsFromMark: target = here + posOffset; break;
    default: return paramErr;
  }
  if (target < 0) return posErr;
  OSErr err = noErr;
  if (target > long(st.st_size)) {
    target = long(st.st_size);
    err = eofErr;
  }
  if (::lseek(f->fd, off_t(target), SEEK_SET) < 0) return vokfile::fail("cannot position in", f->path, errno);
  return err;
}

OSErr FSClose(short refNum) {
  OpenFile* f = lookup(refNum);
  if (!f) return rfNumErr;
  OSErr err = noErr;
  if (::close(f->fd) != 0) err = vokfile::fail("cannot close", f->path, errno);
  openFiles().erase(refNum);
  return err;
}

