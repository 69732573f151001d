// Inside the spreadsheet reader: what the tables of s_sg were made with, the
// line source, and the two row scanners (the fast one the reader uses and the
// reference that follows the field rules through SScanDoubleTabSeparated;
// they must agree on every line).
#pragma once
#include <sys/types.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <vector>

// Sizes the tables of s_sg were allocated with; dataNumber and columnCount
// are public and may be changed by others, these are what memory holds.
struct SGTables {
  int columns = 0, rows = 0;  // data and valid
  int dirtyRows = 0;          // rows that may hold values of an earlier read
  int statColumns = 0;        // entries of columnMin, columnMax, columnStep
  int nameSlots = 0;          // slots of columnNames
  bool seriesMade = false;    // the per-series arrays exist
  int columnLimit = 0;        // files with more columns are refused (0: any)
  bool limitIsFirstFile = false;  // columnLimit is the first file's width
  long reads = 0;                 // files read into the tables (grids built from older data are stale)
};
extern SGTables s_sgTables;

// Whole lines of a stream, read in blocks: up to kMaxLine bytes, without the
// line feed, cut at a NUL byte (as C strings would be). Only the current line and
// the unread rest are kept, so memory stays small whatever the file's size.
// The stream can be read again from where it started; one that cannot seek
// is held in memory for that.
class SGLineSource {
 public:
  explicit SGLineSource(FILE* f) : f_(f) {}
  bool begin();  // false on a read error
  // At least n bytes from the current position (fewer at the end of the file).
  const char* peek(size_t n, size_t* available);
  bool next(const char** text, size_t* length);  // false at the end
  // Reads to the end, counting the lines that are data rows (text other than
  // nothing or a lone carriage return).
  long long countRows();
  // Bytes that may be read after the line next() gave (for word-wise scanning).
  static constexpr size_t kSlack = 16;
  bool rewind();  // back to where begin() found the stream
  bool failed() const { return error_; }
  int errorNumber() const { return errno_; }
  // A line over kMaxLine, or a stream that cannot seek over kMaxHeld: a
  // device or an endless pipe is refused rather than read into all memory.
  static constexpr size_t kMaxLine = size_t(16) << 20, kMaxHeld = size_t(256) << 20;
  bool tooLong() const { return tooLong_; }
  const char* reason() const;  // why failed(), for a message

 private:
  bool refill();
  FILE* f_;
  std::vector<char> buf_;
  size_t pos_ = 0, end_ = 0, scanned_ = 0;
  off_t start_ = 0;
  bool eof_ = false, error_ = false, seekable_ = false, mayHoldNul_ = false, tooLong_ = false;
  int errno_ = 0;
  int reads_ = 0;
};

// Inline: it runs once per line of a file of millions of lines.
inline bool SGLineSource::next(const char** text, size_t* length) {
  size_t start;
  for (;;) {
    size_t avail = end_ - pos_;
    const char* s = buf_.data() + pos_;
    const void* nl = scanned_ < avail ? std::memchr(s + scanned_, '\n', avail - scanned_) : nullptr;
    if (nl) {
      start = pos_;
      *length = size_t(static_cast<const char*>(nl) - s);
      pos_ += *length + 1;
      break;
    }
    scanned_ = avail;  // refill keeps the unread rest in front, so this offset stays right
    if (!refill()) {
      if (avail == 0 || tooLong_) return false;  // a line cut at the limit is no row
      start = pos_;  // the last line, without a line feed
      *length = avail;
      pos_ = end_;
      break;
    }
  }
  scanned_ = 0;
  *text = buf_.data() + start;
  if (mayHoldNul_) {
    const void* z = std::memchr(*text, 0, *length);
    if (z) *length = size_t(static_cast<const char*>(z) - *text);
  }
  return true;
}

// One data row, text[0 .. length) without its line feed and without NUL:
// stores data[c][row] and valid[c][row] for c = 0 .. columns - 1. The fast
// scanner may read (never use) `slack` bytes after the row.
void s_SGScanRow(const char* text, size_t length, size_t slack, int columns, double* const* data, int* const* valid,
                 int row);
void s_SGScanRowReference(const char* text, size_t length, int columns, double* const* data, int* const* valid,
                          int row);

// The statistics' companion: the default frame range of a series graph.
void s_SGSetDefaultFrameRange();
