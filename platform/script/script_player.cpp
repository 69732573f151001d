// The script player: the command table, loading (a file is parsed whole at
// start-up so that a syntax error stops the run before anything is done;
// standard input is read line by line, so a person can type gestures), and
// playing lines when the program waits for input.
#include <cstdio>
#include <map>

#include "platform/base/program.h"
#include "platform/event/event_internal.h"
#include "platform/script/script.h"

namespace {
struct Player {
  std::string name = "(no script)";
  std::vector<VokScriptLine> lines;
  size_t next = 0;
  bool fromStdin = false;
  int stdinLines = 0;
  uint32_t waitUntil = 0;
  int quitsSent = 0;  // after the end: 1 once the quit is posted
};
Player g_player;

std::map<std::string, VokScriptHandler>& commands() {
  static std::map<std::string, VokScriptHandler> table;
  return table;
}

[[noreturn]] void fail(const std::string& file, int line, const std::string& text, const std::string& why) {
  std::string msg = std::string(VokProgramName()) + ": script " + file + " line " + std::to_string(line) + ": " + why;
  if (!text.empty()) msg += "\n    " + text;
  VokExitWithError(2, msg.c_str());
}

bool parseOrFail(const std::string& file, int number, const std::string& text, VokScriptLine* line) {
  std::string error;
  if (!VokParseScriptLine(text, line, &error)) fail(file, number, text, error);
  line->file = file;
  line->number = number;
  return !line->command.empty();
}

// One line of standard input, without its line feed; a line without end
// (an endless stream) stops the run instead of filling memory.
bool readStdinLine(std::string* text) {
  constexpr size_t kMaxLine = size_t(1) << 20;
  text->clear();
  int c;
  while ((c = std::getchar()) != EOF && c != '\n') {
    if (text->size() >= kMaxLine)
      fail(g_player.name, g_player.stdinLines + 1, "", "the line is longer than 1 MiB");
    text->push_back(char(c));
  }
  return c != EOF || !text->empty();
}

// The next line with a command, or false at the end of the script.
bool nextLine(VokScriptLine* line) {
  if (!g_player.fromStdin) {
    if (g_player.next >= g_player.lines.size()) return false;
    *line = g_player.lines[g_player.next++];
    return true;
  }
  std::string text;
  while (readStdinLine(&text)) {
    if (parseOrFail(g_player.name, ++g_player.stdinLines, text, line)) return true;
  }
  return false;
}

void scriptEnded() {
  if (g_player.quitsSent++ == 0) {
    PostAppleEvent(kAEQuitApplication, nullptr, 0);
    return;
  }
  // The program took the quit and went on waiting: nobody is left to answer.
  ExitToShell();
}
}  // namespace

bool VokRegisterScriptCommand(const char* name, VokScriptHandler handler) {
  if (name && handler) commands()[name] = handler;
  return true;
}

void VokLoadScript(const char* name, const std::string& text) {
  g_player = Player();
  g_player.name = name ? name : "script";
  if (g_player.name == "-") {
    g_player.name = "standard input";
    g_player.fromStdin = true;
    return;
  }
  size_t start = 0;
  int number = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    VokScriptLine line;
    if (parseOrFail(g_player.name, ++number, text.substr(start, end - start), &line))
      g_player.lines.push_back(std::move(line));
    start = end + 1;
  }
}

void VokPlayScript() {
  if (int32_t(g_player.waitUntil - TickCount()) > 0) return;
  uint32_t before = VokPostedEventCount();
  for (;;) {
    VokScriptLine line;
    if (!nextLine(&line)) {
      scriptEnded();
      return;
    }
    auto it = commands().find(line.command);
    if (it == commands().end()) fail(line.file, line.number, line.text, "unknown command \"" + line.command + "\"");
    uint32_t dropped = VokDroppedEventCount();
    std::string why = it->second(line);
    if (!why.empty()) fail(line.file, line.number, line.text, why);
    // Lost input would land elsewhere (text in another field, a click on the
    // wrong item): the run stops rather than go on from there.
    if (VokDroppedEventCount() != dropped)
      fail(line.file, line.number, line.text,
           "the line gives more input than the event queue holds (" + std::to_string(kVokQueueCap) +
               " events); split it into shorter lines");
    if (VokPostedEventCount() != before || int32_t(g_player.waitUntil - TickCount()) > 0) return;
  }
}

void VokScriptWait(uint32_t ticks) { g_player.waitUntil = TickCount() + ticks; }

std::string VokScriptModifiers(const VokScriptLine& line, size_t from, EventModifiers* mods) {
  static const struct {
    const char* name;
    EventModifiers bit;
  } kNames[] = {{"shift", shiftKey}, {"cmd", cmdKey},         {"command", cmdKey}, {"option", optionKey},
                {"alt", optionKey},  {"control", controlKey}, {"ctrl", controlKey}, {"caps", alphaLock},
                {"capslock", alphaLock}};
  *mods = 0;
  for (size_t i = from; i < line.args.size(); ++i) {
    const VokScriptArg& a = line.args[i];
    bool found = false;
    for (const auto& n : kNames) {
      if (a.kind == VokScriptArg::kWord && a.text == n.name) {
        *mods = EventModifiers(*mods | n.bit);
        found = true;
      }
    }
    if (!found)
      return "\"" + a.text + "\" is not a modifier (shift, cmd, option, control, caps)";
  }
  return "";
}

void VokScriptClick(Point where, EventModifiers mods) { VokScriptDrag(where, where, mods); }

void VokScriptDrag(Point from, Point to, EventModifiers mods) {
  EventRecord ev = {};
  ev.what = mouseDown;
  ev.where = from;
  ev.modifiers = mods;
  PostInputEvent(ev);
  ev.what = mouseUp;
  ev.where = to;
  ev.modifiers = EventModifiers(mods | btnState);
  PostInputEvent(ev);
  // A script's modifiers are held for its own gesture only.
  SetMouseState(to, false, 0);
}

void VokScriptKey(unsigned char charCode, unsigned char keyCode, EventModifiers mods) {
  EventRecord ev = {};
  ev.what = keyDown;
  ev.message = uintptr_t(charCode) | (uintptr_t(keyCode) << 8);
  ev.modifiers = EventModifiers(mods | btnState);
  PostInputEvent(ev);
  SetMouseState(VokMouseGlobal(), false, 0);
}
