// SGInit in a started program, driven by a headless script. The command
// line holds the documents handed over at launch; the environment says
// what else to do:
//   SG_FILE=path   SetGraphFileName(path) first (no dialog)
//   SG_READS=n     call SGInit n times (default 1)
//   SG_DELAY=1     record series settings before the first read
//   SG_BUTTON=1    register "Load New Data" and "Report" first, then show the
//                  dialog once
// After every read one line tells what s_sg and the graph's dialog hold
// (an alert's text goes to standard error, as in every headless run).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/vok_prog.h"
#include "vok/draw/start.h"
#include "vok/graph/graph_settings.h"
#include "vok/graph/sheet_data.h"
#include "vok/graph/sheet_internal.h"
#include "vok/params/delay_arrays.h"
#include "vok/params/dialog_run.h"
#include "vok/params/param_table.h"

namespace {
using vtest::env;
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
}  // namespace

int main() {
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
