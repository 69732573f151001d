#include "tests/support/headless.h"

#include <unistd.h>

namespace vtest {
std::string programPath(const std::string& name, bool example) {
  return binaryDir() + (example ? "/examples/" : "/programs/") + name;
}

bool fileExists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

RunResult runHeadlessIn(const std::string& dir, const std::string& program, const std::string& script,
                        const Headless& how) {
  writeFile(dir + "/script", script);
  std::string path = program.find('/') == std::string::npos ? progPath(program) : program;
  std::string cmd = "cd '" + dir + "'" + (how.setup.empty() ? "" : " && " + how.setup) + " && env -u VOK_SCRIPT HOME='" +
                    dir + "' VOK_DISPLAY=headless " + (how.noScript ? "" : "VOK_SCRIPT=script ") + how.env + " '" +
                    path + "' " + how.args;
  return run(cmd);
}

ProgRun runHeadless(const std::string& name, const std::string& program, const std::string& script,
                    const Headless& how) {
  ProgRun r;
  r.dir = scratchDir(name);
  r.result = runHeadlessIn(r.dir, program, script, how);
  return r;
}
}  // namespace vtest
