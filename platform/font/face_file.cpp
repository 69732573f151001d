// Opens a font file for FreeType through pread rather than a mapping of the
// whole file: FreeType then copies in only the tables and glyphs it uses,
// where a mapping would bring in every page near each one it touches (a
// quarter to a half of a large font file per face, held for the whole run).
#include "platform/font/face_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>

namespace vokfont {
namespace {

unsigned long readAt(FT_Stream stream, unsigned long offset, unsigned char* buffer, unsigned long count) {
  // A count of 0 is a seek, checked by FreeType against the size.
  if (count == 0) return offset <= stream->size ? 0 : 1;
  int fd = int(stream->descriptor.value);
  unsigned long done = 0;
  while (done < count) {
    ssize_t n = pread(fd, buffer + done, count - done, off_t(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += (unsigned long)n;
  }
  return done;
}

void closeStream(FT_Stream stream) {
  close(int(stream->descriptor.value));
  delete stream;
}
}  // namespace

FT_Error OpenFaceFile(FT_Library library, const char* path, long index, FT_Face* face) {
  *face = nullptr;
  int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return FT_Err_Cannot_Open_Resource;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0 || st.st_size > 0x7FFFFFFF) {
    close(fd);
    return FT_Err_Cannot_Open_Resource;
  }
  auto* stream = new (std::nothrow) FT_StreamRec{};
  if (!stream) {
    close(fd);
    return FT_Err_Out_Of_Memory;
  }
  stream->size = (unsigned long)st.st_size;
  stream->descriptor.value = fd;
  stream->read = readAt;
  stream->close = closeStream;
  FT_Open_Args args{};
  args.flags = FT_OPEN_STREAM;
  args.stream = stream;
  // FreeType closes the stream itself, on failure too.
  return FT_Open_Face(library, &args, index, face);
}
}  // namespace vokfont
