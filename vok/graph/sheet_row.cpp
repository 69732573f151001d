// Scanning one data row. Field i is the text after the (i-1)-th tab; its
// value is what "%lf" reads from the field's first word (up to the first
// white space). The fast scanner reads a word with std::from_chars and takes
// the result only when that consumed the whole word; any other word (a
// suffix such as "3.5kg", a sign '+', hexadecimal, overflow) goes through
// sscanf, so both scanners give the same values for every line. A field that
// is not a finite number is not valid and its cell is 0.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "vok/graph/sheet_internal.h"
#include "vok/graph/sheet_scan.h"

namespace {
inline bool isSpace(char c) { return c == ' ' || static_cast<unsigned char>(c - '\t') < 5; }

// The word at p read with "%lf"; *wordEnd is set to the first white space.
bool scanWordSlow(const char* p, const char* end, double* value, const char** wordEnd) {
  const char* q = p;
  while (q < end && !isSpace(*q)) ++q;
  *wordEnd = q;
  char small[256];
  std::string big;
  const char* word = small;
  size_t n = size_t(q - p);
  if (n < sizeof small) {
    std::memcpy(small, p, n);
    small[n] = 0;
  } else {
    big.assign(p, n);
    word = big.c_str();
  }
  return std::sscanf(word, "%lf", value) == 1;
}

inline void store(double* const* data, int* const* valid, int c, int row, bool ok, double v) {
  ok = ok && std::isfinite(v);
  data[c][row] = ok ? v : 0.0;
  valid[c][row] = ok ? 1 : 0;
}
}  // namespace

void s_SGScanRow(const char* text, size_t length, int columns, double* const* data, int* const* valid, int row) {
  const char* p = text;
  const char* end = text + length;
  int c = 0;
  for (; c < columns && p < end; ++c) {
    double v = 0;
    bool ok = false;
    const char* q = p;  // where the word ended
    if (!isSpace(*p)) {
      auto r = std::from_chars(p, end, v);
      if (r.ec == std::errc() && (r.ptr == end || isSpace(*r.ptr))) {
        ok = true;
        q = r.ptr;
      } else {
        ok = scanWordSlow(p, end, &v, &q);
      }
    }
    store(data, valid, c, row, ok, v);
    const char* tab = (q < end && *q == '\t') ? q : static_cast<const char*>(std::memchr(q, '\t', size_t(end - q)));
    p = tab ? tab + 1 : end;
  }
  for (; c < columns; ++c) store(data, valid, c, row, false, 0.0);  // a short row
}

void s_SGScanRowReference(const char* text, size_t length, int columns, double* const* data, int* const* valid,
                          int row) {
  std::string line(text, length);
  line += '\n';
  char* pos = &line[0];
  for (int c = 0; c < columns; ++c) {
    double v = 0;
    bool ok = SScanDoubleTabSeparated(&pos, &v, 1) > 0;
    store(data, valid, c, row, ok, v);
  }
}
