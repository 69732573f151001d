// Files chosen by the user: the open and save dialogs over the platform's
// navigation calls (one file at a time, no type pop-up, the toolkit's client
// name, the default folder), and a stream opener that picks the dialog from
// the fopen mode. Every file the toolkit reads or writes at the user's choice
// comes through here.
#pragma once
#include <cstdio>

#include "platform/file/file.h"
#include "platform/nav/nav.h"

struct VOKFileDialog {
  FSSpec spec;              // the file most recently chosen through DialogFOpen or DialogFSSpec
  char clientName[256];     // shown by the dialogs as their client: "VOK"
  AEDesc* defaultLocation;  // folder the dialogs open in ('fss '); null lets the platform choose
};
extern VOKFileDialog s_df;

// Open dialog. fileType 0 offers every file, any other type offers files of
// that type and files without a type. noErr with *spec and *good set; -1
// with *good cleared on cancel; a platform error unchanged (*good untouched).
OSErr VOKGetFile(OSType fileType, FSSpec* spec, Boolean* good);
// Save dialog proposing defaultName (fileType only steers the dialog; 0 is
// 'BINA'). On a choice the file there is replaced by a new empty one of type
// 'TEXT', creator 'VOK '. Results as VOKGetFile.
OSErr VOKPutFile(const char* defaultName, OSType fileType, FSSpec* spec, Boolean* good);
// The save dialog of VOKPutFile leaving the chosen place untouched, for
// writers that replace the file whole once their content is complete.
OSErr VOKChooseSaveFile(const char* defaultName, OSType fileType, FSSpec* spec, Boolean* good);

// Asks for a file and opens it with the fopen `mode`:
//   - r, r+, w+, a+ (and rb, r+b ...): the open dialog; text files only
//     unless the mode has a b in second or third place;
//   - w, a, wb, ab: the save dialog proposing defaultName. The stream then
//     writes to a temporary file beside the target, and fclose puts it in
//     place whole (type 'TEXT', creator 'VOK '): until fclose succeeds the
//     old file, if any, stays as it was, and a write or commit failure makes
//     fclose return EOF with errno set and leaves nothing behind. A stream
//     never closed leaves no file; its temporary file goes at exit. Such a
//     stream has no file descriptor (fileno gives -1).
//   - wb+, ab+: the save dialog, then the chosen file recreated empty and
//     opened in place.
// Null on cancel, on a dialog error, or when the file cannot be opened
// (errno tells why; DialogFPath() then names the file). Nothing is shown.
FILE* DialogFOpen(const char* defaultName, const char* mode);
// The path of the file the last DialogFOpen chose; "" after a cancel.
const char* DialogFPath();
// Open dialog for any file; *spec is the choice, all zero on cancel or error.
FSSpec* DialogFSSpec(FSSpec* spec);
// The dialogs open in this folder from now on (a copy of the FSSpec is kept).
void SetDefaultFileLocation(const FSSpec* folderSpec);
