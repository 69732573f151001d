// Reading a data file into s_sg:
//   1. check the start of the file (empty, not text, no header, more
//      columns than allowed) before anything in s_sg changes, so a
//      refused file leaves the old data;
//   2. the header: 1 + its tabs columns, names from its words;
//   3. tables: made on the first read (with the per-series arrays), remade
//      when a file has other columns or rows (sized by the file, at most
//      dataNumber);
//   4. rows: stored while they fit; when the tables fill up they are freed,
//      the remaining rows only counted, tables of count + 1 rows made and
//      the file read again from its start;
//   5. cells of rows beyond the new count that still hold an earlier file's
//      values are cleared, then the statistics and the default frame range.
// Lines are read whole up to 16 MiB, so a long line is one row.
#include <sys/mman.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <climits>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "vok/frame/messages.h"
#include "vok/graph/sheet_data.h"
#include "vok/graph/sheet_internal.h"
#include "vok/util/arrays.h"

SGTables s_sgTables;

namespace {
constexpr size_t kSniff = 65536;  // bytes looked at to tell text from binary

inline bool isSpace(char c) { return c == ' ' || static_cast<unsigned char>(c - '\t') < 5; }

int fail(int status, char* message, size_t size, const char* format, ...) __attribute__((format(printf, 4, 5)));
int fail(int status, char* message, size_t size, const char* format, ...) {
  if (message && size) {
    va_list ap;
    va_start(ap, format);
    std::vsnprintf(message, size, format, ap);
    va_end(ap);
  }
  return status;
}

// Binary files and UTF-16 text hold NUL bytes early (checked on the first
// block); a header line with control characters other than white space is
// not a header of names either.
bool headerHasControls(const char* header, size_t headerLength) {
  for (size_t i = 0; i < headerLength; ++i) {
    unsigned char c = static_cast<unsigned char>(header[i]);
    if ((c < 0x20 && !isSpace(char(c))) || c == 0x7f) return true;
  }
  return false;
}

bool hasWord(const char* text, size_t length) {
  for (size_t i = 0; i < length; ++i)
    if (!isSpace(text[i])) return true;
  return false;
}

void freeTables() {
  FreeArrayDouble2(s_sg.data, s_sgTables.columns, s_sgTables.rows);
  FreeArrayInt2(s_sg.valid, s_sgTables.columns, s_sgTables.rows);
  s_sg.data = nullptr;
  s_sg.valid = nullptr;
  s_sgTables.rows = s_sgTables.dirtyRows = 0;  // columns stays: the width to remake
}

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23
#endif

// Faults in, in one call, the pages of the rows the file is expected to
// fill, in huge pages where the kernel offers them: a million-row table
// otherwise takes tens of thousands of page faults as it is filled. Only
// hints; kernels without them just fault the pages in later.
void populate(void* block, size_t bytes) {
  const uintptr_t page = 4096, huge = uintptr_t(1) << 21;
  uintptr_t start = uintptr_t(block), stop = start + bytes;
  uintptr_t hugeFirst = (start + huge - 1) & ~(huge - 1), hugeLast = stop & ~(huge - 1);
  if (hugeLast > hugeFirst) madvise(reinterpret_cast<void*>(hugeFirst), hugeLast - hugeFirst, MADV_HUGEPAGE);
  uintptr_t first = (start + page - 1) & ~(page - 1), last = stop & ~(page - 1);
  if (last > first + 16 * page) madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
}

void makeTables(int columns, int rows, long long expectedRows) {
  s_sg.data = MakeArrayDouble2(columns, rows);
  s_sg.valid = MakeArrayInt2(columns, rows);
  size_t filled = size_t(expectedRows < rows ? (expectedRows > 0 ? expectedRows : 0) : rows);
  for (int c = 0; c < columns && filled; ++c) {
    populate(s_sg.data[c], sizeof(double) * filled);
    populate(s_sg.valid[c], sizeof(int) * filled);
  }
  s_sgTables.columns = columns;
  s_sgTables.rows = rows;
  s_sgTables.dirtyRows = 0;
}

// The header: column count, names (at most kSGColumnNameMax characters each;
// missing words leave names empty), and the line itself.
void readHeader(const char* text, size_t length) {
  if (length >= 3 && std::memcmp(text, "\xEF\xBB\xBF", 3) == 0) text += 3, length -= 3;  // UTF-8 mark
  size_t kept = length < sizeof s_sg.line ? length : sizeof s_sg.line - 1;
  std::memcpy(s_sg.line, text, kept);
  s_sg.line[kept] = 0;
  long columns = 1;
  for (size_t i = 0; i < length; ++i) columns += text[i] == '\t';
  if (columns > INT_MAX / 2) s_OOMError();
  s_sg.columnCount = int(columns);
  if (s_sgTables.nameSlots < s_sg.columnCount) {
    // The old block stays allocated: dialog parameters may point into it.
    s_sg.columnNames = static_cast<char(*)[kSGColumnNameSlot]>(CheckCalloc(size_t(columns), kSGColumnNameSlot));
    s_sgTables.nameSlots = s_sg.columnCount;
  }
  const char* p = text;
  const char* end = text + length;
  for (int c = 0; c < s_sg.columnCount; ++c) {
    char* name = s_sg.columnNames[c];
    while (p < end && isSpace(*p)) ++p;
    const char* word = p;
    while (p < end && !isSpace(*p)) ++p;
    size_t n = size_t(p - word) < size_t(kSGColumnNameMax) ? size_t(p - word) : size_t(kSGColumnNameMax);
    std::memcpy(name, word, n);
    name[n] = 0;
  }
  // Slots past this file's columns (of a wider earlier file) show nothing.
  for (int c = s_sg.columnCount; c < s_sgTables.nameSlots; ++c)
    std::memset(s_sg.columnNames[c], 0, kSGColumnNameSlot);
}

// First read: the per-series arrays, series 1 on columns 1, 2 and 3.
void makeSeriesArrays() {
  if (s_sg.seriesCount <= 0) {
    int n = s_sg.columnCount < s_sg.maxSeries ? s_sg.columnCount : s_sg.maxSeries;
    s_sg.seriesCount = n < 1 ? 1 : n;
  }
  int n = s_sg.seriesCount;
  s_sg.seriesX = MakeArrayInt1(n), s_sg.seriesY = MakeArrayInt1(n), s_sg.seriesF = MakeArrayInt1(n);
  s_sg.seriesSD = MakeArrayInt1(n), s_sg.noLine = MakeArrayInt1(n), s_sg.dataMark = MakeArrayInt1(n);
  s_sg.markRadius = MakeArrayInt1(n), s_sg.dataColor = MakeArrayInt1(n);
  s_sg.seriesMin = MakeArrayDouble1(n), s_sg.seriesMax = MakeArrayDouble1(n), s_sg.penWidth = MakeArrayDouble1(n);
  s_sg.seriesX[0] = 1, s_sg.seriesY[0] = 2, s_sg.seriesF[0] = 3;
  for (int i = 0; i < n; ++i) s_sg.penWidth[i] = s_sg.markRadius[i] = s_sg.dataColor[i] = i + 1;
  s_sgTables.seriesMade = true;
}

// Rows of the tables: the capacity, or fewer when the file is known to be
// shorter (a wide file of a few rows must not take capacity x columns).
int tableRows(long long expectedRows) {
  if (expectedRows <= 0) return s_sg.dataNumber;
  long long rows = expectedRows + expectedRows / 16 + 16;
  return rows < s_sg.dataNumber ? int(rows) : s_sg.dataNumber;
}

void prepareTables(long long expectedRows) {
  if (!s_sgTables.seriesMade) makeSeriesArrays();
  if (s_sg.dataNumber < 1) s_sg.dataNumber = 1;
  int columns = s_sg.columnCount;  // not an earlier, wider file's: readers check both widths
  int rows = tableRows(expectedRows);
  if (!s_sg.data || columns != s_sgTables.columns || rows != s_sgTables.rows) {
    freeTables();
    makeTables(columns, rows, expectedRows);
  }
  if (s_sgTables.statColumns < s_sg.columnCount) {
    std::free(s_sg.columnMin), std::free(s_sg.columnMax), std::free(s_sg.columnStep);
    s_sg.columnMin = MakeArrayDouble1(s_sg.columnCount);
    s_sg.columnMax = MakeArrayDouble1(s_sg.columnCount);
    s_sg.columnStep = MakeArrayDouble1(s_sg.columnCount);
    s_sgTables.statColumns = s_sg.columnCount;
  }
}

inline bool isRow(const char* text, size_t length) { return length > 1 || (length == 1 && text[0] != '\r'); }

// One pass over the rows after the header. Stores rows while they fit; when
// growing is allowed and the tables fill up, frees them and counts the rest
// (*outgrown set). Returns the number of rows.
long long readRows(SGLineSource& src, bool mayGrow, bool* outgrown) {
  const int columns = s_sg.columnCount, capacity = s_sgTables.rows;
  long long row = 0;
  const char* text = nullptr;
  size_t length = 0;
  while (!*outgrown && src.next(&text, &length)) {
    if (!isRow(text, length)) continue;
    s_SGScanRow(text, length, SGLineSource::kSlack, columns, s_sg.data, s_sg.valid, int(row));
    if (++row > s_sgTables.dirtyRows) s_sgTables.dirtyRows = int(row);
    if (row < capacity) continue;
    if (!mayGrow) return row;  // the file grew since it was counted: keep what fits
    freeTables();
    *outgrown = true;
  }
  if (*outgrown) row += src.countRows();
  return row;
}

// Columns past this file's (of a wider earlier file): not valid, 0.
void clearUnusedColumns() {
  for (int c = s_sg.columnCount; c < s_sgTables.columns; ++c) {
    std::memset(s_sg.data[c], 0, sizeof(double) * size_t(s_sgTables.dirtyRows));
    std::memset(s_sg.valid[c], 0, sizeof(int) * size_t(s_sgTables.dirtyRows));
  }
}

// Rows beyond the count that an earlier, longer file filled: not valid, 0.
void clearStaleRows(int rows) {
  int stale = s_sgTables.dirtyRows - rows;
  if (stale > 0)
    for (int c = 0; c < s_sgTables.columns; ++c) {
      std::memset(s_sg.data[c] + rows, 0, sizeof(double) * size_t(stale));
      std::memset(s_sg.valid[c] + rows, 0, sizeof(int) * size_t(stale));
    }
  s_sgTables.dirtyRows = rows;
}

// Rows a regular file will give, from the line length of its first block;
// a pipe, held whole, is counted; 0 when that cannot be told. Called before
// the first line is taken: start stays valid only until the buffer grows.
long long estimateRows(FILE* file, SGLineSource& src, const char* start, size_t available) {
  struct stat st;
  int fd = fileno(file);
  if (fd >= 0 && fstat(fd, &st) == 0 && (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode))) {
    long long rows = src.countRows();
    return src.rewind() ? rows : 0;
  }
  if (fd < 0 || fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || available == 0) return 0;
  size_t lines = 0;
  for (const char* p = start; (p = static_cast<const char*>(std::memchr(p, '\n', size_t(start + available - p))));
       ++p)
    ++lines;
  if (lines == 0) return 0;
  return (long long)(double(st.st_size) / (double(available) / double(lines)) * 1.05) + 1;
}

const char* shown(const char* name) { return name && *name ? name : "(unnamed)"; }
}  // namespace

int SGReadFile(FILE* file, const char* name, char* message, size_t messageSize) {
  if (message && messageSize) message[0] = 0;
  SGLineSource src(file);
  size_t available = 0;
  const char* start = src.begin() ? src.peek(kSniff, &available) : nullptr;
  if (src.failed())
    return fail(kSGReadIOError, message, messageSize, "Error in SGInit: cannot read \"%s\": %s\n", shown(name),
                src.reason());
  if (available == 0) return fail(kSGReadEmpty, message, messageSize, "Error in SGInit: \"%s\" is empty\n", shown(name));
  bool binary = std::memchr(start, 0, available < kSniff ? available : kSniff) != nullptr;
  if (binary)
    return fail(kSGReadNotText, message, messageSize,
                "Error in SGInit: \"%s\" is not a text file (binary data or UTF-16)\n", shown(name));
  long long expectedRows = estimateRows(file, src, start, available);
  const char* header = nullptr;
  size_t headerLength = 0;
  src.next(&header, &headerLength);
  if (src.tooLong())
    return fail(kSGReadNotText, message, messageSize, "Error in SGInit: cannot read \"%s\": %s\n", shown(name),
                src.reason());
  if (headerHasControls(header, headerLength))
    return fail(kSGReadNotText, message, messageSize,
                "Error in SGInit: \"%s\" is not a text file (binary data or UTF-16)\n", shown(name));
  if (!hasWord(header, headerLength))
    return fail(kSGReadNoHeader, message, messageSize,
                "Error in SGInit: \"%s\" has no header line of column names\n", shown(name));
  long columns = 1 + std::count(header, header + headerLength, '\t');
  if (s_sgTables.columnLimit > 0 && columns > s_sgTables.columnLimit) {
    if (s_sgTables.limitIsFirstFile)
      return fail(kSGReadTooWide, message, messageSize,
                  "Error in SGInit: \"%s\" has %ld columns, more than the %d of the first data file; start the "
                  "program again to read it\n",
                  shown(name), columns, s_sgTables.columnLimit);
    return fail(kSGReadTooWide, message, messageSize,
                "Error in SGInit: \"%s\" has %ld columns; at most %d can be read\n", shown(name), columns,
                s_sgTables.columnLimit);
  }

  s_sg.file = file;
  ++s_sgTables.reads;
  readHeader(header, headerLength);
  prepareTables(expectedRows);
  clearUnusedColumns();
  bool outgrown = false;
  long long rows = readRows(src, true, &outgrown);
  if (outgrown) {
    if (rows + 1 > INT_MAX) s_OOMError();
    if (rows + 1 > s_sg.dataNumber) s_sg.dataNumber = int(rows + 1);
    makeTables(s_sgTables.columns, int(rows + 1), rows);
    rows = 0;
    outgrown = false;
    if (src.rewind() && src.next(&header, &headerLength)) rows = readRows(src, false, &outgrown);
  }
  s_sg.dataCount = long(rows);
  clearStaleRows(s_sg.dataCount);
  s_sg.file = nullptr;
  SGSeriesRange();
  s_SGSetDefaultFrameRange();
  if (src.failed())
    return fail(kSGReadCutShort, message, messageSize,
                "Error in SGInit: cannot read \"%s\" to its end: %s; the rows before are kept\n", shown(name),
                src.reason());
  return kSGReadOK;
}

int SGReadPath(const char* path, char* message, size_t messageSize) {
  FILE* f = std::fopen(path, "rb");
  if (!f)
    return fail(kSGReadCannotOpen, message, messageSize, "Error in SGInit: cannot open \"%s\": %s\n", shown(path),
                std::strerror(errno));
  int status = SGReadFile(f, path, message, messageSize);
  std::fclose(f);
  return status;
}
