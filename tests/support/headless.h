// Running a program headless, driven by a script, in a folder of its own.
#pragma once
#include <string>
#include <utility>

#include "tests/support/paths.h"

namespace vtest {
struct ProgRun {
  std::string dir;  // the run's folder: working folder and HOME
  RunResult result;
  const std::string& out() const { return result.out; }
  const std::string& err() const { return result.err; }
  std::string file(const std::string& name) const { return readFile(dir + "/" + name); }
};

// Where and how to run. `script` goes to <dir>/script; noScript runs without
// VOK_SCRIPT (the first wait for input ends the run).
struct Headless {
  Headless(std::string env = "", std::string args = "", std::string setup = "", bool noScript = false)
      : env(std::move(env)), args(std::move(args)), setup(std::move(setup)), noScript(noScript) {}
  std::string env;    // extra "K=V K2=V2" assignments
  std::string args;   // the command line after the program
  std::string setup;  // shell commands run in the folder first
  bool noScript;
};

// Runs `program` (a path, or a test program's name) in a fresh scratch folder `name`.
ProgRun runHeadless(const std::string& name, const std::string& program, const std::string& script,
                    const Headless& how = {});
// Runs it again in the folder of an earlier run (files made by that run stay).
RunResult runHeadlessIn(const std::string& dir, const std::string& program, const std::string& script,
                        const Headless& how = {});

// build/programs/NAME, or build/examples/NAME for `example` programs.
std::string programPath(const std::string& name, bool example = false);
bool fileExists(const std::string& path);

// True when `part` occurs in `text`.
inline bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
}  // namespace vtest
