// Reading console lines: keys from the event queue (or characters from the
// text-reading hook) typed into the input window and echoed at the end of the
// text window; parsing with sscanf; fgets-style pieces of a line.
#include "vok/console/input.h"

#include <cstdarg>
#include <cstring>

#include "vok/console/text.h"
#include "vok/frame/events.h"
#include "vok/frame/startup.h"

char s_inputChar = 0;
int32_t echoInputFlag = 1;
unsigned char s_textReadFlag = 0;
int32_t textFileEnd = 0;
int32_t fgetsContFlag = 0;
char* startOfInput = nullptr;

namespace {
char g_line[kConsoleLineMax + 2];  // the line, its CR and the NUL
bool g_cutTold = false;            // a cut line was reported and no line has ended since

bool isArrow(char c) { return c >= char(kLeftArrowCharCode) && c <= char(kDownArrowCharCode); }

// The next typed character, letting the caret blink and the pause poll run.
char nextKey() {
  for (;;) {
    if (s_textH) TEIdle(s_textH);
    CheckPause();
    if (WaitNextEvent(keyDownMask | autoKeyMask | updateMask, &s_event, 10, nullptr) &&
        (s_event.what == keyDown || s_event.what == autoKey))
      return char(s_event.message & charCodeMask);
  }
}

// Arrow keys move the text window's caret (21 lines with Command or Option).
void browse(char c) {
  int times = (s_event.modifiers & (cmdKey | optionKey)) ? 21 : 1;
  for (int i = 0; i < times; ++i) TEKey(c, s_textH);
}

// Typed into the input window and, when echoing, at the end of the text
// window. Backspace reaches the text window only while the input line has
// characters, so it never eats earlier output.
void typeKey(char c) {
  if (echoInputFlag && s_textH) {
    bool canErase = (**s_inputH).teLength > 0;
    if (c != char(kBackspaceCharCode) || canErase) {
      long end = (**s_textH).teLength;
      TESetSelect(end, end, s_textH);
      TEKey(c, s_textH);
    }
  }
  TEKey(c, s_inputH);
}

// A line of the file being read: its bytes up to a CR (the end of the file
// stands for one) or the cap, put into both windows at once. They are data,
// not keys: a line feed or backspace byte stays in the line, and one insert
// per line keeps a long file from costing a text layout per character.
void fileLine() {
  CheckPause();  // a long file stays interruptible
  long n = 0;
  while (n < kConsoleLineMax) {
    char c;
    if (!ReadTextP(&c)) {
      c = '\r';
      textFileEnd = 1;
    }
    if (c == char(kEnterCharCode)) c = '\r';
    g_line[n++] = s_inputChar = c;
    if (c == '\r') break;
  }
  TEInsert(g_line, n, s_inputH);
  if (echoInputFlag) {
    long end = (**s_textH).teLength;
    TESetSelect(end, end, s_textH);
    TEInsert(g_line, n, s_textH);
  }
}

// A line longer than the cap is handed out in pieces: the rest stays for the
// next read. Said once per run of cut pieces, so a file without line ends
// gives one message, not one per piece.
void tellCut(bool cut) {
  if (cut && !g_cutTold)
    s_printf("\rNote: an input line is longer than %d characters; the rest is read as the next line\n",
             int(kConsoleLineMax));
  g_cutTold = cut;
}

// Without an input window (MinimumStart) the line comes from standard input.
const char* readStdinLine() {
  if (!std::fgets(g_line, kConsoleLineMax + 1, stdin)) g_line[0] = 0;
  size_t n = std::strlen(g_line);
  if (n && g_line[n - 1] == '\n') g_line[n - 1] = '\r';
  return g_line;
}
}  // namespace

const char* s_ReadConsoleLine() {
  if (!s_inputH || !s_textH) return readStdinLine();
  TESetText("", 0, s_inputH);
  TEActivate(s_inputH);
  TEActivate(s_textH);
  for (int taken = 0; !s_textReadFlag && taken < kConsoleLineMax;) {
    char c = nextKey();
    if (c == char(kEnterCharCode)) c = '\r';
    s_inputChar = c;
    if (isArrow(c)) {
      browse(c);
      continue;
    }
    typeKey(c);
    ++taken;
    if (c == '\r') break;
  }
  if (s_textReadFlag) fileLine();
  long end = (**s_textH).teLength;
  TESetSelect(end, end, s_textH);
  TESelView(s_textH);
  TESelView(s_inputH);
  long n = (**s_inputH).teLength;
  if (n > kConsoleLineMax + 1) n = kConsoleLineMax + 1;
  std::memcpy(g_line, *TEGetText(s_inputH), size_t(n));
  g_line[n] = 0;
  if (echoInputFlag) {
    s_EchoToStdout(g_line, n);
    if (s_textSaveFlag) SaveTextP(g_line);
    if (s_textPrintFlag) PrintTextP(g_line);
  }
  tellCut(n > 0 && g_line[n - 1] != '\r');
  s_TextKeepBudget();
  return g_line;
}

int s_scanf(const char* format, ...) {
  const char* line = s_ReadConsoleLine();
  va_list ap;
  va_start(ap, format);
  int n = std::vsscanf(line, format, ap);
  va_end(ap);
  return n;
}

// Pieces of at most n - 1 characters; the CR of the line's end becomes LF.
char* s_fgets(char* buffer, int n, FILE* stream) {
  if (stream != stdin) return std::fgets(buffer, n, stream);
  if (!buffer || n <= 0) return nullptr;
  if (!fgetsContFlag) startOfInput = const_cast<char*>(s_ReadConsoleLine());
  size_t avail = std::strlen(startOfInput);
  size_t k = size_t(n - 1) < avail ? size_t(n - 1) : avail;
  std::memcpy(buffer, startOfInput, k);
  buffer[k] = 0;
  if (k > 0 && buffer[k - 1] == '\r') {
    buffer[k - 1] = '\n';
    fgetsContFlag = 0;
  } else if (k == avail) {
    fgetsContFlag = 0;  // a line cut without its CR ends with its last piece
  } else {
    fgetsContFlag = 1;
    startOfInput += k;
  }
  return buffer;
}

int s_getchar() {
  EventRecord ev;
  for (;;) {
    s_TakeAppleEvent();
    if (WaitNextEvent(keyDownMask, &ev, 1, nullptr) && ev.what == keyDown) {
      s_event = ev;
      return int((unsigned char)(ev.message & charCodeMask));
    }
  }
}

int s_fflush(FILE* stream) {
  if (stream == stdin || stream == stdout) return 0;
  return std::fflush(stream);
}
