// The picture-printing command buttons of the Parameters dialog ("Print
// BitMap" lives with bitmap printing).
#include "vok/output/printing.h"
#include "vok/output/saving.h"
#include "vok/params/pd_procs.h"

void BeginPrintingProc() { BeginPrinting(); }
void EndPrintingProc() { EndPrinting(); }

// Saves the picture recorded for printing as a picture file.
void EndSavingInPrintingProc() {
  if (s_print.pict) SavePict(s_print.pict);
}
