// Script syntax: a command word, then words, "strings" (with \" and \\),
// "strings"[N] and #N item numbers; # followed by anything but a digit
// starts a comment. Numbers are words; handlers convert them.
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "platform/script/script.h"

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

struct Cursor {
  const std::string& s;
  size_t i = 0;
  bool atEnd() const { return i >= s.size(); }
  char peek(size_t ahead = 0) const { return i + ahead < s.size() ? s[i + ahead] : '\0'; }
  void skipBlanks() {
    while (!atEnd() && isBlank(s[i])) ++i;
  }
  bool atTokenEnd() const { return atEnd() || isBlank(s[i]); }
};

bool readString(Cursor& c, VokScriptArg* arg, std::string* error) {
  ++c.i;  // opening quote
  arg->kind = VokScriptArg::kString;
  for (;;) {
    if (c.atEnd()) return *error = "the string has no closing quote", false;
    char ch = c.s[c.i++];
    if (ch == '"') break;
    if (ch == '\\') {
      char next = c.peek();
      if (next != '"' && next != '\\') return *error = "only \\\" and \\\\ may follow a backslash in a string", false;
      ch = next;
      ++c.i;
    }
    arg->text += ch;
  }
  if (c.peek() == '[') {
    size_t start = ++c.i;
    while (isDigit(c.peek())) ++c.i;
    if (c.i == start || c.peek() != ']' || c.i - start > 6) return *error = "[N] after a string needs a number", false;
    arg->index = std::atoi(c.s.c_str() + start);
    ++c.i;
    if (arg->index < 1) return *error = "[N] counts from 1", false;
  }
  if (!c.atTokenEnd()) return *error = "a blank must follow the closing quote", false;
  return true;
}

bool readWord(Cursor& c, VokScriptArg* arg, std::string* error) {
  arg->kind = VokScriptArg::kWord;
  while (!c.atTokenEnd()) {
    if (c.s[c.i] == '"') return *error = "a quote inside a word (put a blank before the string)", false;
    arg->text += c.s[c.i++];
  }
  return true;
}
}  // namespace

bool VokParseScriptLine(const std::string& text, VokScriptLine* line, std::string* error) {
  line->text = text;
  line->command.clear();
  line->args.clear();
  size_t nul = text.find('\0');
  if (nul != std::string::npos)
    return *error = "a NUL byte at column " + std::to_string(nul + 1) + " (a script is text)", false;
  Cursor c{text};
  c.skipBlanks();
  if (c.atEnd() || c.peek() == '#') return true;  // blank line or comment
  if (c.peek() == '"') return *error = "a line starts with a command, not a string", false;
  VokScriptArg cmd;
  if (!readWord(c, &cmd, error)) return false;
  line->command = cmd.text;
  for (;;) {
    c.skipBlanks();
    if (c.atEnd()) return true;
    VokScriptArg arg;
    if (c.peek() == '#' && !isDigit(c.peek(1))) return true;  // comment to the end of the line
    if (c.peek() == '#') {
      ++c.i;
      arg.kind = VokScriptArg::kItem;
      while (isDigit(c.peek())) arg.text += c.s[c.i++];
      if (!c.atTokenEnd()) return *error = "#N needs a whole number", false;
    } else if (c.peek() == '"') {
      if (!readString(c, &arg, error)) return false;
    } else if (!readWord(c, &arg, error)) {
      return false;
    }
    line->args.push_back(std::move(arg));
  }
}

bool VokScriptArgInt(const VokScriptArg& a, long* out) {
  if (a.kind != VokScriptArg::kWord || a.text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  long v = std::strtol(a.text.c_str(), &end, 10);
  if (errno || *end) return false;
  *out = v;
  return true;
}

bool VokScriptArgNumber(const VokScriptArg& a, double* out) {
  if (a.kind != VokScriptArg::kWord || a.text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  double v = std::strtod(a.text.c_str(), &end);
  if (errno || *end || !std::isfinite(v)) return false;
  *out = v;
  return true;
}
