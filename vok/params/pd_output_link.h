// What the command buttons call of printing and picture saving. Until the
// output layer's headers land, the names are declared here; they are
// defined there (EndSavingInPrintingProc too, since it needs the print
// job's picture), never in vok/params.
#pragma once

// ---- BEGIN interim declarations of the output layer (replace by its headers) ----
void BeginBitMapPrinting();
void EndBitMapPrinting();
void BeginBitMapSaving();
void EndBitMapSaving();
void BeginPrinting();
bool EndPrinting();
void BeginSaving();
void EndSaving();
// ---- END interim declarations of the output layer ----
