// The running program as the shell sees it: its name on standard error and
// whether its run failed.
#pragma once

// The program's name for messages on standard error: the basename of argv[0]
// (the process's short invocation name until VokSetProgramName).
const char* VokProgramName();
void VokSetProgramName(const char* name);
// Remembers that the run failed (an error only a log saw), so that a normal
// end (ExitToShell, main's return) still reports failure with status 1, once
// VokInstallFailureStatus (platform/event) has run.
void VokNoteFailure();
bool VokRunFailed();
