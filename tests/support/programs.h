// The viewer programs run as a user runs them: headless, in a folder of
// their own, driven by a script; and the checks every EPS they write passes.
#pragma once
#include <string>

#include "tests/support/paths.h"

namespace vtest {
// build/programs/NAME, or build/examples/NAME for `example` programs.
std::string programPath(const std::string& name, bool example = false);
// Runs `program` in `dir` (kept between runs of one test; HOME too) with
// `script` as its input and the documents `args`.
RunResult runProgramIn(const std::string& program, const std::string& dir, const std::string& script,
                       const std::string& args = "");
// The file exists, Ghostscript reads it, and what it paints lies inside
// the declared box (gs missing: fails under CI, else only the first holds).
void expectGoodEPS(const std::string& eps);
bool fileExists(const std::string& path);
}  // namespace vtest
