// The file dialogs and the document queue in a started program, driven by a
// headless script. The case comes from FD_CASE (the command line holds the
// documents); every result is one line on standard output.
//   queue:    takes the documents one by one, then asks with the open dialog
//   open:     DialogFOpen(FD_NAME, mode) for each mode of FD_MODES (a,b,c);
//             reading modes print the first line, writing ones write a line
//   location: SetDefaultFileLocation(FD_FOLDER), then a save and an open dialog
//   spec:     DialogFSSpec
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/support/vok_prog.h"
#include "vok/draw/file_dialogs.h"
#include "vok/draw/start.h"
#include "vok/util/documents.h"

namespace {
using vtest::env;

std::string firstLine(FILE* f) {
  char line[256] = "";
  if (!std::fgets(line, sizeof line, f)) return "(empty)";
  line[std::strcspn(line, "\n")] = 0;
  return line;
}

bool allZero(const FSSpec& s) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(&s);
  for (size_t i = 0; i < sizeof s; ++i)
    if (p[i]) return false;
  return true;
}

void queueCase() {
  std::printf("count %d\n", int(DDCount()));
  while (DDCount() > 0) {
    FILE* f = DDFOpen("ignored", "r");
    if (f) {
      std::printf("document %s: %s\n", vtest::baseName(DDFPath()).c_str(), firstLine(f).c_str());
      std::fclose(f);
    } else {
      std::printf("document %s: %s\n", vtest::baseName(DDFPath()).c_str(), std::strerror(errno));
    }
    std::printf("count %d\n", int(DDCount()));
  }
  std::printf("next %s\n", DDFOpen("ignored", "r") ? "opened" : "null");
  FSSpec spec;
  std::memset(&spec, 0xA5, sizeof spec);
  DDFSSpec(&spec);
  std::printf("spec %s, count %d, taken %d\n", allZero(spec) ? "zero" : "set", int(DDCount()), int(s_dd.next));
  FILE* f = DialogFOpen("data", "r");
  std::printf("dialog %s\n", f ? firstLine(f).c_str() : "null");
  if (f) std::fclose(f);
}

void openCase() {
  std::string modes = env("FD_MODES", "r") + ",";
  std::string name = env("FD_NAME", "data");
  for (size_t at = 0, comma; (comma = modes.find(',', at)) != std::string::npos; at = comma + 1) {
    std::string mode = modes.substr(at, comma - at);
    errno = 0;
    FILE* f = DialogFOpen(name.c_str(), mode.c_str());
    if (!f) {
      std::printf("%s: null%s%s\n", mode.c_str(), *DialogFPath() ? " " : "", vtest::baseName(DialogFPath()).c_str());
      continue;
    }
    std::string chosen = DialogFPath();
    if (mode[0] == 'r' || mode.find('+') != std::string::npos) {
      std::printf("%s: %s: %s\n", mode.c_str(), vtest::baseName(chosen.c_str()).c_str(), firstLine(f).c_str());
    } else {
      std::fprintf(f, "written with %s\n", mode.c_str());
      FILE* now = std::fopen(chosen.c_str(), "r");  // before fclose the old file is still there
      std::string before = now ? firstLine(now) : "(none)";
      if (now) std::fclose(now);
      std::printf("%s: %s: before close %s\n", mode.c_str(), vtest::baseName(chosen.c_str()).c_str(), before.c_str());
    }
    if (!env("FD_LEAVE_OPEN").empty()) continue;  // left for the exit to deal with
    int rc = std::fclose(f);
    std::printf("%s: close %d\n", mode.c_str(), rc);
  }
}

void locationCase() {
  FSSpec folder;
  if (!VokPathToSpec(env("FD_FOLDER"), &folder)) {
    std::printf("no folder\n");
    return;
  }
  SetDefaultFileLocation(&folder);
  SetDefaultFileLocation(&folder);  // again: the first descriptor is released
  FILE* f = DialogFOpen("placed.txt", "w");
  if (!f) {
    std::printf("save null\n");
    return;
  }
  std::fputs("placed\n", f);
  std::printf("save %s close %d\n", DialogFPath(), std::fclose(f));
  f = DialogFOpen("data", "r");
  std::printf("open %s\n", f ? DialogFPath() : "null");
  if (f) std::fclose(f);
}

void specCase() {
  FSSpec spec;
  std::memset(&spec, 0xA5, sizeof spec);
  FSSpec* back = DialogFSSpec(&spec);
  std::string path;
  if (allZero(spec)) std::printf("spec zero%s\n", back == &spec ? "" : " (wrong pointer)");
  else if (VokSpecToPath(&spec, &path)) std::printf("spec %s, kept %d\n", vtest::baseName(path.c_str()).c_str(), std::memcmp(&spec, &s_df.spec, sizeof spec) == 0);
}
}  // namespace

int main() {
  MinimumStart();
  std::string which = env("FD_CASE");
  if (which == "queue") queueCase();
  else if (which == "open") openCase();
  else if (which == "location") locationCase();
  else if (which == "spec") specCase();
  else std::printf("unknown case %s\n", which.c_str());
  std::fflush(stdout);
  return 0;
}
