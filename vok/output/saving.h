// Saving what the drawing window shows: a recorded picture written as a
// picture file, or the window's pixels as a bitmap file (a picture holding a
// pixel image in colour mode, a MacPaint image otherwise). The `recording`
// flag is shared with picture printing, so saving and printing never overlap.
#pragma once
#include <cstdint>

#include "platform/file/file.h"
#include "platform/gfx/picture.h"

struct SaveState {
  int32_t recording;       // a picture is being recorded for saving or printing
  PicHandle pict;          // recorded by BeginSaving; kept until the next BeginSaving
  int32_t autoNumber;      // next name of EndBitMapSavingAuto
  OSType drawingCreator;   // creator of picture files
  FSSpec bitMapSpec;       // chosen by BeginBitMapSaving
  Boolean bitMapGood;      // the user chose a bitmap file
  OSType bitMapCreator;    // creator of MacPaint files
  int32_t usePresetSpec;   // SavePict writes to bitMapSpec instead of asking
  FSSpec textSpec;         // text saving and reading: the file begun last
  Boolean textGood;        // the user chose textSpec
  short textWriteRef;      // the text file being saved, or -1
  OSType textCreator;      // creator of saved text files
  short textReadRef;       // the text file being read, or -1
};
extern SaveState s_save;

void BeginSaving();
void EndSaving();
// Parameters dialog buttons: "Begin Saving", "End Saving", "Save BitMap".
void BeginSavingProc();
void EndSavingProc();
void SaveProc();
void SavePict(PicHandle pict);
void SetDrawingCreator(OSType creator);
void SetBitMapCreator(OSType creator);
void BeginBitMapSaving();
void EndBitMapSaving();
void EndBitMapSavingAuto();
void EndBitMapSavingColor();
void EndBitMapSavingMono();
