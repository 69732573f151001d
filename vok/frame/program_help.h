// What a program's --help says about it.
#pragma once

// `about`: what the program does, one line; `documents`: what its file
// arguments are. Call before the toolkit starts (StartDrawingOnly).
void SetProgramHelp(const char* about, const char* documents);
