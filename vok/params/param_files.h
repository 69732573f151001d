// Parameter files: one line per registered parameter of the list last shown
// ("label"<tab>type<tab>value), written on request and read back by position.
#pragma once
#include <cstdio>
#include <string>

#include "vok/params/param_table.h"

enum { kPDLineSize = 528 };  // buffer of PDParamListString

void SavePDParameters();
void LoadPDParameters();
void LoadFileNamePDParameters(const char* fileName);
void FprintfPDParamList(FILE* file, PDParam param);
void PDParamListString(char* line, PDParam param);
int FscanfPDParamList(FILE* file, PDParam param);
void SetParametersDialogInitFile(const char* fileName);
void PDInitLoadParams();

// The line of one parameter, however long; empty for a type code outside
// the ten (after the message).
std::string PDParamLine(const PDParam& param);
// Writes the dump of s_PD.head to `path` through a temporary file in the
// same folder, so a failed save leaves any previous file as it was.
// Returns false (after a message) when the file could not be written.
bool PDSaveParametersToPath(const char* path);
