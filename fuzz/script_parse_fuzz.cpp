// Fuzz target of the script parser: any bytes as script lines. A line is
// either refused with a reason or parsed into a command without blanks and
// arguments of their kind's shape.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/script/script.h"

namespace {
void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

bool hasBlank(const std::string& s) { return s.find_first_of(" \t\r\n") != std::string::npos; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string all(reinterpret_cast<const char*>(data), size);
  size_t start = 0;
  while (start <= all.size()) {
    size_t end = all.find('\n', start);
    if (end == std::string::npos) end = all.size();
    VokScriptLine line;
    std::string error;
    if (!VokParseScriptLine(all.substr(start, end - start), &line, &error)) {
      require(!error.empty(), "a refused line has a reason");
    } else {
      require(line.command.empty() ? line.args.empty() : !hasBlank(line.command), "command is one word");
      require(line.command.find('\0') == std::string::npos, "no NUL in a command");
      for (const VokScriptArg& a : line.args) {
        if (a.kind == VokScriptArg::kItem) require(a.text.find_first_not_of("0123456789") == std::string::npos, "#N");
        if (a.kind == VokScriptArg::kWord) require(!a.text.empty() && !hasBlank(a.text), "words are one word");
        require(a.index >= 0, "[N] counts from 1");
      }
      long l;
      double d;
      for (const VokScriptArg& a : line.args) VokScriptArgInt(a, &l), VokScriptArgNumber(a, &d);
    }
    start = end + 1;
  }
  return 0;
}
