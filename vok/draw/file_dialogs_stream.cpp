// The committed-on-close stream of DialogFOpen's write modes, made with
// fopencookie over the platform's atomic file writer, so that callers keep
// the plain FILE* interface (fprintf ... fclose) and still never leave a
// half-written file under the chosen name.
#include "vok/draw/file_dialogs_stream.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/file/file.h"

namespace {
struct Pending {
  VokAtomicFile* file;  // null once dropped at exit
  OSType type, creator;
  int error;  // errno of the first failed write, 0 while all went well
};

// Never destroyed: the exit handler may run after static destructors.
std::vector<Pending*>& pendingList() {
  static auto* list = new std::vector<Pending*>;
  return *list;
}

void forget(Pending* p) {
  auto& list = pendingList();
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i] == p) {
      list.erase(list.begin() + long(i));
      return;
    }
}

// At exit the unclosed streams' temporary files go; the cookies stay
// allocated because stdio flushes the streams after the exit handlers ran.
void dropPendingAtExit() {
  for (Pending* p : pendingList()) {
    VokAtomicAbort(p->file);
    p->file = nullptr;
  }
  pendingList().clear();
}

ssize_t writeCookie(void* cookie, const char* buf, size_t size) {
  auto* p = static_cast<Pending*>(cookie);
  if (!p->file) return ssize_t(size);  // dropped at exit: nothing more is kept
  if (p->error) {
    errno = p->error;
    return 0;
  }
  size_t n = std::fwrite(buf, 1, size, VokAtomicStream(p->file));
  if (n < size) {
    p->error = errno ? errno : EIO;
    errno = p->error;
  }
  return ssize_t(n);
}

int seekCookie(void* cookie, off64_t* offset, int whence) {
  auto* p = static_cast<Pending*>(cookie);
  if (!p->file) return -1;
  FILE* fp = VokAtomicStream(p->file);
  if (fseeko(fp, *offset, whence) != 0) return -1;
  *offset = ftello(fp);
  return *offset < 0 ? -1 : 0;
}

int closeCookie(void* cookie) {
  auto* p = static_cast<Pending*>(cookie);
  forget(p);
  int err = p->error;
  if (p->file) {
    if (err) {
      VokAtomicAbort(p->file);
    } else {
      std::string why;
      errno = 0;
      if (!VokAtomicCommit(p->file, p->type, p->creator, &why)) err = errno ? errno : EIO;
    }
  }
  delete p;
  if (!err) return 0;
  errno = err;
  return -1;
}
}  // namespace

FILE* s_OpenCommittedStream(const std::string& path, OSType type, OSType creator) {
  static bool atExitInstalled = std::atexit(dropPendingAtExit) == 0;
  (void)atExitInstalled;
  errno = 0;
  std::string why;
  VokAtomicFile* file = VokAtomicOpen(path, &why);
  if (!file) {
    if (!errno) errno = EACCES;
    return nullptr;
  }
  auto* p = new Pending{file, type, creator, 0};
  cookie_io_functions_t io = {nullptr, writeCookie, seekCookie, closeCookie};
  FILE* f = fopencookie(p, "w", io);
  if (!f) {
    int err = errno;
    VokAtomicAbort(file);
    delete p;
    errno = err;
    return nullptr;
  }
  pendingList().push_back(p);
  return f;
}
