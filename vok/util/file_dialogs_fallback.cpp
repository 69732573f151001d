// Stand-in for DialogFOpen while the file dialogs are not part of the build:
// behaves as if the user cancelled. Weak, so the real one wins wherever it is
// linked; delete this file when the file dialogs land.
#include "vok/util/file_dialogs.h"

__attribute__((weak)) FILE* DialogFOpen(const char* /*defaultName*/, const char* /*mode*/) { return nullptr; }
