// The Parameters dialog run by a script: every type, the file buttons, two
// pages (26 + 7 slots), argv[1] the start-up parameter file if any. The
// dialog is shown once (or as the script says), and the variables are
// printed afterwards so the test can compare them. The script command
// `pagetext` prints the page in front, one "| label = value" line a slot.
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/script/script.h"
#include "platform/wm/window.h"
#include "vok/draw/start.h"
#include "vok/params/dialog_run.h"
#include "vok/params/param_files.h"

namespace {
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
}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) SetParametersDialogInitFile(argv[1]);
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
