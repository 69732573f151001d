// A program of the build run headless in a folder of its own, driven by a
// script as a user would drive it, and the checks of the EPS files it writes.
#pragma once
#include <string>

#include "tests/support/paths.h"

namespace vtest {
// Runs `program` in `dir` (also its HOME) with `script` written to dir/script
// as its VOK_SCRIPT, and `args` (quoted as needed) as its documents.
RunResult runScripted(const std::string& dir, const std::string& program, const std::string& script,
                      const std::string& args = "");
// The file exists, Ghostscript reads it without error, and what it paints
// is not empty and lies inside the declared box. Skips without Ghostscript.
void expectGoodEPS(const std::string& eps);
}  // namespace vtest
