// EPS recording: the private temporary file that collects the PostScript of
// a drawing, the header written when a recording begins, and the finished
// file (first line, bounding box, then the recording) assembled at the end
// under the name the user chose, written whole or not at all.
#include "vok/draw/eps.h"

#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/base/program.h"
#include "platform/file/file.h"
#include "vok/console/text.h"
#include "vok/draw/drawing_window.h"
#include "vok/draw/eps_internal.h"
#include "vok/draw/file_dialogs.h"
#include "vok/draw/postscript.h"
#include "vok/frame/messages.h"

VOKEPSRecord s_eps = {nullptr, 0, "drawing.eps"};

namespace {
const size_t kRecordingBuffer = 1 << 20;  // the recording's stdio buffer and copy chunk
char tempPath[1024] = "";        // the recording in progress, removed on every way out
std::string nextOutputPath;      // test seam: the next choice of output file
bool haveNextOutputPath = false;
void (*failureReporter)(const char*) = nullptr;

void defaultReport(const char* message) {
  if (s_ss.started) {
    s_printf("%s", message);
    s_AlertFileError(message);
  } else {
    std::fprintf(stderr, "%s: %s", VokProgramName(), message);
  }
}

void report(const std::string& message) { (failureReporter ? failureReporter : defaultReport)(message.c_str()); }

// A notice that needs no answer: the console or standard error, no alert.
void note(const std::string& message) {
  if (failureReporter) failureReporter(message.c_str());
  else if (s_ss.started) s_printf("%s", message.c_str());
  else std::fputs(message.c_str(), stderr);
}

void removeRecording() {
  if (s_eps.file) std::fclose(s_eps.file);
  s_eps.file = nullptr;
  s_eps.active = 0;
  if (tempPath[0]) unlink(tempPath);
  tempPath[0] = 0;
}

// A program that ends while recording leaves no temporary file behind.
void removeRecordingAtExit() {
  if (tempPath[0]) unlink(tempPath);
}

// Creates the recording file privately (mode 0600, a fresh name) in dir;
// null with errno set when it cannot be.
FILE* openTempIn(const char* dir) {
  int n = std::snprintf(tempPath, sizeof tempPath, "%s/VOK-tmp-XXXXXX.eps", dir);
  if (n <= 0 || size_t(n) >= sizeof tempPath) {
    tempPath[0] = 0;
    errno = ENAMETOOLONG;
    return nullptr;
  }
  int fd = mkstemps(tempPath, 4);
  if (fd < 0) {
    tempPath[0] = 0;
    return nullptr;
  }
  FILE* f = fdopen(fd, "w+");
  if (!f) {
    int err = errno;
    close(fd);
    unlink(tempPath);
    tempPath[0] = 0;
    errno = err;
  }
  return f;
}

// The recording file in TMPDIR; when that cannot be had, says why and falls
// back to the system's private temporary folders.
FILE* openPrivateTemp() {
  static bool atexitDone = false;
  if (!atexitDone) atexitDone = std::atexit(removeRecordingAtExit) == 0;
  const char* dir = std::getenv("TMPDIR");
  if (!dir || !*dir) dir = "/tmp";
  FILE* f = openTempIn(dir);
  if (f) return f;
  std::string tried = dir, why = std::strerror(errno);
  for (const char* fallback : {"/tmp", "/var/tmp"}) {
    if (tried == fallback) continue;
    if ((f = openTempIn(fallback))) {
      note("BeginEPSSaving: cannot create the recording file in " + tried + ": " + why + "; " + fallback +
             " is used instead\n");
      return f;
    }
  }
  report("Error in BeginEPSSaving: cannot create the recording file in " + tried + ": " + why +
         "; nothing is saved\n");
  return nullptr;
}

// Asks for the output file with the save dialog (proposing s_eps.fileName).
// The chosen place is not touched until the finished file replaces it, so a
// failed write keeps whatever was there. False when the user cancelled.
bool chooseOutput(std::string* path) {
  if (haveNextOutputPath) {
    *path = nextOutputPath;
    haveNextOutputPath = false;
    return true;
  }
  CGrafPtr port;
  GDHandle device;
  s_GetGWorld(&port, &device);
  if (s_displayWindow) s_SetGWorld(GetWindowPort(s_displayWindow), s_display);
  Boolean good = false;
  OSErr err = VOKChooseSaveFile(s_eps.fileName, FourCC('T', 'E', 'X', 'T'), &s_df.spec, &good);
  s_SetGWorld(port, device);
  if (err != noErr || !good) return false;
  if (!VokSpecToPath(&s_df.spec, path)) {
    report("Error in EndEPSSaving: the chosen file cannot be written\n");
    return false;
  }
  return true;
}

// PostScript strokes are centred on the drawing's coordinates, reaching half a
// point beyond the pixels painted on screen (which hang right and below): a
// vector file's box gets one point more on every side, so that no line at the
// drawing's edge is cut off. An empty drawing keeps its empty box.
const short kStrokeMargin = 1;
void widenForStrokes(Rect* img) {
  if (img->right <= img->left || img->bottom <= img->top) return;
  img->left = short(img->left - kStrokeMargin);
  img->top = short(img->top - kStrokeMargin);
  img->right = short(img->right + kStrokeMargin);
  img->bottom = short(img->bottom + kStrokeMargin);
}

// The recording's bytes appended to `to` by the kernel, without passing
// through this process. Unsupported (nothing written) when the two files do
// not allow it; the caller then copies by hand.
enum class KernelCopy { done, unsupported, failed };

bool unsupported(ssize_t n) {
  return n == 0 || errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP;
}

KernelCopy copyInKernel(int from, int to) {
  struct stat st;
  if (fstat(from, &st) != 0) return KernelCopy::unsupported;
  off_t done = 0;
  while (done < st.st_size) {
    ssize_t n = copy_file_range(from, &done, to, nullptr, size_t(st.st_size - done), 0);
    if (n > 0) continue;
    if (done == 0 && unsupported(n)) break;
    if (n == 0) errno = EIO;
    return KernelCopy::failed;
  }
  while (done < st.st_size) {
    ssize_t n = sendfile(to, from, &done, size_t(st.st_size - done));
    if (n > 0) continue;
    if (done == 0 && unsupported(n)) return KernelCopy::unsupported;
    if (n == 0) errno = EIO;
    return KernelCopy::failed;
  }
  return KernelCopy::done;
}

bool writeEPS(FILE* out, FILE* body, const Rect& img, short height) {
  std::fprintf(out, "%%!PS-Adobe-3.0 EPSF-3.0\n");
  std::fprintf(out, "%%%%BoundingBox: %hd %hd %d %hd\n", img.left, short(height - img.bottom), img.right,
               short(height - img.top));
  if (std::fflush(out) != 0) return false;
  KernelCopy copied = copyInKernel(fileno(body), fileno(out));
  if (copied != KernelCopy::unsupported) return copied == KernelCopy::done;
  std::rewind(body);
  std::vector<char> chunk(kRecordingBuffer);
  size_t n;
  while ((n = std::fread(chunk.data(), 1, chunk.size(), body)) > 0)
    if (std::fwrite(chunk.data(), 1, n, out) != n) return false;
  return !std::ferror(body) && std::fflush(out) == 0 && !std::ferror(out);
}

// Writes the finished file through a temporary file beside the target,
// renamed into place only when complete; reports a failure.
void writeOutput(const std::string& path, const Rect& img, short height) {
  std::string why;
  VokAtomicFile* f = VokAtomicOpen(path, &why);
  if (!f) {
    report("Error in EndEPSSaving: " + why + "\n");  // why names the file
    return;
  }
  if (!writeEPS(VokAtomicStream(f), s_eps.file, img, height)) {
    int err = errno;
    VokAtomicAbort(f);
    report("Error in EndEPSSaving: cannot write " + path + ": " + std::strerror(err) + "\n");
    return;
  }
  if (!VokAtomicCommit(f, FourCC('T', 'E', 'X', 'T'), FourCC('V', 'O', 'K', ' '), &why))
    report("Error in EndEPSSaving: " + why + "\n");
}
}  // namespace

short EPSDrawingHeight() {
  CGrafPtr port = s_UnscaledPort();
  Rect r;
  GetPortBounds(port, &r);
  return r.bottom;
}

void BeginEPSSaving() {
  CGrafPtr display = s_DisplayPort();
  Rect r = {0, 0, 0, 0};
  if (display) GetPortBounds(display, &r);
  short width = short(r.right / s_d_scale);  // kept for the record; only the height is used
  BeginEPSSavingBox(0, 0, width, EPSDrawingHeight());
}

void BeginEPSSavingBox(short /*left*/, short /*top*/, short /*right*/, short bottom) {
  if (s_eps.active) return;  // recordings do not nest: the one in progress goes on
  s_PSSettle();
  s_eps.file = openPrivateTemp();
  if (!s_eps.file) return;
  // A plot of many points writes millions of small fragments: a large buffer
  // keeps the system calls few. It must be ours (stdio ignores the size
  // without one) and must outlive the stream, even at exit.
  static char* const buffer = new char[kRecordingBuffer];
  std::setvbuf(s_eps.file, buffer, _IOFBF, kRecordingBuffer);
  s_eps.active = 1;
  std::fprintf(s_eps.file, "/Times findfont\n12 scalefont setfont\n1 -1 scale\n0 %d translate\n1 setlinecap\n",
               -bottom);
}

void s_EndEPSSavingWith(const Rect* knownImage) {
  if (!s_eps.active) return;
  s_PSSettle();
  s_eps.active = 0;
  bool recorded = std::fflush(s_eps.file) == 0 && !std::ferror(s_eps.file);
  int recordErr = errno;
  Rect img;
  if (knownImage) {
    img = *knownImage;
  } else {
    EPSGetImageRect(&img);
    widenForStrokes(&img);
  }
  short height = EPSDrawingHeight();

  std::string path;
  if (chooseOutput(&path)) {
    if (recorded)
      writeOutput(path, img, height);
    else
      report("Error in EndEPSSaving: cannot write " + path + ": the recording could not be written: " +
             std::strerror(recordErr) + "\n");
  }
  removeRecording();
}

void EndEPSSaving() { s_EndEPSSavingWith(nullptr); }

void SetEPSFileName(const char* name) {
  if (!name) return;
  char base[28];
  std::strncpy(base, name, 27);
  base[27] = 0;
  char* dot = std::strrchr(base, '.');
  if (dot) *dot = 0;
  std::snprintf(s_eps.fileName, sizeof s_eps.fileName, "%s.eps", base);
}

void EPSSetNextOutputPath(const char* path) {
  haveNextOutputPath = path != nullptr;
  nextOutputPath = path ? path : "";
}

void EPSSetFailureReporter(void (*reporter)(const char* message)) { failureReporter = reporter; }

const char* EPSTemporaryPath() { return tempPath; }
