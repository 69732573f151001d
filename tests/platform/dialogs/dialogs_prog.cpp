// A small program on our dialogs for headless scripts: a two-page
// Parameters dialog set up as the toolkit does, a dialog with a disabled
// default button, an alert, and the open and save dialogs. It prints what
// the dialogs report, one line each, so tests can read back what was done.
//   dialogs_prog params | disabled | alert | open | save
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/nav/nav.h"
#include "platform/wm/dialog.h"

namespace {
struct Slot {
  std::string label;
  char kind;  // 'f' field, 'c' checkbox, 'd' Do button
  short value;
};

struct Page {
  DialogRef d;
  std::vector<Slot> slots;
};
std::vector<Page> g_pages;

OSErr onQuit(const AppleEvent*, AppleEvent*, long) {
  std::printf("quit\n");
  std::fflush(stdout);
  ExitToShell();
}

void replaceByControl(DialogRef d, short item, const char* title, short proc, short value, Rect* box = nullptr) {
  short kind;
  Handle h;
  Rect r;
  GetDialogItem(d, item, &kind, &h, &r);
  DisposeHandle(h);
  if (box) r = *box;
  Str255 t;
  CopyCToPascal(title, t);
  ControlRef c = NewControl(d, &r, t, true, value, 0, 1, proc, 1);
  SetDialogItem(d, item, proc == checkBoxProc ? kCheckBoxDialogItem : kButtonDialogItem, reinterpret_cast<Handle>(c), &r);
}

void addSlot(Page& p, const Slot& s) {
  short i = short(p.slots.size());
  p.slots.push_back(s);
  short kind;
  Handle h;
  Rect r;
  Str255 t;
  GetDialogItem(p.d, short(4 + 2 * i), &kind, &h, &r);
  CopyCToPascal(s.label.c_str(), t);
  SetDialogItemText(h, t);
  GetDialogItem(p.d, short(5 + 2 * i), &kind, &h, &r);
  if (s.kind == 'f') {
    SetDialogItem(p.d, short(5 + 2 * i), editText | itemDisable, h, &r);
    CopyCToPascal("1.000000", t);
    SetDialogItemText(h, t);
  } else if (s.kind == 'c') {
    replaceByControl(p.d, short(5 + 2 * i), "", checkBoxProc, s.value);
  } else {
    r.right = short(r.right - 30);
    replaceByControl(p.d, short(5 + 2 * i), "Do", pushButProc, 0, &r);
  }
}

void buildParams() {
  std::vector<Slot> slots = {{"Max Frame X", 'f', 0}, {"Exit Graph", 'c', 0}, {"Save Params", 'd', 0},
                             {"Title", 'f', 0}};
  for (int i = 4; i < 26; ++i) slots.push_back({"P" + std::to_string(i), 'f', 0});
  slots.push_back({"Interval", 'f', 0});
  slots.push_back({"Interval", 'f', 0});
  slots.push_back({"Color", 'c', 1});
  for (size_t i = 0; i < slots.size(); ++i) {
    if (i % 26 == 0) {
      g_pages.push_back({GetNewDialog(kVokParamsDialogID, nullptr, kFirstWindowOfClass), {}});
      if (g_pages.size() > 1) {
        replaceByControl(g_pages[g_pages.size() - 2].d, kVokParamsNextItem, ">>", pushButProc, 1);
        replaceByControl(g_pages.back().d, kVokParamsPrevItem, "<<", pushButProc, 1);
      }
    }
    addSlot(g_pages.back(), slots[i]);
  }
}

void printValues() {
  for (size_t p = 0; p < g_pages.size(); ++p) {
    for (size_t i = 0; i < g_pages[p].slots.size(); ++i) {
      short kind;
      Handle h;
      Rect r;
      GetDialogItem(g_pages[p].d, short(5 + 2 * i), &kind, &h, &r);
      const Slot& s = g_pages[p].slots[i];
      if (s.kind == 'f') {
        Str255 t;
        GetDialogItemText(h, t);
        std::printf("field %zu.%s=%.*s\n", p + 1, s.label.c_str(), t[0], reinterpret_cast<char*>(t + 1));
      } else if (s.kind == 'c') {
        std::printf("flag %zu.%s=%d\n", p + 1, s.label.c_str(), GetControlValue(reinterpret_cast<ControlRef>(h)));
      }
    }
  }
}

// The toolkit's page loop: value items toggle or run, 56/57 turn, 3 quits.
void runParams() {
  buildParams();
  size_t page = 0;
  for (;;) {
    DialogRef d = g_pages[page].d;
    SelectDialogItemText(d, 5, 0, 32767);
    SelectWindow(d);
    ShowWindow(d);
    short hit = 0;
    for (;;) {
      ModalDialog(nullptr, &hit);
      if (hit < 5 || hit > 55) break;
      short kind;
      Handle h;
      Rect r;
      GetDialogItem(d, hit, &kind, &h, &r);
      const Slot& s = g_pages[page].slots[size_t((hit - 5) / 2)];
      if (kind == kButtonDialogItem) std::printf("do %s\n", s.label.c_str());
      if (kind == kCheckBoxDialogItem) {
        ControlRef c = reinterpret_cast<ControlRef>(h);
        SetControlValue(c, GetControlValue(c) ? 0 : 1);
      }
    }
    HideWindow(d);
    if (hit == 3) {
      std::printf("quit item\n");
      ExitToShell();
    }
    if (hit == kVokParamsNextItem) ++page;
    else if (hit == kVokParamsPrevItem) --page;
    else {
      std::printf("end %d\n", hit);
      printValues();
    }
    std::fflush(stdout);
  }
}

void runDisabled() {
  Rect b = VokCentredRect(300, 120);
  VokItemSpec items[3] = {{kButtonDialogItem, {80, 200, 102, 280}, "OK"},
                          {kButtonDialogItem, {80, 100, 102, 180}, "Other"},
                          {short(statText | itemDisable), {16, 16, 60, 284}, "Item 1 is disabled here."}};
  DialogRef d = VokNewDialog(&b, "Disabled", noGrowDocProc, items, 3, kFirstWindowOfClass);
  VokEnableDialogItem(d, 1, false);
  ShowWindow(d);
  SelectWindow(d);
  for (;;) {
    short hit = 0;
    ModalDialog(nullptr, &hit);
    std::printf("hit %d\n", hit);
    std::fflush(stdout);
  }
}

void printChoice(OSErr err, const FSSpec& spec) {
  std::string path;
  if (err == noErr && VokSpecToPath(&spec, &path)) std::printf("chose %s\n", path.c_str());
  else std::printf("cancelled %d\n", err);
  std::fflush(stdout);
}
}  // namespace

int main(int argc, char** argv) {
  AEInstallEventHandler(kCoreEventClass, kAEQuitApplication, onQuit, 0, false);
  std::string mode = argc > 1 ? argv[1] : "params";
  if (mode == "params") runParams();
  if (mode == "disabled") runDisabled();
  if (mode == "alert") {
    Str255 text;
    CopyCToPascal("Error in SafeLog: -1.000000 is not positive", text);
    ParamText(text, nullptr, nullptr, nullptr);
    for (int kind = 0; kind < 4; ++kind) {
      short hit = kind == 0 ? Alert(kVokAlertID, nullptr) : kind == 1 ? NoteAlert(kVokAlertID, nullptr)
                          : kind == 2 ? CautionAlert(kVokAlertID, nullptr) : StopAlert(kVokAlertID, nullptr);
      std::printf("alert %d %d\n", kind, hit);
      std::fflush(stdout);
    }
  }
  FSSpec spec;
  std::memset(&spec, 0, sizeof spec);
  for (int round = 0; round < 3 && (mode == "open" || mode == "save"); ++round) {
    VokFileDialogOptions o;
    OSType types[2] = {FourCC('T', 'E', 'X', 'T'), 0};
    o.types = types;
    o.typeCount = 2;
    o.defaultName = "graph.eps";
    OSErr err = mode == "open" ? VokRunOpenDialog(o, &spec) : VokRunSaveDialog(o, &spec);
    printChoice(err, spec);
  }
  return 0;
}
