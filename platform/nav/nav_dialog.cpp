// The open and save dialogs: a folder's listing (folders, then the files of
// the offered types), an "Up" button, a field for a name or a path (absolute,
// relative to the folder shown, or from ~), and Open/Save and Cancel. Saving
// over an existing file that a person named asks first. Built on the Dialog Manager; the list is a user
// item whose clicks and arrow keys a modal filter handles. A script's
// answer (choose/saveas) is kept here and taken by the default button.
#include <dirent.h>
#include <strings.h>
#include <unistd.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/font/font.h"
#include "platform/nav/nav_internal.h"

bool VokRegisterFileScriptCommands();  // nav_calls.cpp
namespace {
const bool g_scriptCommands = VokRegisterFileScriptCommands();
enum : short { kOK = 1, kCancel, kFolder, kUp, kList, kNameLabel, kName, kMessage, kPrompt };
constexpr short kWidth = 480, kRowH = 18, kListTop = 58, kListRows = 12;
constexpr short kListBottom = kListTop + kListRows * kRowH + 2;

struct Entry {
  std::string name;
  bool folder;
};

struct State {
  DialogRef dialog = nullptr;
  bool save = false;
  std::vector<OSType> types;
  bool anyType = true;
  std::string folder;
  std::vector<Entry> entries;
  int selected = -1, top = 0;
  std::string answer;  // a script's answer, taken by the default button
  bool answered = false;
  uint32_t clickTick = 0;
  int clickRow = -1;
};
State* g_state = nullptr;

Rect box(short l, short t, short r, short b) {
  Rect x;
  SetRect(&x, l, t, r, b);
  return x;
}

bool offered(const State& s, const std::string& path) {
  if (s.anyType) return true;
  OSType type = 0;
  VokGetFileTypes(path, &type, nullptr);
  return std::find(s.types.begin(), s.types.end(), type) != s.types.end();
}

void setItemText(State& s, short item, const std::string& text) {
  short kind;
  Handle h;
  Rect r;
  GetDialogItem(s.dialog, item, &kind, &h, &r);
  Str255 p;
  CopyCToPascal(text.c_str(), p);
  SetDialogItemText(h, p);
}

std::string itemText(State& s, short item) {
  std::string t;
  VokDialogItemText(s.dialog, item, &t);
  return t;
}

void readFolder(State& s, const std::string& folder) {
  s.folder = folder;
  s.entries.clear();
  s.selected = -1;
  s.top = 0;
  if (DIR* dir = ::opendir(folder.c_str())) {
    while (dirent* e = ::readdir(dir)) {
      std::string name = e->d_name;
      if (name.empty() || name[0] == '.') continue;
      std::string path = (folder == "/" ? "" : folder) + "/" + name;
      struct stat st;
      if (::stat(path.c_str(), &st) != 0) continue;
      bool isDir = S_ISDIR(st.st_mode);
      if (isDir || (S_ISREG(st.st_mode) && offered(s, path))) s.entries.push_back({name, isDir});
    }
    ::closedir(dir);
  }
  std::sort(s.entries.begin(), s.entries.end(), [](const Entry& a, const Entry& b) {
    if (a.folder != b.folder) return a.folder;
    return strcasecmp(a.name.c_str(), b.name.c_str()) < 0;
  });
  setItemText(s, kFolder, folder);
  setItemText(s, kMessage, "");
  VokDrawDialogItem(s.dialog, kList);
}

void drawList(DialogRef d, short item) {
  if (!g_state || g_state->dialog != d) return;
  State& s = *g_state;
  short kind;
  Handle h;
  Rect r;
  GetDialogItem(d, item, &kind, &h, &r);
  RGBColor white{65535, 65535, 65535}, frame{32896, 32896, 32896}, accent{12336, 28784, 53456}, black{0, 0, 0};
  RGBColor folderColour{23130, 34952, 47545};
  RGBForeColor(&white);
  PaintRect(&r);
  FontInfo fi{};
  GetFontInfo(&fi);
  for (int row = 0; row < kListRows && s.top + row < int(s.entries.size()); ++row) {
    const Entry& e = s.entries[size_t(s.top + row)];
    Rect line = box(short(r.left + 1), short(r.top + 1 + row * kRowH), short(r.right - 1), short(r.top + 1 + (row + 1) * kRowH));
    bool sel = s.top + row == s.selected;
    if (sel) {
      RGBForeColor(&accent);
      PaintRect(&line);
    }
    if (e.folder) {  // a small folder: tab and body
      RGBForeColor(sel ? &white : &folderColour);
      Rect tab = box(short(line.left + 6), short(line.top + 4), short(line.left + 11), short(line.top + 6));
      Rect body = box(short(line.left + 6), short(line.top + 6), short(line.left + 20), short(line.top + 15));
      PaintRect(&tab);
      PaintRect(&body);
    }
    RGBForeColor(sel ? &white : &black);
    MoveTo(short(line.left + 26), short(line.top + (kRowH - (fi.ascent + fi.descent)) / 2 + fi.ascent));
    DrawText(e.name.data(), 0, short(std::min<size_t>(e.name.size(), 255)));
  }
  if (int(s.entries.size()) > kListRows) {  // a scroll indicator on the right
    Rect track = box(short(r.right - 8), short(r.top + 2), short(r.right - 3), short(r.bottom - 2));
    int span = track.bottom - track.top, n = int(s.entries.size());
    Rect thumb = track;
    thumb.top = short(track.top + span * s.top / n);
    thumb.bottom = short(track.top + span * std::min(n, s.top + kListRows) / n);
    RGBForeColor(&frame);
    PaintRoundRect(&thumb, 4, 4);
  }
  RGBForeColor(&frame);
  FrameRect(&r);
}

void select(State& s, int row) {
  if (s.entries.empty()) return;
  row = std::clamp(row, 0, int(s.entries.size()) - 1);
  s.selected = row;
  if (row < s.top) s.top = row;
  if (row >= s.top + kListRows) s.top = row - kListRows + 1;
  if (!s.save || !s.entries[size_t(row)].folder) {
    setItemText(s, kName, s.entries[size_t(row)].name);
    SelectDialogItemText(s.dialog, kName, 0, 255);
  }
  VokDrawDialogItem(s.dialog, kList);
}

// Clicks and arrows for the list; a double click acts like the default button.
Boolean filter(DialogRef d, EventRecord* ev, short* hit) {
  State& s = *g_state;
  unsigned char ch = static_cast<unsigned char>(ev->message & charCodeMask);
  if ((ev->what == keyDown || ev->what == autoKey) && (ch == kUpArrowCharCode || ch == kDownArrowCharCode)) {
    select(s, s.selected < 0 ? 0 : s.selected + (ch == kUpArrowCharCode ? -1 : 1));
    return false;
  }
  if (ev->what != mouseDown) return false;
  short kind;
  Handle h;
  Rect r;
  GetDialogItem(d, kList, &kind, &h, &r);
  Point p = ev->where;
  GrafPtr saved;
  GetPort(&saved);
  SetPort(GetDialogPort(d));
  GlobalToLocal(&p);
  SetPort(saved);
  if (!PtInRect(p, &r)) return false;
  if (p.h >= r.right - 10 && int(s.entries.size()) > kListRows) {  // scroll by a page
    bool up = p.v < (r.top + r.bottom) / 2;
    s.top = std::clamp(s.top + (up ? -kListRows : kListRows), 0, int(s.entries.size()) - kListRows);
    VokDrawDialogItem(d, kList);
    return false;
  }
  int row = s.top + (p.v - r.top - 1) / kRowH;
  if (row >= int(s.entries.size())) return false;
  uint32_t now = TickCount();
  bool dbl = row == s.clickRow && now - s.clickTick <= 30;
  s.clickRow = row;
  s.clickTick = now;
  select(s, row);
  if (!dbl) return false;
  *hit = kOK;
  return true;
}

// What was typed, as a path: "~" is the home folder, a relative path
// starts at the folder shown; "." and ".." are resolved by name.
std::string typedPath(const State& s, const std::string& text) {
  std::string raw = text;
  if (raw == "~" || raw.compare(0, 2, "~/") == 0) {
    const char* home = std::getenv("HOME");
    raw = std::string(home && *home ? home : "/") + "/" + raw.substr(1);
  } else if (raw.empty() || raw[0] != '/') {
    raw = s.folder + "/" + raw;
  }
  std::vector<std::string> parts;
  size_t at = 0;
  while (at <= raw.size()) {
    size_t slash = raw.find('/', at);
    if (slash == std::string::npos) slash = raw.size();
    std::string part = raw.substr(at, slash - at);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    at = slash + 1;
  }
  std::string path;
  for (const std::string& part : parts) path += "/" + part;
  return path.empty() ? "/" : path;
}

bool isFolder(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Asks before a file is replaced. True for Replace.
bool confirmReplace(const std::string& path) {
  size_t slash = path.rfind('/');
  std::string name = path.substr(slash + 1), folder = slash == 0 ? "/" : path.substr(0, slash);
  std::string question = "Replace \"" + name + "\"?";
  std::string detail = "A file of that name already exists in " + folder + ". Replacing it overwrites its contents.";
  constexpr short kW = 420, kH = 124;
  VokItemSpec items[4] = {
      {kButtonDialogItem, box(kW - 16 - 84, kH - 36, kW - 16, kH - 14), "Replace"},
      {kButtonDialogItem, box(kW - 16 - 84 - 12 - 84, kH - 36, kW - 16 - 84 - 12, kH - 14), "Cancel"},
      {short(statText | itemDisable), box(16, 14, kW - 16, 32), question.c_str()},
      {short(statText | itemDisable), box(16, 38, kW - 16, kH - 44), detail.c_str()},
  };
  Rect bounds = VokCentredRect(kW, kH);
  DialogRef d = VokNewDialog(&bounds, "Replace", movableDBoxProc, items, 4, kFirstWindowOfClass);
  if (!d) return false;
  SetDialogCancelItem(d, 2);
  ShowWindow(d);
  SelectWindow(d);
  short hit = 0;
  do ModalDialog(nullptr, &hit);
  while (hit != 1 && hit != 2);
  DisposeDialog(d);
  return hit == 1;
}

// The default button: enter a folder, or finish with a file. True when done.
// A script's saveas states its intent and replaces without asking.
bool accept(State& s, FSSpec* chosen) {
  if (s.answered) return VokPathToSpec(s.answer, chosen);
  std::string text = itemText(s, kName);
  if (text.empty()) {
    if (s.save || s.selected < 0 || !s.entries[size_t(s.selected)].folder) {
      setItemText(s, kMessage, s.save ? "Please enter a name." : "Choose a file or type its path.");
      return false;
    }
    text = s.entries[size_t(s.selected)].name;
  }
  std::string path = typedPath(s, text);
  if (isFolder(path)) {
    readFolder(s, path);
    setItemText(s, kName, "");
    return false;
  }
  size_t slash = path.rfind('/');
  std::string folder = slash == 0 ? "/" : path.substr(0, slash), name = path.substr(slash + 1);
  if (!isFolder(folder)) {
    setItemText(s, kMessage, "No such folder: " + folder);
    return false;
  }
  struct stat st;
  bool exists = ::stat(path.c_str(), &st) == 0;
  if (!s.save) {
    std::string why = !exists ? "No such file: " + path
                      : !S_ISREG(st.st_mode) || !offered(s, path) ? name + " is not a file this program can open."
                                                                  : "";
    if (!why.empty()) return setItemText(s, kMessage, why), false;
    return VokPathToSpec(path, chosen);
  }
  std::string why = VokFileNameProblem(name);
  if (!why.empty()) return setItemText(s, kMessage, why), false;
  if (exists && !confirmReplace(path)) return false;
  return VokPathToSpec(path, chosen);
}

DialogRef makeDialog(const VokFileDialogOptions& o, bool save) {
  short height = short(kListBottom + 44 + 22 + 14);
  short buttonTop = short(height - 22 - 14);
  const char* title = o.title ? o.title : save ? "Save" : "Open";
  VokItemSpec items[9] = {
      {kButtonDialogItem, box(kWidth - 16 - 84, buttonTop, kWidth - 16, short(buttonTop + 22)), save ? "Save" : "Open"},
      {kButtonDialogItem, box(kWidth - 16 - 84 - 12 - 84, buttonTop, kWidth - 16 - 84 - 12, short(buttonTop + 22)), "Cancel"},
      {short(statText | itemDisable), box(16, 36, kWidth - 16 - 60, 54), ""},
      {kButtonDialogItem, box(kWidth - 16 - 52, 32, kWidth - 16, 54), "Up"},
      {short(userItem | itemDisable), box(16, kListTop, kWidth - 16, kListBottom), ""},
      {short(statText | itemDisable), box(16, short(kListBottom + 14), 70, short(kListBottom + 32)), save ? "Name:" : "Path:"},
      {short(editText | itemDisable), box(72, short(kListBottom + 12), kWidth - 16, short(kListBottom + 32)), o.defaultName ? o.defaultName : ""},
      {short(statText | itemDisable), box(16, buttonTop, kWidth - 16 - 84 - 12 - 84 - 12, short(buttonTop + 36)), ""},
      {short(statText | itemDisable), box(16, 10, kWidth - 16, 28), o.prompt ? o.prompt : save ? "Save as:" : "Choose a file:"},
  };
  Rect bounds = VokCentredRect(kWidth, height);
  DialogRef d = VokNewDialog(&bounds, title, movableDBoxProc, items, 9, kFirstWindowOfClass);
  if (!d) return nullptr;
  SetDialogCancelItem(d, kCancel);
  return d;
}

std::string startFolder(const VokFileDialogOptions& o) {
  std::string path;
  if (o.startFolder && VokSpecToPath(o.startFolder, &path)) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return path;
  }
  char buf[4096];
  return ::getcwd(buf, sizeof buf) ? std::string(buf) : std::string("/");
}

OSErr run(const VokFileDialogOptions& o, bool save, FSSpec* chosen) {
  if (!chosen || g_state) return paramErr;  // one file dialog at a time
  State s;
  s.save = save;
  for (int i = 0; i < o.typeCount && o.types; ++i) s.types.push_back(o.types[i]);
  s.anyType = s.types.empty() || save;
  GrafPtr saved;
  GetPort(&saved);
  s.dialog = makeDialog(o, save);
  if (!s.dialog) return memFullErr;
  g_state = &s;
  VokSetUserItemProc(s.dialog, kList, drawList);
  readFolder(s, startFolder(o));
  SelectDialogItemText(s.dialog, kName, 0, 255);
  ShowWindow(s.dialog);
  SelectWindow(s.dialog);
  OSErr result = userCanceledErr;
  for (;;) {
    short hit = 0;
    ModalDialog(filter, &hit);
    if (hit == kCancel) break;
    if (hit == kUp) {
      size_t slash = s.folder.rfind('/');
      readFolder(s, slash == 0 || slash == std::string::npos ? "/" : s.folder.substr(0, slash));
    } else if (hit == kOK && accept(s, chosen)) {
      result = noErr;
      break;
    }
  }
  g_state = nullptr;
  DisposeDialog(s.dialog);
  SetPort(saved);
  return result;
}
}  // namespace

std::string VokFileNameProblem(const std::string& name) {
  if (name.empty()) return "Please enter a name.";
  if (name.find('/') != std::string::npos) return "A name cannot contain \"/\".";
  if (name.find('\0') != std::string::npos) return "A name cannot contain a NUL character.";
  if (name == "." || name == "..") return "\"" + name + "\" cannot be used as a name.";
  if (name.size() > 255) return "A name can have at most 255 characters.";
  return std::string();
}

OSErr VokRunOpenDialog(const VokFileDialogOptions& options, FSSpec* chosen) { return run(options, false, chosen); }
OSErr VokRunSaveDialog(const VokFileDialogOptions& options, FSSpec* chosen) { return run(options, true, chosen); }

bool VokFileDialogInFront(bool* isSave) {
  if (!g_state || FrontWindow() != g_state->dialog) return false;
  if (isSave) *isSave = g_state->save;
  return true;
}

bool VokAnswerFileDialog(const char* path, bool save, std::string* why) {
  bool isSave = false;
  if (!VokFileDialogInFront(&isSave)) return *why = save ? "no save dialog in front" : "no open dialog in front", false;
  if (isSave != save) return *why = save ? "the dialog in front is an open dialog: use choose" : "the dialog in front is a save dialog: use saveas", false;
  std::string abs = path && *path ? path : "";
  FSSpec spec;
  std::string full;
  if (abs.empty() || !VokPathToSpec(abs, &spec) || !VokSpecToPath(&spec, &full)) {
    std::string name = abs.substr(abs.find_last_of('/') + 1);  // npos + 1 is 0: the whole path
    *why = "\"" + abs + "\" is not a usable file name";
    if (name.size() > 255) *why += ": a name holds at most 255 bytes, this one " + std::to_string(name.size());
    return false;
  }
  struct stat st;
  if (!save) {
    if (::stat(full.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return *why = "no such file: " + full, false;
    if (!offered(*g_state, full)) return *why = full + " is not of a type this dialog offers", false;
  } else {
    size_t slash = full.rfind('/');
    std::string folder = slash == 0 ? "/" : full.substr(0, slash);
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return *why = "no such folder: " + folder, false;
    if (::stat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return *why = full + " is a folder", false;
  }
  g_state->answer = full;
  g_state->answered = true;
  return true;
}
