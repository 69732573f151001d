// Atomic whole-file writes: a temporary file beside the target takes the
// content, is synced, gets the target's permissions and type attributes, and
// is renamed over the target. Until that rename the old file is untouched;
// on any failure the temporary file is removed and the reason reported.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/file/file.h"
#include "platform/file/file_internal.h"

struct VokAtomicFile {
  std::string target, temp;
  FILE* fp = nullptr;
};

namespace {
std::string errorText(const char* what, const std::string& path, int err) {
  return std::string(what) + " " + path + ": " + std::strerror(err);
}

int g_lastErr = 0;

void report(std::string* error, const std::string& text, int err) {
  g_lastErr = err;
  vokfile::setErrorText(text);
  if (error) *error = text;
}

// Permissions for the new file: the old file's, else 0666 less the umask.
mode_t targetMode(const std::string& target) {
  struct stat st;
  if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void syncFolder(const std::string& target) {
  size_t slash = target.rfind('/');
  std::string folder = slash == 0 ? "/" : target.substr(0, slash);
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    (void)::fsync(fd);
    ::close(fd);
  }
}
}  // namespace

VokAtomicFile* VokAtomicOpen(const std::string& path, std::string* error) {
  std::string target = vokfile::absolutePath(path);
  size_t slash = target.rfind('/');
  if (target.empty() || !VokIsValidFileName(target.substr(slash + 1))) {
    report(error, "cannot write " + path + ": not a usable file name", EINVAL);
    return nullptr;
  }
  struct stat st;
  if (::stat(target.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    report(error, errorText("cannot write", target, EISDIR), EISDIR);
    return nullptr;
  }
  std::string name = target.substr(slash + 1);
  std::string temp = target.substr(0, slash + 1) + "." + name.substr(0, 200) + ".XXXXXX";
  int fd = ::mkstemp(&temp[0]);
  if (fd < 0) {
    int err = errno;
    report(error, errorText("cannot write", target, err), err);
    return nullptr;
  }
  FILE* fp = ::fdopen(fd, "wb");
  if (!fp) {
    int err = errno;
    ::close(fd);
    ::unlink(temp.c_str());
    report(error, errorText("cannot write", target, err), err);
    return nullptr;
  }
  auto* f = new VokAtomicFile;
  f->target = target;
  f->temp = temp;
  f->fp = fp;
  return f;
}

FILE* VokAtomicStream(VokAtomicFile* f) { return f ? f->fp : nullptr; }

void VokAtomicAbort(VokAtomicFile* f) {
  if (!f) return;
  if (f->fp) std::fclose(f->fp);
  ::unlink(f->temp.c_str());
  delete f;
}

bool VokAtomicCommit(VokAtomicFile* f, OSType type, OSType creator, std::string* error) {
  if (!f) return false;
  int err = 0;
  if (std::fflush(f->fp) != 0 || std::ferror(f->fp)) err = errno ? errno : EIO;
  if (!err && ::fsync(fileno(f->fp)) != 0 && errno != EINVAL) err = errno;
  if (!err && ::fchmod(fileno(f->fp), targetMode(f->target)) != 0) err = errno;
  if (std::fclose(f->fp) != 0 && !err) err = errno ? errno : EIO;
  f->fp = nullptr;
  if (!err) {
    VokSetFileTypes(f->temp, type, creator);
    if (::rename(f->temp.c_str(), f->target.c_str()) != 0) err = errno;
  }
  if (err) {
    ::unlink(f->temp.c_str());
    report(error, errorText("cannot write", f->target, err), err);
    delete f;
    return false;
  }
  syncFolder(f->target);
  delete f;
  return true;
}

bool VokWriteFileAtomic(const std::string& path, const void* data, size_t size, OSType type, OSType creator,
                        std::string* error) {
  VokAtomicFile* f = VokAtomicOpen(path, error);
  if (!f) return false;
  if (size > 0 && std::fwrite(data, 1, size, f->fp) != size) {
    int err = errno ? errno : EIO;
    std::string target = f->target;
    VokAtomicAbort(f);
    report(error, errorText("cannot write", target, err), err);
    return false;
  }
  return VokAtomicCommit(f, type, creator, error);
}

OSErr FSpWriteFileAtomic(const FSSpec* spec, const void* data, size_t size, OSType type, OSType creator) {
  std::string path;
  if (!VokSpecToPath(spec, &path)) {
    report(nullptr, "not a usable FSSpec", EINVAL);
    return bdNamErr;
  }
  if (VokWriteFileAtomic(path, data, size, type, creator, nullptr)) return noErr;
  OSErr err = VokErrnoToOSErr(g_lastErr);
  return err == noErr ? OSErr(ioErr) : err;
}

bool VokMakeParentFolders(const std::string& path) {
  for (size_t i = 1; i < path.size(); ++i) {
    if (path[i] != '/') continue;
    std::string part = path.substr(0, i);
    if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
  }
  return true;
}
