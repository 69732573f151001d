// The headless script: one gesture per line, played whenever the program
// waits for mouse or key input and none is queued (README, "Scripts").
// Commands are looked up by name in a registration table, so that any part
// of the platform can add its own: register from a static initialiser in the
// file that implements what the command drives (that file is linked exactly
// when the command can matter), e.g.
//
//   static std::string pressCommand(const VokScriptLine& line) { ... }
//   static const bool registered = VokRegisterScriptCommand("press", pressCommand);
//
// A handler gets the parsed line, looks at what is on screen (FrontWindow,
// VokFirstWindow/GetNextWindow, its own records), and acts through the same
// PostInputEvent a person's input goes through (VokScriptClick, VokScriptKey).
// It returns "" when the line was played, or a message saying why it cannot
// be; the player then reports "<script> line <N>: <message>" and ends the
// program with status 2.
#pragma once
#include <string>
#include <vector>

#include "platform/event/event.h"

struct VokScriptArg {
  enum Kind { kWord, kString, kItem };
  Kind kind = kWord;
  std::string text;  // the word; the string without quotes, escapes resolved; the item number's digits
  int index = 0;     // "text"[N]: N (from 1); 0 when absent
};

struct VokScriptLine {
  std::string file;     // the script's name as given in VOK_SCRIPT ("standard input" for -)
  int number = 0;       // line number, from 1
  std::string text;     // the line as written
  std::string command;  // empty for blank and comment lines
  std::vector<VokScriptArg> args;
};

typedef std::string (*VokScriptHandler)(const VokScriptLine& line);

// Adds (or replaces) a command. Returns true, for static registration.
bool VokRegisterScriptCommand(const char* name, VokScriptHandler handler);

// ---- helpers for handlers ----------------------------------------------------
// A word holding a whole decimal number (optionally signed).
bool VokScriptArgInt(const VokScriptArg& a, long* out);
// A word holding a decimal number such as 12.5 or -3e2.
bool VokScriptArgNumber(const VokScriptArg& a, double* out);
// Reads modifier words from args[from] on (shift, cmd, option, control, caps);
// "" or a message naming the first word that is none.
std::string VokScriptModifiers(const VokScriptLine& line, size_t from, EventModifiers* mods);
// A click: mouse-down and mouse-up at a global point; the pointer stays there.
void VokScriptClick(Point where, EventModifiers mods);
// A mouse-down at `from`, the pointer moved to `to`, the mouse-up there.
void VokScriptDrag(Point from, Point to, EventModifiers mods);
// A key-down of one character (or named key code).
void VokScriptKey(unsigned char charCode, unsigned char keyCode, EventModifiers mods);
// Plays nothing more until `ticks` ticks from now have passed.
void VokScriptWait(uint32_t ticks);

// ---- the player ----------------------------------------------------------------
// Parses one line; false with *error (no line number) on bad syntax. Blank
// and comment lines give an empty command.
bool VokParseScriptLine(const std::string& text, VokScriptLine* line, std::string* error);
// Replaces the script with `text` (every line parsed now, a bad one ends the
// program). VOK_SCRIPT is loaded this way when the headless display opens.
void VokLoadScript(const char* name, const std::string& text);
// Plays lines until one posts input or starts a wait; when none is left,
// posts quit (and ends the program if it is still waiting after that).
void VokPlayScript();
