// Shared by picture saving, bitmap saving and picture printing: recording
// the drawing window, where a file goes and how a failed write is told.
#pragma once
#include <string>

#include "platform/file/file.h"
#include "platform/gfx/picture.h"

// Writes data whole to spec (the old file stays on failure, which is told
// to the user naming the file); false on failure.
bool s_SaveFileWhole(const char* who, const FSSpec* spec, const void* data, size_t size, OSType type, OSType creator);
// "Error in <who>: <why>" in the text window and an alert (on standard
// error before start-up).
void s_TellFileError(const char* who, const std::string& why);
// The port whose pixels and drawing are saved: the drawing port, else the current one.
CGrafPtr s_SavedDrawingPort();
// Records the drawing window into a fresh picture in *pict (the old one is
// disposed of) while the drawing still shows; fatal when a recording for
// saving or printing is under way.
void s_BeginDrawingPicture(PicHandle* pict);
// Ends the recording under way, if any.
void s_EndDrawingPicture();
