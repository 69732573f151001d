// Two windows drawn in and driven by a script or a person: prints every
// event it gets, one line each, so tests can follow what reached it.
//   Alpha: document window, content (60,40)-(260,340), red, black square at local (10,10)-(30,30)
//   Beta:  alternate dialog frame, content (120,400)-(420,700), blue, black square likewise
// With DIALOG_CASE set it shows our dialogs instead and prints what they
// report (the Parameters dialog is driven in tests/vok/params):
//   disabled: a dialog with a disabled default button
//   alert:    the four alerts
//   open, save: three rounds of the open or save dialog
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/display/display.h"
#include "platform/nav/nav.h"
#include "platform/wm/dialog.h"
#include "platform/wm/window.h"

namespace {
WindowRef g_alpha, g_beta;

const char* nameOf(WindowRef w) { return w == g_alpha ? "Alpha" : w == g_beta ? "Beta" : "none"; }

void fillWindow(WindowRef w, long color) {
  SetPort(GetWindowPort(w));
  Rect r;
  GetPortBounds(GetWindowPort(w), &r);
  ForeColor(color);
  PaintRect(&r);
  ForeColor(blackColor);
  Rect square = {10, 10, 30, 30};
  PaintRect(&square);
}

WindowRef makeWindow(short top, short left, short bottom, short right, const char* title, short procID) {
  Rect r = {top, left, bottom, right};
  Str255 t;
  CopyCToPascal(title, t);
  return NewCWindow(nullptr, &r, t, true, procID, kFirstWindowOfClass, true, 0);
}

OSErr onOpenDocuments(const AppleEvent* event, AppleEvent*, long) {
  AEDescList docs;
  long n = 0;
  AEGetParamDesc(event, keyDirectObject, typeAEList, &docs);
  AECountItems(&docs, &n);
  std::printf("odoc %ld", n);
  for (long i = 1; i <= n; ++i) {
    char path[1024];
    Size len = 0;
    if (AEGetNthPtr(&docs, i, typeChar, nullptr, nullptr, path, sizeof path - 1, &len) == noErr) {
      path[len < Size(sizeof path) ? len : Size(sizeof path) - 1] = 0;
      std::printf(" %s", path);
    }
  }
  std::printf("\n");
  AEDisposeDesc(&docs);
  return noErr;
}

OSErr onOpenApplication(const AppleEvent*, AppleEvent*, long) {
  std::printf("oapp\n");
  return noErr;
}

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
int runDialogs(const std::string& mode) {
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

void report(const EventRecord& ev) {
  switch (ev.what) {
    case mouseDown: {
      WindowRef w;
      short part = FindWindow(ev.where, &w);
      Point p = ev.where;
      if (w) {
        SetPort(GetWindowPort(w));
        GlobalToLocal(&p);
      }
      std::printf("down %s part %d at %d %d mods %04x\n", nameOf(w), part, p.h, p.v, ev.modifiers & 0xFF00);
      if (w && w != FrontWindow()) SelectWindow(w);
      break;
    }
    case mouseUp: std::printf("up at %d %d\n", ev.where.h, ev.where.v); break;
    case keyDown:
    case autoKey:
      std::printf("key %d mods %04x\n", int(ev.message & charCodeMask), ev.modifiers & 0xFF00);
      break;
    case activateEvt:
      std::printf("activate %s %d\n", nameOf(reinterpret_cast<WindowRef>(ev.message)), ev.modifiers & activeFlag);
      break;
    case kHighLevelEvent: AEProcessAppleEvent(&ev); break;
    default: break;
  }
}
}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);  // every line out before a quit ends the program
  AEInstallEventHandler(kCoreEventClass, kAEQuitApplication, onQuit, 0, false);
  if (const char* mode = std::getenv("DIALOG_CASE")) return runDialogs(mode);
  VokLaunch(argc, argv);
  AEInstallEventHandler(kCoreEventClass, kAEOpenDocuments, onOpenDocuments, 0, false);
  AEInstallEventHandler(kCoreEventClass, kAEOpenApplication, onOpenApplication, 0, false);
  EventRecord ev;
  for (int i = 0; i < 10; ++i) {
    if (WaitNextEvent(highLevelEventMask, &ev, 10, nullptr)) {
      AEProcessAppleEvent(&ev);
      break;
    }
  }
  g_beta = makeWindow(120, 400, 420, 700, "Beta", altDBoxProc);
  g_alpha = makeWindow(60, 40, 260, 340, "Alpha", documentProc);
  fillWindow(g_alpha, redColor);
  fillWindow(g_beta, blueColor);
  VokPresentScreen();
  std::printf("ready\n");
  for (;;)
    if (WaitNextEvent(everyEvent, &ev, 30, nullptr)) report(ev);
}
