// The string scanners. Words are copied into a fixed buffer when they fit
// and into a heap copy when they do not, so a field of any length is read
// whole and never past a buffer.
#include "vok/graph/sheet_scan.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/base/types.h"

namespace {
bool isSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// Finds the next word and moves *pos past it by the rules of
// SScanStringTabSepareted; false at the end of the text.
bool nextWord(char** pos, int tabSeparated, const char** word, size_t* length) {
  char* p = *pos;
  if (!tabSeparated) {
    while (*p && isSpace(*p)) ++p;
    *pos = p;
  }
  if (!*p) return false;
  *word = p;
  while (*p && !isSpace(*p)) ++p;
  *length = size_t(p - *word);
  if (!tabSeparated) {
    while (*p && isSpace(*p)) ++p;
  } else {
    while (*p && *p != '\t' && *p != '\n') ++p;
    if (*p) ++p;
  }
  *pos = p;
  return true;
}

// A NUL-terminated copy of a word: in place when it fits, else on the heap.
class WordCopy {
 public:
  WordCopy(const char* word, size_t length) {
    if (length < sizeof small_) {
      std::memcpy(small_, word, length);
      small_[length] = 0;
      text_ = small_;
    } else {
      big_.assign(word, length);
      text_ = big_.c_str();
    }
  }
  const char* c_str() const { return text_; }

 private:
  char small_[256];
  std::string big_;
  const char* text_;
};
}  // namespace

void SkipSpaces(char** pos) {
  while (**pos && isSpace(**pos)) ++*pos;
}

int SScanStringTabSepareted(char** pos, char* out, int tabSeparated) {
  const char* word;
  size_t length;
  if (!nextWord(pos, tabSeparated, &word, &length)) return 0;
  std::memcpy(out, word, length);
  out[length] = 0;
  return 1;
}

int SScanString(char** pos, char* out) { return SScanStringTabSepareted(pos, out, 0); }

int s_SScanStringBounded(char** pos, char* out, size_t outSize, int tabSeparated) {
  const char* word;
  size_t length;
  if (!nextWord(pos, tabSeparated, &word, &length)) return 0;
  if (outSize == 0) return 1;
  if (length >= outSize) length = outSize - 1;
  std::memcpy(out, word, length);
  out[length] = 0;
  return 1;
}

int SScanDoubleTabSeparated(char** pos, double* value, int tabSeparated) {
  const char* word;
  size_t length;
  if (!nextWord(pos, tabSeparated, &word, &length)) return 0;
  WordCopy copy(word, length);
  double v;
  int r = std::sscanf(copy.c_str(), "%lf", &v);
  if (r == 1) *value = v;
  return r;
}

int SScanDouble(char** pos, double* value) { return SScanDoubleTabSeparated(pos, value, 0); }

// "%d" without its undefined behaviour on overflow: strtol, then a range check.
int SScanInt(char** pos, int* value) {
  const char* word;
  size_t length;
  if (!nextWord(pos, 0, &word, &length)) return 0;
  if (length == 0) return -1;
  WordCopy copy(word, length);
  errno = 0;
  char* end;
  long v = std::strtol(copy.c_str(), &end, 10);
  if (end == copy.c_str() || errno == ERANGE || v < INT_MIN || v > INT_MAX) return 0;
  *value = int(v);
  return 1;
}

void C2PString(const char* c, unsigned char* p) { CopyCToPascal(c, p); }

void P2CString(const unsigned char* p, char* c) { CopyPascalToC(p, c); }

int HeadStrCL(const char* prefix, const char* text) {
  for (; *prefix; ++prefix, ++text) {
    if (!*text) return 0;
    if (std::tolower(static_cast<unsigned char>(*prefix)) != std::tolower(static_cast<unsigned char>(*text)))
      return 0;
  }
  return 1;
}
