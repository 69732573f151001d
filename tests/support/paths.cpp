// Paths and small process helpers shared by the tests.
#include "tests/support/paths.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vtest {
std::string sourceDir() { return VOK_SOURCE_DIR; }
std::string binaryDir() { return VOK_BINARY_DIR; }

// Each test process gets its own folders: ctest runs test cases of one
// fixture in parallel processes, which must not wipe each other's files.
std::string scratchDir(const std::string& name) {
  std::filesystem::path p =
      std::filesystem::path(VOK_BINARY_DIR) / "scratch" / (name + "." + std::to_string(::getpid()));
  std::filesystem::remove_all(p);
  std::filesystem::create_directories(p);
  return p.string();
}

std::string progPath(const std::string& name) {
  return std::string(VOK_BINARY_DIR) + "/tests/progs/" + name;
}

RunResult run(const std::string& command) {
  RunResult r;
  std::string base = scratchDir("run");
  std::string outPath = base + "/out", errPath = base + "/err";
  std::string full = "(" + command + ") >" + outPath + " 2>" + errPath + " </dev/null";
  int st = std::system(full.c_str());
  if (st != -1) {
    if (WIFEXITED(st)) r.status = WEXITSTATUS(st);
    else if (WIFSIGNALED(st)) r.status = 128 + WTERMSIG(st);
  }
  r.out = readFile(outPath);
  r.err = readFile(errPath);
  std::filesystem::remove_all(base);
  return r;
}

bool inCI() {
  const char* ci = std::getenv("CI");
  return ci && *ci && std::string(ci) != "false" && std::string(ci) != "0";
}

bool haveTool(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

std::string picttoppmPath() {
  const char* built = "/tmp/vok-validators/picttoppm";
  if (::access(built, X_OK) == 0) return built;
  return haveTool("picttoppm") ? "picttoppm" : "";
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void writeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

int regularFiles(const std::string& dir) {
  int n = 0;
  for (auto& e : std::filesystem::directory_iterator(dir)) n += e.is_regular_file();
  return n;
}
}  // namespace vtest
