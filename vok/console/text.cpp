// The text window and the input window, and appending output to the text
// window within its character budget. Output always goes to the end of the
// text, so browsing the console while stopped never splits later output.
#include "vok/console/text.h"

#include <cstring>
#include <string>

#include "platform/font/font.h"
#include "vok/frame/hooks.h"
#include "vok/frame/launch.h"
#include "vok/frame/startup.h"

WindowPtr s_textWindow = nullptr;
WindowPtr s_inputWindow = nullptr;
TEHandle s_textH = nullptr, s_inputH = nullptr;
Rect s_textRect, s_inputRect;
int32_t s_textCharNum = 10000;
const int32_t s_textCharNumMax = 32000;
const int32_t s_textCharNumMin = 500;
unsigned char s_textSaveFlag = 0, s_textPrintFlag = 0;

namespace {
WindowPtr makeConsoleWindow(const Rect* bounds, const char* title, bool visible) {
  Str255 t;
  CopyCToPascal(title, t);
  WindowRef front = kFirstWindowOfClass;
  if (s_colorFlag) return NewCWindow(nullptr, bounds, t, visible, altDBoxProc, front, true, 0);
  return NewWindow(nullptr, bounds, t, visible, altDBoxProc, front, true, 0);
}

// Start-up font in the window's port, then a text record over its port
// rectangle inset by 4 pixels left and right, scrolling by itself.
TEHandle makeTextRecord(WindowPtr w, Rect* textRect) {
  SetPort(GetWindowPort(w));
  short font = 0;
  GetFNum(s_fontName, &font);
  TextFont(font);
  TextSize(s_fontSize);
  GetPortBounds(GetWindowPort(w), textRect);
  InsetRect(textRect, 4, 0);
  TEHandle h = TENew(textRect, textRect);
  TEAutoView(true, h);
  return h;
}

// Drops the oldest budget - reserve characters, at least enough to get back
// within the budget (a budget equal to the reserve would drop nothing and let
// the text grow without end), and redraws what is left.
void trimText() {
  long length = (**s_textH).teLength;
  long drop = long(s_textCharNum) - long(s_textCharNumMin);
  if (drop < length - s_textCharNum) drop = length - s_textCharNum;
  if (drop > length) drop = length;
  EraseText();
  SetPort(GetWindowPort(s_textWindow));
  Handle text = TEGetText(s_textH);
  std::string rest(*text + drop, size_t(length - drop));
  TESetText(rest.data(), long(rest.size()), s_textH);
  TESetSelect(long(rest.size()), long(rest.size()), s_textH);
  Rect r;
  GetPortBounds(GetWindowPort(s_textWindow), &r);
  TEUpdate(&r, s_textH);
}
}  // namespace

void InitText() {
  s_textWindow = makeConsoleWindow(&s_textBounds, "Text", true);
  s_textH = makeTextRecord(s_textWindow, &s_textRect);
  s_inputWindow = makeConsoleWindow(&s_inputBounds, "Input", false);
  s_inputH = makeTextRecord(s_inputWindow, &s_inputRect);
  TESetText("\r\r", 2, s_textH);
  TESetSelect(2, 2, s_textH);
}

void EraseText() {
  if (!s_textWindow) return;
  SetPort(GetWindowPort(s_textWindow));
  Rect r;
  GetPortBounds(GetWindowPort(s_textWindow), &r);
  EraseRect(&r);
  s_SelectDrawingPortP();
}

// A negative n would leave a budget below the reserve, trimming on every call.
int SetTextCharNum(int n) {
  long budget = long(n < 0 ? 0 : n) + s_textCharNumMin;
  if (budget > s_textCharNumMax) budget = s_textCharNumMax;
  s_textCharNum = int32_t(budget);
  return s_textCharNum;
}

void s_EchoToStdout(const char* text, long length) {
  if (!s_HeadlessRun() && s_textWindow) return;
  std::string line(text, size_t(length));
  for (char& c : line)
    if (c == '\r') c = '\n';
  std::fwrite(line.data(), 1, line.size(), stdout);
}

void s_TextAppend(const char* text, long length) {
  if (length <= 0) return;
  s_EchoToStdout(text, length);
  if (!s_textH) return;
  CGrafPtr savedPort;
  GDHandle savedDevice;
  GetGWorld(&savedPort, &savedDevice);
  SetPort(GetWindowPort(s_textWindow));
  ForeColor(blackColor);
  BackColor(whiteColor);
  long end = (**s_textH).teLength;
  TESetSelect(end, end, s_textH);
  TEInsert(text, length, s_textH);
  if ((**s_textH).teLength > s_textCharNum) trimText();
  TESelView(s_textH);
  SetGWorld(savedPort, savedDevice);
}

void s_TextKeepBudget() {
  if (!s_textH || (**s_textH).teLength <= s_textCharNum) return;
  CGrafPtr savedPort;
  GDHandle savedDevice;
  GetGWorld(&savedPort, &savedDevice);
  trimText();
  TESelView(s_textH);
  SetGWorld(savedPort, savedDevice);
}
