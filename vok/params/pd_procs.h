// The standard command buttons of the Parameters dialog, each a procedure
// without arguments, and AddPDProcs, which registers them into the
// default page list s_paramDialogP.
#pragma once

void ShowProc();
void ClearProc();
void PrintProc();
void SaveProc();
void BeginPrintingProc();
void EndPrintingProc();
void BeginSavingProc();
void EndSavingProc();
void EndSavingInPrintingProc();  // saves the picture recorded for the last print job
void ShrinkProc();
void AddPDProcs();
