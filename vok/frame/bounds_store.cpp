// The file that remembers window rectangles: one line per record,
// "ID top left bottom right name". Lines that do not parse, or hold an empty
// or out-of-range rectangle, are skipped; writes replace the file whole.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "platform/base/program.h"
#include "platform/file/file.h"
#include "vok/frame/bounds.h"

namespace {
struct Record {
  Rect r;
  std::string name;
};

bool parseLine(const char* line, short* id, Record* rec) {
  long v[5];
  int used = 0;
  if (std::sscanf(line, "%ld %ld %ld %ld %ld %n", &v[0], &v[1], &v[2], &v[3], &v[4], &used) < 5) return false;
  for (long x : v)
    if (x < -32768 || x > 32767) return false;
  if (v[3] <= v[1] || v[4] <= v[2]) return false;  // an empty window would be lost on screen
  *id = short(v[0]);
  rec->r = {short(v[1]), short(v[2]), short(v[3]), short(v[4])};
  rec->name = line + used;
  while (!rec->name.empty() && (rec->name.back() == '\n' || rec->name.back() == '\r')) rec->name.pop_back();
  return true;
}

std::map<short, Record> readAll() {
  std::map<short, Record> all;
  const char* path = s_WindowBoundsPath();
  FILE* f = path ? std::fopen(path, "r") : nullptr;
  if (!f) return all;
  char line[512];
  while (std::fgets(line, sizeof line, f)) {
    short id;
    Record rec;
    if (line[0] != '#' && parseLine(line, &id, &rec)) all[id] = rec;
  }
  std::fclose(f);
  return all;
}

}  // namespace

const char* s_WindowBoundsPath() {
  static std::string path;
  const char* home = std::getenv("HOME");
  if (!home || !*home) return nullptr;
  path = std::string(home) + "/Library/Preferences/" + program_invocation_short_name + "-windowBounds.txt";
  return path.c_str();
}

bool s_ReadWindowBounds(short id, Rect* r) {
  auto all = readAll();
  auto it = all.find(id);
  if (it == all.end()) return false;
  *r = it->second.r;
  return true;
}

bool s_WriteWindowBounds(short id, const Rect& r, const char* name) {
  const char* p = s_WindowBoundsPath();
  if (!p) return false;
  std::string path = p, text = "# window rectangles: ID top left bottom right name\n", why;
  auto all = readAll();
  all[id] = {r, name ? name : ""};
  char line[64];
  for (auto& [key, rec] : all) {
    std::snprintf(line, sizeof line, "%d %d %d %d %d ", key, rec.r.top, rec.r.left, rec.r.bottom, rec.r.right);
    text += line + rec.name + "\n";
  }
  if (!VokMakeParentFolders(path)) why = "cannot write " + path + ": " + std::strerror(errno);
  else if (VokWriteFileAtomic(path, text.data(), text.size(), FourCC('T', 'E', 'X', 'T'), 0, &why)) return true;
  // The windows still open where asked; only the next run will not know.
  std::fprintf(stderr, "%s: cannot remember the window rectangles: %s\n", VokProgramName(), why.c_str());
  VokNoteFailure();
  return false;
}
