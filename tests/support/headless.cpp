#include "tests/support/headless.h"

namespace vtest {
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
