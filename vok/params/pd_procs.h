// The standard command buttons of the Parameters dialog, each a procedure
// without arguments, and AddPDProcs, which registers them into the
// default page list s_paramDialogP. The printing and saving buttons run
// the output layer's jobs through s_outputProcs (output_procs.h).
#pragma once

void ShowProc();
void ClearProc();
void ShrinkProc();
void AddPDProcs();
