#include "platform/base/program.h"

#include <cerrno>
#include <string>

namespace {
std::string g_programName;
bool g_failed = false;
}  // namespace

const char* VokProgramName() {
  if (!g_programName.empty()) return g_programName.c_str();
  return *program_invocation_short_name ? program_invocation_short_name : "vok";
}

void VokSetProgramName(const char* name) { g_programName = name ? name : ""; }

void VokNoteFailure() { g_failed = true; }

bool VokRunFailed() { return g_failed; }
