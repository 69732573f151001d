// Script pieces for the graph programs' loop (the Parameters dialog, then
// the drawing, then a click to go on).
#pragma once
#include <string>

namespace vtest {
// One pass that saves the drawing as `eps` (and snapshots the screen into
// `png`), clicks at `click` to go on and leaves "EPS Save Graph" off again.
inline std::string epsPass(const std::string& eps, const std::string& png = "", const std::string& click = "600 400") {
  return "check \"EPS Save Graph\" on\npress \"OK\"\nsaveas \"" + eps + "\"\n" +
         (png.empty() ? "" : "snapshot \"" + png + "\"\n") + "click " + click + "\ncheck \"EPS Save Graph\" off\n";
}
const char* const kExitGraph = "check \"Exit Graph\" on\npress \"OK\"\n";
}  // namespace vtest
