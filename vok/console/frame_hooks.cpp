// The console's side of the application frame's hooks: the pause messages,
// browsing while stopped and fatal messages reach the text window here. The
// library is linked so that this file is always in (vok/CMakeLists.txt).
#include "vok/console/text.h"
#include "vok/frame/hooks.h"
#include "vok/frame/messages.h"

namespace {
void appendText(const char* text) { s_TextAppend(text); }

// Arrow keys browse the console while stopped: once, or 21 times with
// Command or Option held.
void browseText(const EventRecord& ev) {
  if (!s_textH) return;
  int times = (ev.modifiers & (cmdKey | optionKey)) ? 21 : 1;
  TEActivate(s_textH);
  for (int i = 0; i < times; ++i) TEKey(char(ev.message & charCodeMask), s_textH);
}

bool printErrorText(const char* message) {
  if (!s_textWindow) return false;
  s_printf("%s", message);
  return true;
}

bool textOOMMessage() {
  if (!s_textWindow) return false;
  s_DrawOOMMessage(GetWindowPort(s_textWindow), nullptr);
  return true;
}

const bool g_installed = [] {
  s_AppendTextP = appendText;
  s_BrowseTextP = browseText;
  s_PrintErrorTextP = printErrorText;
  s_TextOOMMessageP = textOOMMessage;
  return true;
}();
}  // namespace

extern "C" const bool vok_console_linked = true;
