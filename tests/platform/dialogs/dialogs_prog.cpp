// A small program on our dialogs for headless scripts: a dialog with a
// disabled default button, an alert, and the open and save dialogs. It
// prints what the dialogs report, one line each, so tests can read back what
// was done. (The Parameters dialog is driven in tests/vok/params.)
//   dialogs_prog disabled | alert | open | save
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/nav/nav.h"
#include "platform/wm/dialog.h"

namespace {
OSErr onQuit(const AppleEvent*, AppleEvent*, long) {
  std::printf("quit\n");
  ExitToShell();
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
  }
}

void printChoice(OSErr err, const FSSpec& spec) {
  std::string path;
  if (err == noErr && VokSpecToPath(&spec, &path)) std::printf("chose %s\n", path.c_str());
  else std::printf("cancelled %d\n", err);
}
}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);  // every line out before a quit ends the program
  AEInstallEventHandler(kCoreEventClass, kAEQuitApplication, onQuit, 0, false);
  std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "disabled") runDisabled();
  if (mode == "alert") {
    Str255 text;
    CopyCToPascal("Error in SafeLog: -1.000000 is not positive", text);
    ParamText(text, nullptr, nullptr, nullptr);
    for (int kind = 0; kind < 4; ++kind) {
      short hit = kind == 0 ? Alert(kVokAlertID, nullptr) : kind == 1 ? NoteAlert(kVokAlertID, nullptr)
                          : kind == 2 ? CautionAlert(kVokAlertID, nullptr) : StopAlert(kVokAlertID, nullptr);
      std::printf("alert %d %d\n", kind, hit);
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
