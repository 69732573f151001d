// The page-setting file: the flattened page format, byte for byte, in
// "$HOME/Library/Preferences/<program>-pageSetting.txt". Without HOME there
// is no file; writes replace the file whole, making missing folders.
#include <cerrno>  // program_invocation_short_name
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/base/program.h"
#include "platform/file/file.h"
#include "vok/output/printing.h"

namespace {
constexpr size_t kMaxPageSetting = 1048576;
}

void LoadPageFormat(Handle* flat) {
  if (!flat) return;
  *flat = nullptr;
  s_print.pageSettingPath[0] = 0;
  const char* home = std::getenv("HOME");
  const char* name = program_invocation_short_name;
  if (!home || !*home || !name || !*name) return;
  int n = std::snprintf(s_print.pageSettingPath, sizeof s_print.pageSettingPath,
                        "%s/Library/Preferences/%s-pageSetting.txt", home, name);
  if (n < 0 || size_t(n) >= sizeof s_print.pageSettingPath) {
    s_print.pageSettingPath[0] = 0;  // a cut path would name another file
    return;
  }
  FILE* f = std::fopen(s_print.pageSettingPath, "r");
  if (!f) return;
  char* buffer = static_cast<char*>(std::malloc(kMaxPageSetting));
  size_t got = buffer ? std::fread(buffer, 1, kMaxPageSetting, f) : 0;
  if (std::ferror(f)) {
    std::clearerr(f);
    got = 0;
  }
  if (got > 0 && PtrToHand(buffer, flat, long(got)) != noErr) *flat = nullptr;
  std::free(buffer);
  std::fclose(f);
}

void SavePageFormat(Handle flat) {
  if (!flat || !*flat || !s_print.pageSettingPath[0]) return;
  std::string path = s_print.pageSettingPath, why;
  HLock(flat);
  if (!VokMakeParentFolders(path)) why = "cannot write " + path + ": " + std::strerror(errno);
  else VokWriteFileAtomic(path, *flat, size_t(GetHandleSize(flat)), FourCC('T', 'E', 'X', 'T'), 0, &why);
  HUnlock(flat);
  if (why.empty()) return;
  // The choice still holds for this job; only the next run will not see it.
  std::fprintf(stderr, "%s: cannot keep the page setup: %s\n", VokProgramName(), why.c_str());
  VokNoteFailure();
}
