// File dialogs: the open and save dialogs the toolkit shows when it asks
// the user for a file, and a stream opener on top of them.
#pragma once
#include <cstdio>

#include "platform/file/file.h"
#include "platform/file/nav.h"

struct VOKFileDialog {
  FSSpec spec;              // the file most recently chosen through DialogFOpen
  char clientName[256];     // shown by the dialogs as their client
  AEDesc* defaultLocation;  // folder the dialogs open in; null lets the platform choose
};
extern VOKFileDialog s_df;

// Open dialog; with fileType 0 every file is offered, else files of that
// type and files without a type. -1 with *good cleared on cancel.
OSErr VOKGetFile(OSType fileType, FSSpec* spec, Boolean* good);
// Save dialog proposing defaultName; on a choice the file there is replaced
// by a new empty text file.
OSErr VOKPutFile(const char* defaultName, OSType fileType, FSSpec* spec, Boolean* good);
// The save dialog of VOKPutFile without touching the chosen place, for
// writers that replace the file atomically once their content is complete.
OSErr VOKChooseSaveFile(const char* defaultName, OSType fileType, FSSpec* spec, Boolean* good);
// Open dialog for "r", "r+", "w+", "a+" (and their b forms), save dialog
// for "w", "a", "wb", "ab"; then fopen of the choice. Null on cancel.
FILE* DialogFOpen(const char* defaultName, const char* mode);
