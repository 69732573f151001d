// SGInit: choose and open the data file, read it (sheet_read.cpp), and on
// the first read register the file's parameters.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "vok/frame/messages.h"
#include "vok/graph/sheet_data.h"

namespace {
int g_repeat = 0;  // a file has been read once

// The open rules, first that applies: the next document handed over by the
// desktop, the open dialog when useDialog is set, else fileName itself.
// Only the last is wired so far; the other two come with the file dialogs.
// Returns null when there is nothing to read (a message was shown if the
// user needs one).
FILE* s_SGOpenDataFile() {
  FILE* f = std::fopen(s_sg.fileName, "r");
  if (!f) {
    char message[512];
    std::snprintf(message, sizeof message, "Error in SGInit: cannot open \"%s\": %s\n", s_sg.fileName,
                  std::strerror(errno));
    AlertMessage(message, 2);
  }
  return f;
}

// First read only: "Series Number" (read-only, on columnCount) and one
// "Data %d" string parameter per column name. Comes with the parameter
// table; the name slots are kSGColumnNameSlot bytes so a string edit fits.
void s_SGRegisterColumns() {}

// Pending series settings recorded before the file was read, applied to the
// first seriesCount entries after every read. Comes with the delayed
// parameter arrays.
void s_SGApplyDelayedSettings() {}
}  // namespace

void SGInit() {
  FILE* f = s_SGOpenDataFile();
  if (!f) return;
  char message[512];
  int status = SGReadFile(f, s_sg.fileName, message, sizeof message);
  std::fclose(f);
  if (status != kSGReadOK) AlertMessage(message, 2);
  if (status != kSGReadOK && status != kSGReadIOError) return;  // refused: the old data stay
  if (!g_repeat) s_SGRegisterColumns();
  g_repeat = 1;
  s_SGApplyDelayedSettings();
}
