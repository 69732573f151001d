// Formatted console output: s_printf and its family, the
// format helpers and the one-time seeding of the random generator.
#include <cstdlib>
#include <cstring>

#include "vok/console/text.h"
#include "vok/frame/events.h"
#include "vok/frame/hooks.h"
#include "vok/frame/messages.h"
#include "vok/frame/startup.h"
#include "vok/util/report.h"

char s_string[1024];
int srandFlag = 0;

int s_FormatString(const char* format, va_list args) {
  int n = std::vsnprintf(s_string, sizeof s_string, format, args);
  if (n < 0) {
    s_string[0] = 0;
    return n;
  }
  return n < int(sizeof s_string) ? n : int(sizeof s_string) - 1;
}

namespace {
// The utilities' messages (SafeLog) go to the console.
void utilMessage(const char* text) { s_printf("%s", text); }
const bool g_messageInstalled = (s_UtilMessageP = utilMessage, true);
}  // namespace

// Output before start-up opens the windows so that the fatal message can be
// seen; output while the start-up runs (the text window exists) is printed.
int s_vprintf(const char* format, va_list args) {
  if (!s_ss.started && !s_textWindow) {
    s_StartP();
    PrintError("Error: Start() is not called!");
  }
  CheckPause();
  int n = s_FormatString(format, args);
  if (n <= 0) return n;
  for (int i = 0; i < n; ++i)
    if (s_string[i] == '\n') s_string[i] = '\r';
  s_TextAppend(s_string, n);
  if (s_textSaveFlag) SaveTextP(s_string);
  if (s_textPrintFlag) PrintTextP(s_string);
  return n;
}

int s_printf(const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  int n = s_vprintf(format, ap);
  va_end(ap);
  return n;
}

int s_fprintf(FILE* stream, const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  int n = stream == stdout ? s_vprintf(format, ap) : std::vfprintf(stream, format, ap);
  va_end(ap);
  return n;
}

int s_puts(const char* text) {
  s_printf("%s", text ? text : "");
  return 0;
}

void s_debug(const char* text) {
  if (text) s_TextAppend(text);
  s_TextAppend("\r");
  Stop();
}

void PrintOSType(unsigned int type) {
  char s[5] = {char(type >> 24), char(type >> 16), char(type >> 8), char(type), 0};
  s_printf("%s\n", s);
}

void s_srand(unsigned seed) {
  if (srandFlag) PrintError("Error: second use of srand\n");
  std::srand(seed);
  srandFlag = 1;
}
