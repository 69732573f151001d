// Fuzz target of the spreadsheet reader: any bytes as a data file, read with
// a small row capacity taken from the input so that growth and re-reading
// run often; the reader's state carries over between inputs as it does for
// "Load New Data". The input is read from a real file (a memfd), as files
// are, and also from memory; when the first byte's high bit is set its first
// line is stretched past the reader's first 64 KiB buffer, so that long
// lines and buffer growth are reached by short inputs. Every line also goes
// through both row scanners, which must agree.
#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "vok/graph/graph_settings.h"
#include "vok/graph/sheet_data.h"
#include "vok/graph/sheet_internal.h"

namespace {
void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

void checkTables() {
  require(s_sg.dataCount >= 0 && s_sg.dataCount <= s_sg.dataNumber, "dataCount within dataNumber");
  for (int c = 0; c < s_sg.columnCount; ++c) {
    for (int r = 0; r < s_sg.dataCount; ++r)
      require(s_sg.valid[c][r] ? std::isfinite(s_sg.data[c][r]) : s_sg.data[c][r] == 0, "cells finite or 0");
    require(s_sg.columnMin[c] <= s_sg.columnMax[c], "column min <= max");
    require(std::strlen(s_sg.columnNames[c]) <= kSGColumnNameMax, "names bounded");
  }
  require(s_g.minFrameX < s_g.maxFrameX && s_g.minFrameY < s_g.maxFrameY, "frame has width");
}

// Both row scanners on one line, compared bit for bit. The fast one sees
// the bytes after the line as its slack, as it does inside the reader.
void compareScanners(const char* text, size_t length, size_t slack) {
  enum { kColumns = 6 };
  double a[kColumns], b[kColumns];
  int va[kColumns], vb[kColumns];
  double* pa[kColumns];
  double* pb[kColumns];
  int* qa[kColumns];
  int* qb[kColumns];
  for (int c = 0; c < kColumns; ++c) pa[c] = &a[c], pb[c] = &b[c], qa[c] = &va[c], qb[c] = &vb[c];
  s_SGScanRow(text, length, slack, kColumns, pa, qa, 0);
  s_SGScanRowReference(text, length, kColumns, pb, qb, 0);
  require(std::memcmp(a, b, sizeof a) == 0 && std::memcmp(va, vb, sizeof va) == 0, "row scanners agree");
}

// The input as a file with a descriptor; when asked, its first line is
// padded with a name past the first buffer (a pad of tabs would make tens of
// thousands of columns and slow every run down).
FILE* asFile(const uint8_t* data, size_t size) {
  static int fd = memfd_create("sheet_read_fuzz", 0);
  if (fd < 0 || ftruncate(fd, 0) != 0 || lseek(fd, 0, SEEK_SET) != 0) return nullptr;
  size_t head = 0;
  if (data[0] & 0x80) {
    const void* nl = std::memchr(data, '\n', size);
    head = nl ? size_t(static_cast<const uint8_t*>(nl) - data) : size;
    static const std::vector<char> pad(70000, 'n');
    if (write(fd, data, head) != ssize_t(head) || write(fd, pad.data(), pad.size()) != ssize_t(pad.size()))
      return nullptr;
  }
  if (head < size && write(fd, data + head, size - head) != ssize_t(size - head)) return nullptr;
  int copy = dup(fd);
  FILE* f = copy >= 0 ? fdopen(copy, "rb") : nullptr;
  if (f) std::rewind(f);
  return f;
}

void readOnce(FILE* f) {
  if (!f) return;
  char message[512];
  if (SGReadFile(f, "fuzz input", message, sizeof message) == kSGReadOK) checkTables();
  std::fclose(f);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  SetGraphDataNumber(1 + data[0] % 32);
  readOnce(asFile(data, size));
  readOnce(fmemopen(const_cast<uint8_t*>(data), size, "rb"));
  const char* text = reinterpret_cast<const char*>(data);
  const char* end = text + size;
  while (text < end) {
    const char* nl = static_cast<const char*>(std::memchr(text, '\n', size_t(end - text)));
    const char* lineEnd = nl ? nl : end;
    const char* nul = static_cast<const char*>(std::memchr(text, 0, size_t(lineEnd - text)));
    const char* rowEnd = nul ? nul : lineEnd;
    size_t slack = size_t(end - rowEnd) < SGLineSource::kSlack ? size_t(end - rowEnd) : SGLineSource::kSlack;
    compareScanners(text, size_t(rowEnd - text), slack);
    text = lineEnd + 1;
  }
  return 0;
}
