// Fatal and non-fatal messages. Until the windows exist, messages go to
// standard error; the process ends with a non-zero status on fatal errors.
#include "vok/frame/messages.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>

FILE* s_debugFile = nullptr;
unsigned char s_OOMMessage[256] = "\016Out of Memory!";

void PrintError(const char* format, ...) {
  char message[256];
  va_list ap;
  va_start(ap, format);
  std::vsnprintf(message, sizeof message, format, ap);  // cut safely at 255 characters
  va_end(ap);
  std::fputs(message, stderr);
  if (!*message || message[std::strlen(message) - 1] != '\n') std::fputc('\n', stderr);
  std::exit(1);
}

void s_OOMError() {
  std::fputs("Out of Memory!\n", stderr);
  std::exit(1);
}

void AlertMessage(const char* message, short kind) {
  if (kind < 0 || kind > 3) return;
  std::fprintf(stderr, "%s\n", message);
}

void* CheckCalloc(size_t count, size_t size) {
  if (count == 0) count = 1;
  void* p = std::calloc(count, size);
  if (!p) s_OOMError();
  return p;
}

void PrintOSType(unsigned int type) {
  char s[5] = {char(type >> 24), char(type >> 16), char(type >> 8), char(type), 0};
  std::printf("%s\n", s);
}

void DebugWriteFile(const char* text) {
  if (!s_debugFile) return;
  std::fputs(text, s_debugFile);
  std::fflush(s_debugFile);
}
