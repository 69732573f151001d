// Installs the output jobs into the hooks of the layers below (the
// Parameters dialog's buttons and the graph loops). The library is linked so
// that this file is always in (vok/CMakeLists.txt).
#include "vok/output/printing.h"
#include "vok/output/saving.h"
#include "vok/params/output_procs.h"

namespace {
const bool g_installed = [] {
  s_outputProcs = VOKOutputProcs{BeginPrintingProc, EndPrintingProc, BeginSavingProc, EndSavingProc,
                                 PrintProc,         SaveProc,        EndSavingInPrintingProc};
  return true;
}();
}  // namespace

extern "C" const bool vok_output_linked = true;
