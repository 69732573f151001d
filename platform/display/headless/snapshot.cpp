// snapshot "file.png": the whole virtual screen, as the windows show it now.
#include "platform/display/headless/headless_internal.h"
#include "platform/gfx/png.h"
#include "platform/wm/window.h"

std::string VokScriptSnapshot(const VokScriptLine& line) {
  if (line.args.size() != 1 || line.args[0].kind != VokScriptArg::kString || line.args[0].text.empty())
    return "usage: snapshot \"file.png\"";
  std::string error;
  if (!VokWritePNG(VokScreenPixels(), line.args[0].text.c_str(), &error)) return "snapshot: " + error;
  return "";
}
