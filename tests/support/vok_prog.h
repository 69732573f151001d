// Small pieces shared by the test programs (tests/**/*_prog.cpp), which
// link the toolkit only.
#pragma once
#include <cstdlib>
#include <cstring>
#include <string>

namespace vtest {
// The environment variable `name`, or `fallback` when it is not set.
inline std::string env(const char* name, const char* fallback = "") {
  const char* v = std::getenv(name);
  return v ? v : fallback;
}
// The last part of a path.
inline std::string baseName(const char* path) {
  const char* slash = std::strrchr(path, '/');
  return slash ? slash + 1 : path;
}
}  // namespace vtest
