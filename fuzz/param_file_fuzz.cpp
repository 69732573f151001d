// Fuzz target of parameter files: any bytes as the file a graph program's
// Parameters dialog loads, through the dialog's own load (the variables
// taken into the slots, the file read over them, the slots shown again) on
// the parameter list of a 2D function graph plus one variable of each type.
// Messages go where a headless run sends them when there is no text window
// to draw them in: standard output, here /dev/null.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "vok/frame/startup.h"
#include "vok/graph/graph_loop.h"
#include "vok/graph/graph_settings.h"
#include "vok/params/dialog_run.h"
#include "vok/params/param_files.h"
#include "vok/params/param_table.h"

namespace {
void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

struct Extra {
  long l = 0;
  int16_t s = 0;
  double e = 0;
  int32_t si = 0;
  char str[kPDTextSize] = "";
  char ro[16] = "read only";
} g_extra;

char g_path[64];

void registerList() {
  s_g.graphDimension = 2;
  s_g1.graphKind = kGraphFunction;
  in_SetUpParametersDialogP(&s_g.dialog);
  s_g.dialogReady = 1;
  GraphAddParameters();
  in_AddParameterP(&g_extra.l, longType, "Long", s_g.dialog);
  in_AddParameterP(&g_extra.s, shortType, "Short", s_g.dialog);
  in_AddParameterP(&g_extra.e, expType, "Exp", s_g.dialog);
  in_AddParameterP(&g_extra.si, staticIntType, "Static Int", s_g.dialog);
  in_AddParameterP(g_extra.str, stringType, "String", s_g.dialog);
  in_AddParameterP(g_extra.ro, staticStringType, "Static String", s_g.dialog);
}

double valueOf(const PDParam& p) {
  switch (p.type) {
    case intType:
    case flagType:
    case staticIntType: return *static_cast<const int32_t*>(p.pointer);
    case longType: return double(*static_cast<const long*>(p.pointer));
    case shortType: return *static_cast<const int16_t*>(p.pointer);
    case doubleType:
    case expType: return *static_cast<const double*>(p.pointer);
    default: return 0;
  }
}

void checkList() {
  for (PDPage* page = s_PD.head; page; page = page->next)
    for (int slot = 0; slot < page->count; ++slot) {
      const PDParam& p = page->params[slot];
      if (p.type == stringType || p.type == staticStringType)
        require(std::memchr(p.pointer, 0, kPDTextSize) != nullptr, "strings end inside their buffer");
      else if (p.bounded)
        require(valueOf(p) >= p.lo && valueOf(p) <= p.hi, "bounded settings stay in range");
    }
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("VOK_DISPLAY", "headless", 1);
  unsetenv("VOK_SCRIPT");
  if (!std::freopen("/dev/null", "w", stdout)) std::abort();
  s_ss.started = 1;  // started without windows: no text window
  registerList();
  s_PD.head = s_g.dialog;
  int fd = memfd_create("param_file_fuzz", 0);
  if (fd < 0) std::abort();
  std::snprintf(g_path, sizeof g_path, "/proc/self/fd/%d", fd);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FILE* f = std::fopen(g_path, "w");
  if (!f) std::abort();
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  SetParametersDialogInitFile(g_path);
  PDInitLoadParams();
  checkList();
  return 0;
}
