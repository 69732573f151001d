// An LD_PRELOAD library that makes one file operation fail, to test how
// writers cope with a full disk or a failing device. Only files under
// VFAULT_DIR are touched (fonts, caches and other folders work as usual):
//   VFAULT_OP     open | write | fsync | rename: the operation to fail
//   VFAULT_AT     which call of it fails (1 = the first); 0 or unset: none
//   VFAULT_ERRNO  the error: ENOSPC, EIO, EFBIG or a number
//   VFAULT_REPORT at exit, "open N write N fsync N rename N" goes there
// Opens count when they may create or write; writes count where bytes
// leave the process (a stdio call counts when it reached the kernel, so a
// buffered stream's writes are few); fsync counts on files opened for
// writing; renames count when either name is watched.
#undef _FORTIFY_SOURCE  // the plain stdio entry points are the ones wrapped
#include <dlfcn.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>

namespace {
enum Op { kOpen, kWrite, kFsync, kRename, kOps };
const char* const kOpNames[kOps] = {"open", "write", "fsync", "rename"};
const int kMaxFd = 4096;

struct State {
  bool ready = false;
  char dir[4096] = "";  // with a trailing '/'
  size_t dirLen = 0;
  int failOp = -1, failAt = 0, failErrno = EIO;
  int counts[kOps] = {};
  bool watchedFd[kMaxFd] = {};
} g;

void init() {
  if (g.ready) return;
  g.ready = true;
  const char* dir = getenv("VFAULT_DIR");
  if (dir && *dir && strlen(dir) + 2 < sizeof g.dir) {
    snprintf(g.dir, sizeof g.dir, "%s/", dir);
    g.dirLen = strlen(g.dir);
  }
  const char* op = getenv("VFAULT_OP");
  for (int i = 0; op && i < kOps; ++i)
    if (strcmp(op, kOpNames[i]) == 0) g.failOp = i;
  const char* at = getenv("VFAULT_AT");
  g.failAt = at ? atoi(at) : 0;
  const char* err = getenv("VFAULT_ERRNO");
  if (err && strcmp(err, "ENOSPC") == 0) g.failErrno = ENOSPC;
  else if (err && strcmp(err, "EFBIG") == 0) g.failErrno = EFBIG;
  else if (err && strcmp(err, "EIO") != 0 && atoi(err) > 0) g.failErrno = atoi(err);
}

// The next definition of `name` after this library (libc's, or a sanitizer's).
template <typename F>
F next(F* cache, const char* name) {
  if (!*cache) *cache = reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
  return *cache;
}
#define REAL(name) next(&real_##name, #name)

// True when `path` (absolute, or relative to the working folder) lies under the watched folder.
bool watchedPath(const char* path) {
  init();
  if (!g.dirLen || !path) return false;
  if (path[0] == '/') return strncmp(path, g.dir, g.dirLen) == 0;
  char base[4096], full[8192];
  if (!getcwd(base, sizeof base)) return false;
  snprintf(full, sizeof full, "%s/%s", base, path);
  return strncmp(full, g.dir, g.dirLen) == 0;
}

bool watchedFd(int fd) { return fd >= 0 && fd < kMaxFd && g.watchedFd[fd]; }
bool watchedStream(FILE* f) { return f && watchedFd(fileno(f)); }
void track(int fd, bool on) {
  if (fd >= 0 && fd < kMaxFd) g.watchedFd[fd] = on;
}

// Counts one call of `op`; true (with errno set) when it is the one to fail.
bool hit(Op op) {
  init();
  if (++g.counts[op] != g.failAt || op != g.failOp) return false;
  errno = g.failErrno;
  return true;
}

bool writes(int flags) { return (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC | O_APPEND)) != 0; }
bool writes(const char* mode) { return strpbrk(mode, "wa+") != nullptr; }

// Bytes waiting in a stream's buffer; a call after which fewer wait than
// before plus what it added has written to the file.
size_t pending(FILE* f) { return size_t(f->_IO_write_ptr - f->_IO_write_base); }
bool reachedFile(FILE* f, size_t before, size_t added) { return pending(f) < before + added; }
// A stream whose write failed, as stdio leaves it.
void failStream(FILE* f) { f->_flags |= _IO_ERR_SEEN; }

__attribute__((destructor)) void writeReport() {
  const char* path = getenv("VFAULT_REPORT");
  if (!path) return;
  char text[128];
  int n = snprintf(text, sizeof text, "open %d write %d fsync %d rename %d\n", g.counts[kOpen], g.counts[kWrite],
                   g.counts[kFsync], g.counts[kRename]);
  int fd = int(syscall(SYS_openat, AT_FDCWD, path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (fd < 0) return;
  if (syscall(SYS_write, fd, text, size_t(n)) != n) syscall(SYS_unlinkat, AT_FDCWD, path, 0);
  syscall(SYS_close, fd);
}

int (*real_open)(const char*, int, ...);
FILE* (*real_fopen)(const char*, const char*);
int (*real_mkstemp)(char*), (*real_mkstemps)(char*, int);
int (*real_close)(int);
ssize_t (*real_write)(int, const void*, size_t);
size_t (*real_fwrite)(const void*, size_t, size_t, FILE*);
int (*real_fputs)(const char*, FILE*), (*real_fputc)(int, FILE*);
int (*real_vfprintf)(FILE*, const char*, va_list);
int (*real_fflush)(FILE*), (*real_fclose)(FILE*);
int (*real_fsync)(int);
int (*real_rename)(const char*, const char*);

// An open of `path` that may write: counted, maybe failed, its file tracked.
template <typename Call>
int openWatched(const char* path, bool forWriting, Call call) {
  bool watched = forWriting && watchedPath(path);
  if (watched && hit(kOpen)) return -1;
  int fd = call();
  if (watched) track(fd, true);
  return fd;
}

mode_t modeArg(int flags, va_list ap) { return (flags & (O_CREAT | O_TMPFILE)) ? mode_t(va_arg(ap, int)) : 0; }

// A stdio write of `added` bytes through `call`, failed when it is the one.
template <typename R, typename Call>
R stdioWrite(FILE* f, size_t added, R failed, Call call) {
  if (!watchedStream(f)) return call();
  size_t before = pending(f);
  R result = call();
  if (reachedFile(f, before, added) && hit(kWrite)) {
    failStream(f);
    return failed;
  }
  return result;
}

int vfprintfWatched(FILE* f, const char* format, va_list ap) {
  va_list copy;
  va_copy(copy, ap);
  int added = vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  return stdioWrite(f, size_t(added > 0 ? added : 0), -1, [&] { return REAL(vfprintf)(f, format, ap); });
}
}  // namespace

extern "C" {
int open(const char* path, int flags, ...) {
  va_list ap;
  va_start(ap, flags);
  mode_t mode = modeArg(flags, ap);
  va_end(ap);
  return openWatched(path, writes(flags), [&] { return REAL(open)(path, flags, mode); });
}
FILE* fopen(const char* path, const char* mode) {
  bool watched = writes(mode) && watchedPath(path);
  if (watched && hit(kOpen)) return nullptr;
  FILE* f = REAL(fopen)(path, mode);
  if (watched && f) track(fileno(f), true);
  return f;
}
int mkstemp(char* t) { return openWatched(t, true, [&] { return REAL(mkstemp)(t); }); }
int mkstemps(char* t, int s) { return openWatched(t, true, [&] { return REAL(mkstemps)(t, s); }); }

int close(int fd) {
  track(fd, false);
  return REAL(close)(fd);
}

ssize_t write(int fd, const void* buf, size_t n) {
  if (watchedFd(fd) && hit(kWrite)) return -1;
  return REAL(write)(fd, buf, n);
}

size_t fwrite(const void* p, size_t size, size_t n, FILE* f) {
  return stdioWrite(f, size * n, size_t(0), [&] { return REAL(fwrite)(p, size, n, f); });
}
int fputs(const char* s, FILE* f) { return stdioWrite(f, strlen(s), EOF, [&] { return REAL(fputs)(s, f); }); }
int fputc(int c, FILE* f) { return stdioWrite(f, 1, EOF, [&] { return REAL(fputc)(c, f); }); }
int vfprintf(FILE* f, const char* format, va_list ap) { return vfprintfWatched(f, format, ap); }
int fprintf(FILE* f, const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  int n = vfprintfWatched(f, format, ap);
  va_end(ap);
  return n;
}

// Flushing a stream with bytes waiting writes them.
int fflush(FILE* f) {
  if (watchedStream(f) && pending(f) > 0 && hit(kWrite)) {
    failStream(f);
    return EOF;
  }
  return REAL(fflush)(f);
}
int fclose(FILE* f) {
  bool failed = watchedStream(f) && pending(f) > 0 && hit(kWrite);
  int err = errno;
  track(fileno(f), false);
  int result = REAL(fclose)(f);
  if (!failed) return result;
  errno = err;
  return EOF;
}

int fsync(int fd) { return watchedFd(fd) && hit(kFsync) ? -1 : REAL(fsync)(fd); }

int rename(const char* from, const char* to) {
  if ((watchedPath(from) || watchedPath(to)) && hit(kRename)) return -1;
  return REAL(rename)(from, to);
}
}  // extern "C"
