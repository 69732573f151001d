// Scanning one data row. Field i is the text after the (i-1)-th tab; its
// value is what "%lf" reads from the field's first word (up to the first
// white space). The fast scanner reads plain decimals itself, other numerals
// with std::from_chars, and takes a result only when it consumed the whole
// word; any other word (a suffix such as "3.5kg", a sign '+', hexadecimal,
// overflow) goes through sscanf, so both scanners give the same values for
// every line. A field that is not a finite number is not valid and its cell
// is 0.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "vok/graph/sheet_internal.h"
#include "vok/graph/sheet_scan.h"

namespace {
inline bool isSpace(char c) { return c == ' ' || static_cast<unsigned char>(c - '\t') < 5; }

// a / b. The packed SSE2 division is used even for one value: on some
// processors it is several times faster than the scalar one, same result.
inline double divide(double a, double b) {
#if defined(__SSE2__)
  return _mm_cvtsd_f64(_mm_div_pd(_mm_set_sd(a), _mm_set1_pd(b)));
#else
  return a / b;
#endif
}

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
// Value of the n (1 ... 8) digit bytes at the bottom of a (each 0 ... 9).
inline uint64_t swarValue(uint64_t a, int n) {
  a <<= 8 * (8 - n);  // the digits as the low end of eight, leading zeros in front
  a = a * 10 + (a >> 8);
  return (((a & 0x000000FF000000FFull) * (100 + (1000000ull << 32))) +
          (((a >> 16) & 0x000000FF000000FFull) * (1 + (10000ull << 32)))) >>
         32;
}

// The short numerals that fill most tables, ddd or ddd.ddd within eight
// bytes, read from one 8-byte load: the point is squeezed out and all digits
// converted at once. Returns the end, or null to leave it to digitRun.
inline const char* parseShort(const char* p, const char* end, uint64_t* w, int* exponent) {
  uint64_t x;
  std::memcpy(&x, p, 8);
  uint64_t a = x ^ 0x3030303030303030ull;
  uint64_t nonDigit = (((a & 0x7F7F7F7F7F7F7F7Full) + 0x7676767676767676ull) | a) & 0x8080808080808080ull;
  if (!nonDigit) return nullptr;
  int n1 = __builtin_ctzll(nonDigit) >> 3;
  if (n1 > end - p) return nullptr;
  if (p + n1 == end || p[n1] != '.') {
    if (n1 == 0) return nullptr;
    *w = swarValue(a, n1), *exponent = 0;
    return p + n1;
  }
  uint64_t after = nonDigit & ~((uint64_t(2) << (8 * n1 + 7)) - 1);  // flags past the point
  if (!after) return nullptr;
  int n2 = __builtin_ctzll(after) >> 3, digits = n2 - 1;
  if (n2 > end - p || digits == 0) return nullptr;
  uint64_t below = n1 ? (~uint64_t(0) >> (64 - 8 * n1)) : 0, upTo = ~uint64_t(0) >> (64 - 8 * digits);
  *w = swarValue((a & below) | ((a >> 8) & upTo & ~below), digits);
  *exponent = n1 - digits;
  return p + n2;
}
#endif

// The run of decimal digits at p (stopping at end, at most 20 counted) and
// the value of its first 19. When p + 8 <= readable, eight bytes are looked
// at together: bytes between end and readable may be read, never used.
inline int digitRun(const char* p, const char* end, const char* readable, uint64_t* value) {
  int n = 0;
  uint64_t v = 0;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  if (readable - p >= 8) {
    uint64_t x;
    std::memcpy(&x, p, 8);
    uint64_t a = x ^ 0x3030303030303030ull;  // digits become 0 ... 9
    uint64_t nonDigit = (((a & 0x7F7F7F7F7F7F7F7Full) + 0x7676767676767676ull) | a) & 0x8080808080808080ull;
    n = nonDigit ? __builtin_ctzll(nonDigit) >> 3 : 8;
    if (n > end - p) n = int(end - p);
    if (n == 0) {
      *value = 0;
      return 0;
    }
    v = swarValue(a, n);
    if (n < 8) {
      *value = v;
      return n;
    }
  }
#endif
  for (p += n; p < end && unsigned(*p - '0') < 10 && n < 20; ++p, ++n)
    if (n < 19) v = v * 10 + unsigned(*p - '0');
  *value = v;
  return n;
}

// w * 10^exponent with the sign, for w <= 2^53 and |exponent| <= 22.
inline const char* finish(const char* end, uint64_t w, int exponent, bool negative, double* value) {
  static const double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                  1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  double v = double(w);
  v = exponent < 0 ? divide(v, kPow10[-exponent]) : v * kPow10[exponent];
  uint64_t bits;  // the sign without a branch: signs in a column rarely follow a pattern
  std::memcpy(&bits, &v, sizeof v);
  bits |= uint64_t(negative) << 63;
  std::memcpy(value, &bits, sizeof bits);
  return end;
}

// Plain decimals such as -12.345 or 6e-3, with at most 19 digits whose value
// is below 2^53 and a power of ten within 1e22: then w * 10^e (or w / 10^-e)
// is one correctly rounded operation on exact operands, the same double that
// strtod gives. Returns the end of the numeral, or null for anything else.
const char* parsePlain(const char* p, const char* end, const char* readable, double* value) {
  static const uint64_t kPow10u[] = {1ull, 10ull, 100ull, 1000ull, 10000ull, 100000ull, 1000000ull, 10000000ull,
                                     100000000ull, 1000000000ull, 10000000000ull, 100000000000ull,
                                     1000000000000ull, 10000000000000ull, 100000000000000ull,
                                     1000000000000000ull, 10000000000000000ull, 100000000000000000ull,
                                     1000000000000000000ull, 10000000000000000000ull};
  bool negative = p < end && *p == '-';
  p += negative;
  uint64_t w = 0, fraction = 0;
  int exponent = 0;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  if (readable - p >= 8) {
    const char* q = parseShort(p, end, &w, &exponent);
    if (q && (q == end || (*q != 'e' && *q != 'E'))) return finish(q, w, exponent, negative, value);
    exponent = 0;  // with an exponent: read again below
  }
#endif
  int digits = digitRun(p, end, readable, &w);
  p += digits;
  if (p < end && *p == '.') {
    ++p;
    int n = digitRun(p, end, readable, &fraction);
    p += n;
    if (digits + n > 19) return nullptr;
    w = w * kPow10u[n] + fraction;
    digits += n;
    exponent = -n;
  }
  if (digits == 0 || digits > 19) return nullptr;
  if (p < end && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    bool minus = q < end && *q == '-';
    q += (q < end && (*q == '-' || *q == '+'));
    int e = 0;
    const char* first = q;
    while (q < end && unsigned(*q - '0') < 10 && e < 10000) e = e * 10 + int(*q++ - '0');
    if (q == first) return nullptr;  // "1e" or "1e+": leave it to the full conversion
    exponent += minus ? -e : e;
    p = q;
  }
  if (w > (uint64_t(1) << 53) || exponent < -22 || exponent > 22) return nullptr;
  return finish(p, w, exponent, negative, value);
}

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

// Any field but a plain decimal: std::from_chars when it reads the whole
// word, else sscanf. False when the field holds no finite number; *wordEnd
// is where the field's word ended.
bool scanOther(const char* p, const char* end, double* v, const char** wordEnd) {
  *wordEnd = p;
  if (isSpace(*p)) return false;  // an empty word
  auto fc = std::from_chars(p, end, *v);
  bool ok;
  if (fc.ec == std::errc() && (fc.ptr == end || isSpace(*fc.ptr))) {
    ok = true;
    *wordEnd = fc.ptr;
  } else {
    ok = scanWordSlow(p, end, v, wordEnd);
  }
  return ok && std::isfinite(*v);
}
}  // namespace

void s_SGScanRow(const char* text, size_t length, size_t slack, int columns, double* const* data, int* const* valid,
                 int row) {
  const char* p = text;
  const char* end = text + length;
  const char* readable = end + slack;
  int c = 0;
  while (c < columns && p < end) {
    double v;
    const char* q = parsePlain(p, end, readable, &v);  // always finite
    if (q && (q == end || isSpace(*q))) {
      data[c][row] = v;
      valid[c][row] = 1;
    } else {
      bool ok = scanOther(p, end, &v, &q);
      data[c][row] = ok ? v : 0.0;
      valid[c][row] = ok;
    }
    ++c;
    if (q >= end) break;
    if (*q == '\t') {
      p = q + 1;
    } else {
      const char* tab = static_cast<const char*>(std::memchr(q, '\t', size_t(end - q)));
      p = tab ? tab + 1 : end;
    }
  }
  for (; c < columns; ++c) data[c][row] = 0.0, valid[c][row] = 0;  // a short row
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
