// The standard command buttons of the Parameters dialog, each a procedure
// without arguments, and AddPDProcs, which registers them into the
// default page list s_paramDialogP. The printing and saving buttons are
// defined with the output layer, which owns the jobs they run.
#pragma once

void ShowProc();
void ClearProc();
void PrintProc();
void SaveProc();
void BeginPrintingProc();
void EndPrintingProc();
void BeginSavingProc();
void EndSavingProc();
void EndSavingInPrintingProc();
void ShrinkProc();
void AddPDProcs();
