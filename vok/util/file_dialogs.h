// Files chosen by the user: a stream opener over the open and save dialogs.
#pragma once
#include <cstdio>

// Shows the open dialog (modes r, r+, w+, a+ ...) or the save dialog proposing
// `defaultName` (modes w, a, wb ...) and opens the chosen file with fopen;
// null when the user cancelled or the file cannot be opened.
FILE* DialogFOpen(const char* defaultName, const char* mode);
