// The running program as the shell sees it: its name on standard error and
// whether its run failed.
#pragma once

// The program's name for messages on standard error: the basename of argv[0]
// (the process's short invocation name until VokSetProgramName).
const char* VokProgramName();
void VokSetProgramName(const char* name);
// Remembers that the run failed (an error only a log saw), so that
// ExitToShell, the normal end, still reports failure with status 1.
void VokNoteFailure();
bool VokRunFailed();
