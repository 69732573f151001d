// SGInit: choose and open the data file, read it (sheet_read.cpp), on the
// first read register the file's parameters, and after every read apply the
// series settings recorded before the file was known.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "vok/draw/file_dialogs.h"
#include "vok/frame/messages.h"
#include "vok/graph/graph_settings.h"
#include "vok/graph/sheet_data.h"
#include "vok/graph/sheet_internal.h"
#include "vok/params/delay_arrays.h"
#include "vok/params/param_table.h"
#include "vok/util/documents.h"

namespace {
int g_repeat = 0;  // a file has been read once

// The messages end in a line feed for the text window; an alert has no use for it.
void alert(char* message) {
  size_t n = std::strlen(message);
  while (n && message[n - 1] == '\n') message[--n] = 0;
  s_AlertFileError(message);
}

const char* baseName(const char* path) {
  const char* slash = std::strrchr(path, '/');
  return slash && slash[1] ? slash + 1 : path;
}

// An alert holds 255 characters: a path too long for the message is named
// by its last component, so the reason is never cut off.
void alertCannotOpen(const char* path, int error) {
  char message[1400];
  std::snprintf(message, sizeof message, "Error in SGInit: cannot open \"%s\": %s\n", path, std::strerror(error));
  if (std::strlen(message) > 255)
    std::snprintf(message, sizeof message, "Error in SGInit: cannot open \"%s\": %s\n", baseName(path),
                  std::strerror(error));
  alert(message);
}

// The chosen file becomes fileName; a path longer than fileName holds is
// kept as its last component (it still names the file in messages).
void rememberName(const char* path) {
  if (!*path) return;
  const char* kept = std::strlen(path) < sizeof s_sg.fileName ? path : baseName(path);
  std::snprintf(s_sg.fileName, sizeof s_sg.fileName, "%s", kept);
}

// The open rules, first that applies: the next document handed over by the
// desktop, the open dialog when useDialog is set, else fileName itself.
// Null when there is nothing to read: after an alert when a file could not
// be opened, silently when the user cancelled. *path names what was opened
// (it becomes fileName once it has been read).
FILE* s_SGOpenDataFile(std::string* path) {
  FILE* f;
  int error;
  if (DDCount() > 0) {
    f = DDFOpen(s_sg.fileName, "r");
    error = errno;
    *path = DDFPath();
  } else if (s_sg.useDialog) {
    f = DialogFOpen(s_sg.fileName, "r");
    error = errno;
    *path = DialogFPath();
    if (!f && path->empty()) return nullptr;  // cancelled
  } else {
    f = std::fopen(s_sg.fileName, "r");
    error = errno;
    *path = s_sg.fileName;
  }
  if (!f) {
    alertCannotOpen(path->empty() ? "(unnamed)" : path->c_str(), error);
    return nullptr;
  }
  return f;
}

// The graph's page list, set up here when no graph parameter came first.
PDPage* s_SGGraphDialog() {
  if (!s_g.dialogReady) {
    in_SetUpParametersDialogP(&s_g.dialog);
    s_g.dialogReady = 1;
  }
  return s_g.dialog;
}

// First read only: "Series Number" (read-only, on columnCount) and one
// "Data %d" string parameter per column name. The name slots are
// kSGColumnNameSlot bytes, so a string edit fits; SGBoundColumnNames cuts
// it back to a name's length.
void s_SGRegisterColumns() {
  PDPage* dialog = s_SGGraphDialog();
  in_AddParameterP(&s_sg.columnCount, staticIntType, s_sg.seriesNumberLabel, dialog);
  for (int i = 1; i <= s_sg.columnCount; ++i) {
    char label[32];
    std::snprintf(label, sizeof label, "Data %d", i);
    in_AddParameterP(s_sg.columnNames[i - 1], stringType, label, dialog);
  }
  // The dialog's parameters now point into this block of names: a later,
  // wider file cannot have parameters of its own, so it is refused.
  s_sgTables.columnLimit = s_sg.columnCount;
  s_sgTables.limitIsFirstFile = true;
}

// Settings recorded for series that did not exist yet, applied to the first
// seriesCount entries after every read (so a new file restores them).
void s_SGApplyDelayedSettings() {
  DelaySetParamsIntArray(s_sg.seriesCount, 0);
  DelaySetParamsDoubleArray(s_sg.seriesCount, 0);
}

// Reads f, named by path; on a message, shows it in an alert (naming the
// file by its last component when the whole path would not fit).
int s_SGReadAndReport(FILE* f, const char* path) {
  char message[1400];
  int status = SGReadFile(f, path, message, sizeof message);
  if (status != kSGReadOK) {
    if (std::strlen(message) > 255) {
      // The reader's messages come before any change, or after the rows
      // are in; only the name is taken again, from the text already made.
      std::string whole = message, name = std::string("\"") + path + "\"";
      size_t at = whole.find(name);
      if (at != std::string::npos) whole.replace(at, name.size(), std::string("\"") + baseName(path) + "\"");
      std::snprintf(message, sizeof message, "%s", whole.c_str());
    }
    alert(message);
  }
  return status;
}
}  // namespace

void SGInit() {
  SGBoundColumnNames();  // the dialog may have stored long names before this button ran
  if (!g_repeat) s_sgTables.columnLimit = kSGMaxColumns;
  std::string path;
  FILE* f = s_SGOpenDataFile(&path);
  if (!f) return;
  int status = s_SGReadAndReport(f, path.c_str());
  std::fclose(f);
  if (status != kSGReadOK && status != kSGReadCutShort) return;  // refused: the old data stay
  rememberName(path.c_str());
  if (!g_repeat) s_SGRegisterColumns();
  g_repeat = 1;
  SGBoundColumnNames();
  s_SGApplyDelayedSettings();
}
