// The line source of the reader: blocks of 1 MiB read with fread, lines
// found with memchr. Only the current line and the unread rest are kept, so
// the memory used stays near one block whatever the file's size.
#include <cerrno>
#include <cstring>

#include "vok/graph/sheet_internal.h"

namespace {
constexpr size_t kBlock = size_t(1) << 20;
}

bool SGLineSource::begin() {
  buf_.resize(kBlock);
  start_ = ftello(f_);
  seekable_ = start_ >= 0 && fseeko(f_, start_, SEEK_SET) == 0;
  if (!seekable_) {
    while (refill()) {  // a pipe: keep all of it for the second reading
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
  if (end_ == buf_.size()) buf_.resize(buf_.size() * 2);  // a line longer than the block
  size_t want = buf_.size() - end_;
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

const char* SGLineSource::peek(size_t n, size_t* available) {
  while (end_ - pos_ < n && refill()) {
  }
  *available = end_ - pos_;
  return buf_.data() + pos_;
}

bool SGLineSource::next(const char** text, size_t* length) {
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
      if (avail == 0) return false;
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
