// The core script commands: click, drag, key, wait and snapshot. Other
// layers add theirs with VokRegisterScriptCommand (see script.h).
#include "platform/display/headless/headless_internal.h"
#include "platform/event/keys.h"
#include "platform/wm/window.h"

namespace {
constexpr long kMaxWaitTicks = 60L * 60 * 10;  // ten minutes

std::string expectArgs(const VokScriptLine& line, size_t atLeast, const char* usage) {
  if (line.args.size() < atLeast) return std::string("usage: ") + usage;
  return "";
}

// Reads "H V" at args[at], checked against the screen.
std::string readPoint(const VokScriptLine& line, size_t at, Point* p) {
  long h, v;
  if (!VokScriptArgInt(line.args[at], &h) || !VokScriptArgInt(line.args[at + 1], &v))
    return "\"" + line.args[at].text + " " + line.args[at + 1].text + "\" is not a point H V in pixels";
  int w, hgt;
  VokScreenSize(&w, &hgt);
  if (h < 0 || v < 0 || h >= w || v >= hgt)
    return "(" + std::to_string(h) + ", " + std::to_string(v) + ") is outside the " + std::to_string(w) + "x" +
           std::to_string(hgt) + " screen";
  p->h = short(h);
  p->v = short(v);
  return "";
}

std::string click(const VokScriptLine& line) {
  std::string why = expectArgs(line, 2, "click H V [shift|cmd|option|control|caps ...]");
  Point p;
  EventModifiers mods;
  if (why.empty()) why = readPoint(line, 0, &p);
  if (why.empty()) why = VokScriptModifiers(line, 2, &mods);
  if (why.empty()) VokScriptClick(p, mods);
  return why;
}

std::string drag(const VokScriptLine& line) {
  std::string why = expectArgs(line, 4, "drag H1 V1 H2 V2 [modifiers ...]");
  Point from, to;
  EventModifiers mods;
  if (why.empty()) why = readPoint(line, 0, &from);
  if (why.empty()) why = readPoint(line, 2, &to);
  if (why.empty()) why = VokScriptModifiers(line, 4, &mods);
  if (why.empty()) VokScriptDrag(from, to, mods);
  return why;
}

std::string key(const VokScriptLine& line) {
  std::string why = expectArgs(line, 1, "key NAME|\"characters\" [modifiers ...]");
  EventModifiers mods;
  if (why.empty()) why = VokScriptModifiers(line, 1, &mods);
  if (!why.empty()) return why;
  const VokScriptArg& what = line.args[0];
  if (what.kind == VokScriptArg::kWord) {
    const VokNamedKey* k = VokFindNamedKey(what.text.c_str());
    if (!k) return "\"" + what.text + "\" is not a key name (return enter tab escape backspace delete left right up "
                                     "down space; characters go in quotes)";
    VokScriptKey(k->charCode, k->keyCode, mods);
    return "";
  }
  if (what.kind != VokScriptArg::kString || what.text.empty() || what.index)
    return "key takes a key name or a non-empty \"string\"";
  for (unsigned char c : what.text)
    if (c < 0x20 || c > 0x7E) return "only printable ASCII characters can be typed with key";
  for (unsigned char c : what.text) VokScriptKey(c, 0, mods);
  return "";
}

std::string wait(const VokScriptLine& line) {
  long ticks;
  if (line.args.size() != 1 || !VokScriptArgInt(line.args[0], &ticks) || ticks < 0 || ticks > kMaxWaitTicks)
    return "usage: wait TICKS (0 to " + std::to_string(kMaxWaitTicks) + ", 60 a second)";
  VokScriptWait(uint32_t(ticks));
  return "";
}
}  // namespace

void VokRegisterCoreScriptCommands() {
  VokRegisterScriptCommand("click", click);
  VokRegisterScriptCommand("drag", drag);
  VokRegisterScriptCommand("key", key);
  VokRegisterScriptCommand("wait", wait);
  VokRegisterScriptCommand("snapshot", VokScriptSnapshot);
}
