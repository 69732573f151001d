// The line source of the reader: blocks read with fread (64 KiB at first,
// doubling to 256 KiB, which stays in the processor's cache while it is
// scanned), lines found with memchr.
#include <cerrno>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "vok/graph/sheet_internal.h"

namespace {
constexpr size_t kFirstBlock = size_t(1) << 16, kBlock = size_t(1) << 18;
}

// The buffer always holds kSlack bytes more than its usable size, so that a
// line's scanner can read a little past the line.
bool SGLineSource::begin() {
  buf_.resize(kFirstBlock + kSlack);
  start_ = ftello(f_);
  seekable_ = start_ >= 0 && fseeko(f_, start_, SEEK_SET) == 0;
  if (!seekable_) {
    while (refill()) {  // a pipe: keep all of it for the second reading, unless binary (refused)
      if (mayHoldNul_ && std::memchr(buf_.data(), 0, end_ < kFirstBlock ? end_ : kFirstBlock)) break;
    }
  }
  return !error_;
}

bool SGLineSource::refill() {
  if (eof_) return false;
  if (pos_ > 0) {
    std::memmove(buf_.data(), buf_.data() + pos_, end_ - pos_);
    end_ -= pos_;
    pos_ = 0;
  }
  size_t capacity = buf_.size() - kSlack;
  if (end_ == capacity || (reads_++ > 0 && capacity < kBlock)) {  // a long line, or a large file
    if (end_ == capacity && capacity >= (seekable_ ? kMaxLine : kMaxHeld)) {
      eof_ = error_ = tooLong_ = true;
      errno_ = EFBIG;
      return false;
    }
    capacity *= 2;
    buf_.resize(capacity + kSlack);
  }
  size_t want = capacity - end_;
  size_t n = std::fread(buf_.data() + end_, 1, want, f_);
  if (n && !mayHoldNul_ && std::memchr(buf_.data() + end_, 0, n)) mayHoldNul_ = true;
  end_ += n;
  if (n < want) {
    eof_ = true;
    if (std::ferror(f_)) {
      error_ = true;
      errno_ = errno ? errno : EIO;
    }
  }
  return n > 0;
}

const char* SGLineSource::reason() const {
  if (!tooLong_) return std::strerror(errno_);
  return seekable_ ? "a line is longer than 16 MiB" : "it gives more than 256 MiB without an end";
}

const char* SGLineSource::peek(size_t n, size_t* available) {
  while (end_ - pos_ < n && refill()) {
  }
  *available = end_ - pos_;
  return buf_.data() + pos_;
}

bool SGLineSource::rewind() {
  scanned_ = 0;
  if (!seekable_) {
    pos_ = 0;
    return true;
  }
  if (fseeko(f_, start_, SEEK_SET) != 0) {
    error_ = true;
    errno_ = errno;
    return false;
  }
  std::clearerr(f_);
  pos_ = end_ = 0;
  eof_ = false;
  return true;
}

namespace {
// Rows among the complete lines of text[0 .. n), which starts a line and
// ends with a line feed: line feeds, less those ending an empty line (one
// right after a line feed, or after a carriage return that follows one).
long long countLineRows(const char* text, size_t n) {
  long long lines = 0, empty = 0;
  size_t i = 0;
#if defined(__SSE2__)
  const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r');
  __m128i prev = lf;  // what lies before the start counts as a line feed
  while (n - i >= 16) {
    __m128i lineAcc = _mm_setzero_si128(), emptyAcc = lineAcc;
    for (int k = 0; k < 255 && n - i >= 16; ++k, i += 16) {  // byte counters: flush before they wrap
      __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
      __m128i before1 = _mm_or_si128(_mm_slli_si128(x, 1), _mm_srli_si128(prev, 15));
      __m128i before2 = _mm_or_si128(_mm_slli_si128(x, 2), _mm_srli_si128(prev, 14));
      __m128i isLF = _mm_cmpeq_epi8(x, lf);
      __m128i afterBreak = _mm_or_si128(_mm_cmpeq_epi8(before1, lf),
                                        _mm_and_si128(_mm_cmpeq_epi8(before1, cr), _mm_cmpeq_epi8(before2, lf)));
      lineAcc = _mm_sub_epi8(lineAcc, isLF);
      emptyAcc = _mm_sub_epi8(emptyAcc, _mm_and_si128(isLF, afterBreak));
      prev = x;
    }
    __m128i zero = _mm_setzero_si128();
    __m128i a = _mm_sad_epu8(lineAcc, zero), b = _mm_sad_epu8(emptyAcc, zero);
    lines += _mm_cvtsi128_si32(a) + _mm_cvtsi128_si32(_mm_srli_si128(a, 8));
    empty += _mm_cvtsi128_si32(b) + _mm_cvtsi128_si32(_mm_srli_si128(b, 8));
  }
#endif
  for (; i < n; ++i) {
    if (text[i] != '\n') continue;
    char b1 = i >= 1 ? text[i - 1] : '\n', b2 = i >= 2 ? text[i - 2] : '\n';
    ++lines;
    empty += b1 == '\n' || (b1 == '\r' && b2 == '\n');
  }
  return lines - empty;
}
}  // namespace

long long SGLineSource::countRows() {
  long long rows = 0;
  for (;;) {
    if (mayHoldNul_) {  // NUL bytes end a line's text: line by line
      const char* text;
      size_t length;
      while (next(&text, &length)) rows += length > 1 || (length == 1 && text[0] != '\r');
      return rows;
    }
    const char* s = buf_.data() + pos_;
    const char* last = static_cast<const char*>(memrchr(s, '\n', end_ - pos_));
    if (last) {  // whole lines only, so that each block starts a line
      size_t n = size_t(last - s) + 1;
      rows += countLineRows(s, n);
      pos_ += n;
    }
    if (!refill()) break;
  }
  size_t rest = end_ - pos_;  // a last line without a line feed
  rows += rest > 1 || (rest == 1 && buf_[pos_] != '\r');
  pos_ = end_;
  return rows;
}
