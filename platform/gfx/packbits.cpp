// Run-length packing of byte rows: a header byte n in 0..127 is followed by
// n + 1 literal bytes; n in -127..-1 by one byte repeated 1 - n times; -128
// is never written (readers skip it). A row of b bytes packs into at most
// b + ceil(b / 128) bytes.
#include <algorithm>
#include <cstring>

#include "platform/gfx/gfx.h"

namespace {
long runAt(const uint8_t* s, long i, long n) {
  long run = 1;
  while (i + run < n && run < 128 && s[i + run] == s[i]) ++run;
  return run;
}
}  // namespace

// Runs of two or more start a repeat; a literal stretch only breaks for a
// run of three or more, where the repeat saves bytes.
void PackBits(Ptr* src, Ptr* dst, short srcBytes) {
  if (!src || !dst || !*src || !*dst || srcBytes <= 0) return;
  const auto* s = reinterpret_cast<const uint8_t*>(*src);
  auto* d = reinterpret_cast<uint8_t*>(*dst);
  long n = srcBytes, i = 0;
  while (i < n) {
    long run = runAt(s, i, n);
    if (run >= 2) {
      *d++ = uint8_t(int8_t(1 - run));
      *d++ = s[i];
      i += run;
      continue;
    }
    long j = i;
    while (j < n && j - i < 128 && !(j + 2 < n && s[j] == s[j + 1] && s[j] == s[j + 2])) ++j;
    *d++ = uint8_t(j - i - 1);
    std::memcpy(d, s + i, size_t(j - i));
    d += j - i;
    i = j;
  }
  *src += n;
  *dst = reinterpret_cast<Ptr>(d);
}

long VokUnpackBitsBounded(const uint8_t* src, long srcLen, uint8_t* dst, long dstLen) {
  if (!src || !dst || srcLen < 0 || dstLen < 0) return -1;
  long i = 0, o = 0;
  while (o < dstLen) {
    if (i >= srcLen) return -1;
    int8_t n = int8_t(src[i++]);
    if (n == -128) continue;
    if (n >= 0) {
      long count = n + 1;
      if (i + count > srcLen) return -1;
      long take = std::min(count, dstLen - o);
      std::memcpy(dst + o, src + i, size_t(take));
      o += take;
      i += count;
    } else {
      if (i >= srcLen) return -1;
      long count = std::min<long>(1 - n, dstLen - o);
      std::memset(dst + o, src[i++], size_t(count));
      o += count;
    }
  }
  return i;
}

// The caller vouches that src holds enough packed data.
void UnpackBits(Ptr* src, Ptr* dst, short dstBytes) {
  if (!src || !dst || !*src || !*dst || dstBytes <= 0) return;
  const auto* s = reinterpret_cast<const uint8_t*>(*src);
  auto* d = reinterpret_cast<uint8_t*>(*dst);
  long i = 0, o = 0;
  while (o < dstBytes) {
    int8_t n = int8_t(s[i++]);
    if (n == -128) continue;
    long count = n >= 0 ? n + 1 : 1 - n;
    long take = std::min<long>(count, dstBytes - o);
    if (n >= 0) {
      std::memcpy(d + o, s + i, size_t(take));
      i += count;
    } else {
      std::memset(d + o, s[i++], size_t(take));
    }
    o += take;
  }
  *src += i;
  *dst += o;
}
