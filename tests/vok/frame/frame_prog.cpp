// The toolkit's test program, run headless by script. VOK_TEST_MODE picks
// what it does:
//   start, boundary, pause, stop, error  the application frame; lines
//       starting with "@" report facts (the rest is the console echo)
//   dialogs   the file dialogs and the document queue (FD_* settings below)
//   params    the Parameters dialog of every type; argv[1] a start-up file
//   fatal     a misuse of the parameter table named by argv[1]
//   sheet     SGInit (SG_* settings below)
//   zoom      Magnify and Shrink Half (argv: plain|buffered, then the steps)
//   nofunction  a surface graph without a function
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/font/font.h"
#include "platform/script/script.h"
#include "tests/support/vok_prog.h"
#include "vok/draw/file_dialogs.h"
#include "vok/graph/sheet_internal.h"
#include "vok/params/delay_arrays.h"
#include "vok/params/dialog_run.h"
#include "vok/params/param_files.h"
#include "vok/params/param_table.h"
#include "vok/vok.h"

using vtest::env;

namespace windows {
void report(const char* name, WindowPtr w) {
  if (!w) {
    std::printf("@%s none\n", name);
    return;
  }
  Rect r;
  GetWindowContentBounds(w, &r);
  std::printf("@%s %d %d %d %d %s\n", name, r.top, r.left, r.bottom, r.right, IsWindowVisible(w) ? "visible" : "hidden");
}

void startVariant(const std::string& v) {
  if (!env("VOK_TEST_SCALE").empty()) s_d_scale = std::atof(env("VOK_TEST_SCALE").c_str());
  if (v == "Start") Start();
  else if (v == "StartTextOnly") StartTextOnly();
  else if (v == "StartRedraw") StartRedraw();
  else if (v == "MinimumStart") MinimumStart();
  else StartDrawingOnly();
}

// Start-up: where the windows went.
int modeStart() {
  if (env("VOK_TEST_SETBOUNDS") == "1") SetDrawingBounds(300, 100, 700, 500);
  if (env("VOK_TEST_SETTEXT") == "1") SetTextBounds(0, 30, 300, 600);
  if (env("VOK_TEST_REMEMBER") == "1") s_windowResFlag = 1;
  if (!env("VOK_TEST_FONT").empty()) SetStartFont(env("VOK_TEST_FONT").c_str());
  startVariant(env("VOK_TEST_VARIANT"));
  report("drawing", s_displayWindow);
  report("text", s_textWindow);
  report("input", s_inputWindow);
  std::printf("@bounds %d %d %d %d\n", s_windowBounds.top, s_windowBounds.left, s_windowBounds.bottom,
              s_windowBounds.right);
  if (s_textWindow && s_displayWindow) {
    CGrafPtr text = GetWindowPort(s_textWindow), drawing = GetWindowPort(s_displayWindow);
    std::printf("@fonts %d %d %d %d\n", GetPortTextFont(text), GetPortTextSize(text), GetPortTextFont(drawing),
                GetPortTextSize(drawing));
  }
  if (env("VOK_TEST_TWICE") == "1") startVariant(env("VOK_TEST_VARIANT"));
  return 0;
}

// The boundary drag: a click at x moves the boundary there.
int modeBoundary() {
  s_windowResFlag = 1;
  Start();
  ChangeWindowBoundary();
  report("drawing", s_displayWindow);
  report("text", s_textWindow);
  Rect* t = VOWindowBounds(s_textWindow);
  std::printf("@textport %d %d\n", t->right, t->bottom);
  std::printf("@te %d\n", (**s_textH).destRect.right);
  return 0;
}

// A long computation that polls: the pause gesture stops it.
int modePause() {
  Start();
  s_printf("working\n");
  for (int i = 0; i < 600; ++i) {
    KeyPressedCheckPause();
    WaitTick(1);
  }
  std::printf("@finished\n");
  return 0;
}

int modeStop() {
  StartDrawingOnly();
  s_printf("before stop\n");
  Stop();
  std::printf("@stopped at %d %d\n", s_event.where.h, s_event.where.v);
  return 0;
}

int modeError() {
  Start();
  if (env("VOK_TEST_LONG") == "1") {
    std::string name(2000, 'n');
    PrintError("Error in test: cannot read %s\n", name.c_str());
  }
  PrintError("Error in test: value %d is 100%% wrong\n", 5);
}
}  // namespace windows

// The file dialogs and the document queue; the command line holds the
// documents, FD_CASE the case, every result is one line:
//   queue:    takes the documents one by one, then asks with the open dialog
//   open:     DialogFOpen(FD_NAME, mode) for each mode of FD_MODES (a,b,c);
//             reading modes print the first line, writing ones write a line
//   location: SetDefaultFileLocation(FD_FOLDER), then a save and an open dialog
//   spec:     DialogFSSpec
namespace dialogs {
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

int run() {
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
}  // namespace dialogs

// The Parameters dialog: every type, the file buttons, two pages (26 + 7
// slots). The dialog is shown once (or as the script says), and the
// variables are printed afterwards. The script command `pagetext` prints the
// page in front, one "| label = value" line a slot.
namespace params {
PDPage* g_list = nullptr;

// What a person sees on the page in front: each slot's label and its value
// (a field's text, [x] or [ ] for a checkbox, a button's title), then the
// page buttons.
std::string pageText(const VokScriptLine&) {
  DialogRef d = GetDialogFromWindow(FrontWindow());
  if (!d) return "no dialog in front";
  auto text = [d](short item) {
    short kind;
    Handle h;
    Rect box;
    GetDialogItem(d, item, &kind, &h, &box);
    std::string t;
    VokDialogItemText(d, item, &t);
    if ((kind & 0x7F) == kCheckBoxDialogItem) t = pdGetItemValue(d, item) ? "[x]" : "[ ]";
    return t;
  };
  for (short i = 0; i < kPDParamsPerPage; ++i)
    if (!text(short(4 + 2 * i)).empty())
      std::printf("| %s = %s\n", text(short(4 + 2 * i)).c_str(), text(short(5 + 2 * i)).c_str());
  std::printf("| buttons: %s %s\n", text(kPDPrevItem).c_str(), text(kPDNextItem).c_str());
  std::fflush(stdout);
  return "";
}
const bool g_registered = VokRegisterScriptCommand("pagetext", pageText);

int g_ints[8] = {1, 2, 3, 4, 5, 6, 7, 8};
long g_long = 1234567890123L;
int16_t g_short = -5;
double g_doubles[6] = {0.5, 1.25, -3.0, 100.0, 0.001, 0.0000001};  // the last shows as 0.000000
double g_exps[4] = {12345.5, 1e-10, -6.5e20, 3.0};  // exact at seven digits
char g_strings[4][256] = {"alpha", "beta gamma", "", "50%"};
char g_static[32] = "fixed text";
int g_staticInt = 42;
int g_flags[4] = {0, 1, 0, 1};

int run(const char* initFile) {
  if (initFile) SetParametersDialogInitFile(initFile);
  StartDrawingOnly();
  in_SetUpParametersDialogP(&g_list);
  in_AddParameterP(reinterpret_cast<void*>(SavePDParameters), doType, "Save Params", g_list);
  in_AddParameterP(s_PD.fileName, stringType, "Param File Name", g_list);
  in_AddParameterP(reinterpret_cast<void*>(LoadPDParameters), doType, "Load Params", g_list);
  in_AddParameterP(&g_staticInt, staticIntType, "Static Int", g_list);
  in_AddParameterP(g_static, staticStringType, "Static Text", g_list);
  in_AddParameterP(&g_long, longType, "Long", g_list);
  in_AddParameterP(&g_short, shortType, "Short", g_list);
  for (int i = 0; i < 8; ++i) in_AddParameterP(&g_ints[i], intType, ("Int " + std::to_string(i)).c_str(), g_list);
  for (int i = 0; i < 6; ++i)
    in_AddParameterP(&g_doubles[i], doubleType, ("Double " + std::to_string(i)).c_str(), g_list);
  for (int i = 0; i < 4; ++i) in_AddParameterP(&g_exps[i], expType, ("Exp " + std::to_string(i)).c_str(), g_list);
  for (int i = 0; i < 4; ++i)
    in_AddParameterP(g_strings[i], stringType, ("String " + std::to_string(i)).c_str(), g_list);
  for (int i = 0; i < 4; ++i) in_AddParameterP(&g_flags[i], flagType, ("Flag " + std::to_string(i)).c_str(), g_list);
  ParametersDialogP(g_list);
  std::printf("long=%ld short=%d static=%d,%s\n", g_long, g_short, g_staticInt, g_static);
  for (int v : g_ints) std::printf("int=%d\n", v);
  for (double v : g_doubles) std::printf("double=%.17g\n", v);
  for (double v : g_exps) std::printf("exp=%.17g\n", v);
  for (auto& s : g_strings) std::printf("string=[%s]\n", s);
  for (int v : g_flags) std::printf("flag=%d\n", v);
  std::printf("file=%s\n", s_PD.fileName);
  std::fflush(stdout);
  return 0;
}

// Fatal misuses of the parameter table and the delayed arrays: each must end
// the program with its message.
int fatal(const std::string& misuse) {
  Start();
  int x = 0;
  PDPage* a = nullptr;
  PDPage* b = nullptr;
  if (misuse == "setup-twice") {
    in_SetUpParametersDialogP(&a);
    in_SetUpParametersDialogP(&b);
  } else if (misuse == "p0-twice") {
    in_AddParameterP0(&x, intType, "X", &a);
    in_AddParameterP0(&x, intType, "Y", &b);
  } else if (misuse == "no-list") {
    in_AddParameterP(&x, intType, "X", nullptr);
  } else if (misuse == "delay-overflow") {
    int* arr = nullptr;
    double* darr = nullptr;
    for (int i = 0; i < 100; ++i) SetParamsDoubleArray(&darr, i, 1.0, 0);  // counted apart
    for (int i = 0; i < 101; ++i) SetParamsIntArray(&arr, i, i, 0);
  }
  std::printf("survived\n");
  return 0;
}
}  // namespace params

// SGInit; the command line holds the documents handed over at launch; the
// environment says what else to do:
//   SG_FILE=path   SetGraphFileName(path) first (no dialog)
//   SG_READS=n     call SGInit n times (default 1)
//   SG_DELAY=1     record series settings before the first read
//   SG_BUTTON=1    register "Load New Data" and "Report" first, then show the
//                  dialog once
// After every read one line tells what s_sg and the graph's dialog hold
// (an alert's text goes to standard error, as in every headless run).
namespace sheet {
// What each registered parameter is bound to.
std::string params() {
  std::string s;
  int n = 0;
  for (PDPage* page = s_g.dialogReady ? s_g.dialog : nullptr; page; page = page->next)
    for (int i = 0; i < page->count; ++i, ++n) {
      const PDParam& p = page->params[i];
      std::string to = "?";
      if (p.pointer == &s_sg.columnCount) to = "columnCount";
      for (int c = 0; c < s_sgTables.nameSlots; ++c)
        if (p.pointer == s_sg.columnNames[c]) to = "name" + std::to_string(c + 1);
      if (p.type == doType) to = "button";
      s += std::string(n ? ", " : "") + p.name + ":" + (PDTypeName(p.type) ? PDTypeName(p.type) : "?") + "@" + to;
    }
  return s.empty() ? "none" : s;
}

void report(const std::string& when) {
  std::string names;
  for (int c = 0; c < s_sg.columnCount; ++c) names += std::string(c ? "|" : "") + s_sg.columnNames[c];
  std::printf("%s: file=%s columns=%d rows=%ld names=%s", when.c_str(), vtest::baseName(s_sg.fileName).c_str(),
              s_sg.columnCount, s_sg.dataCount, names.c_str());
  if (s_sg.seriesCount > 0)
    std::printf(" x1=%d y1=%d pen2=%g frame=%g..%g,%g..%g", s_sg.seriesX[0], s_sg.seriesY[0],
                s_sg.seriesCount > 1 ? s_sg.penWidth[1] : -1.0, s_g.minFrameX, s_g.maxFrameX, s_g.minFrameY,
                s_g.maxFrameY);
  std::printf("\n  params: %s\n", params().c_str());
  std::fflush(stdout);
}

int run() {
  StartDrawingOnly();
  if (!env("SG_FILE").empty()) SetGraphFileName(env("SG_FILE").c_str());
  if (!env("SG_DELAY").empty()) {
    SetParamsIntArray(&s_sg.seriesY, 0, 3, 0);  // series 1 on column 3 for y
    SetParamsDoubleArray(&s_sg.penWidth, 1, 4.5, 0);
    SetParamsIntArray(&s_sg.seriesX, 9, 2, 0);  // no tenth series: skipped
    SetParamsIntArray(&s_sg.seriesX, 0, 3, 1);  // another group: not applied
  }
  if (!env("SG_BUTTON").empty()) {
    in_SetUpParametersDialogP(&s_g.dialog);
    s_g.dialogReady = 1;
    in_AddParameterP(reinterpret_cast<void*>(SGInit), doType, "Load New Data", s_g.dialog);
    in_AddParameterP(reinterpret_cast<void*>(+[] { report("button"); }), doType, "Report", s_g.dialog);
  }
  int reads = env("SG_READS").empty() ? 1 : std::atoi(env("SG_READS").c_str());
  for (int i = 1; i <= reads; ++i) {
    SGInit();
    report("read " + std::to_string(i));
    if (!env("SG_DELAY").empty()) s_sg.seriesY[0] = 1;  // a user's edit, undone by the next read's settings
  }
  if (!env("SG_BUTTON").empty()) {
    ParametersDialogP(s_g.dialog);
    report("dialog");
  }
  return 0;
}
}  // namespace sheet

// zoom plain|buffered STEP...: the drawing window at global (100, 100),
// 400 x 300 unscaled ("buffered": at display scale 2, window at (200, 200)),
// a transform of 100 pixels per unit with world (0, 0) at pixel (50, 250),
// then the steps:
//   enlarge   EnlargePlot2D (the script drags), then prints the world
//             rectangle the window shows, both scales and whether it was erased
//   reverse   makes x grow to the left: world 0 at column 350
//   shrink    ShrinkPlot2DHalf, then prints as enlarge does
// Results go to standard error, one line per step.
namespace zoom {
const short kW = 400, kH = 300;

// A dot at (5, 5) that an erase removes.
void markCorner() {
  s_MoveTo(5, 5);
  s_LineTo(5, 5);
}

bool cornerInked() {
  const PixMap& pm = s_drawingPort->portPixMap;
  return (pm.baseAddr[5 * pm.rowPixels + 5] & 0xFFFFFF) != 0xFFFFFF;
}

void report(const char* step) {
  std::fprintf(stderr, "%s x %.4f %.4f y %.4f %.4f w %.4f %.4f erased %d\n", step, Plot2DReverseX(0),
               Plot2DReverseX(kW), Plot2DReverseY(kH), Plot2DReverseY(0), s_wx, s_wy, cornerInked() ? 0 : 1);
}

int run(int argc, char** argv) {
  bool buffered = argc > 1 && std::strcmp(argv[1], "buffered") == 0;
  if (buffered) s_d_scale = 2.0;
  SetDrawingBounds(100, 100, 100 + kW, 100 + kH);
  if (buffered)
    StartRedraw();
  else
    StartNoRedraw();
  ShowDrawing();
  SetPlot4W(0, 100, 100, 0, 0);
  SetPlot4B(0, 50, 50, 0, 0);
  SetPlot4O(0, 0, 0, 0, 0);
  for (int i = 2; i < argc; ++i) {
    markCorner();
    if (std::strcmp(argv[i], "enlarge") == 0) {
      EnlargePlot2D();
      report("enlarge");
    } else if (std::strcmp(argv[i], "reverse") == 0) {
      SetPlot4W(0, -100, 100, 0, 0);
      SetPlot4B(0, 350, 50, 0, 0);
      SetPlot4O(0, 0, 0, 0, 0);
    } else if (std::strcmp(argv[i], "shrink") == 0) {
      ShrinkPlot2DHalf();
      report("shrink");
    }
  }
  return 0;
}
}  // namespace zoom

int main(int argc, char** argv) {
  std::string mode = env("VOK_TEST_MODE");
  if (mode == "start") return windows::modeStart();
  if (mode == "pause") return windows::modePause();
  if (mode == "boundary") return windows::modeBoundary();
  if (mode == "stop") return windows::modeStop();
  if (mode == "error") return windows::modeError();
  if (mode == "dialogs") return dialogs::run();
  if (mode == "params") return params::run(argc > 1 ? argv[1] : nullptr);
  if (mode == "fatal") return params::fatal(argc > 1 ? argv[1] : "");
  if (mode == "sheet") return sheet::run();
  if (mode == "zoom") return zoom::run(argc, argv);
  if (mode == "nofunction") {
    StartColorDrawingOnly();
    Graph3DFunction();
    return 0;
  }
  std::fprintf(stderr, "frame_prog: unknown VOK_TEST_MODE \"%s\"\n", mode.c_str());
  return 2;
}
