// Window bounds memory: the text, input and drawing rectangles remembered
// between runs (only while s_windowResFlag is set), and any window's size.
#pragma once
#include "platform/wm/window.h"

// Remembered records, 8 bytes each: top, left, bottom, right as big-endian
// 16-bit values. Kept in "$HOME/Library/Preferences/<program>-windowBounds.txt".
enum : short { kTextBoundsID = 128, kInputBoundsID = 129, kDrawingBoundsID = 130 };
extern Handle s_textBoundsH, s_inputBoundsH, s_windowBoundsH;

void SetWindowBoundsResource();
// Keeps r in *h as the stored 8-byte record (made on first use).
void s_KeepBoundsRecord(Handle* h, const Rect& r);
// The port bounds of w (top and left 0, bottom the height, right the width);
// one static rectangle that every call overwrites.
Rect* VOWindowBounds(WindowPtr w);

// The store itself: path of the file, read one record, write one record.
const char* s_WindowBoundsPath();
bool s_ReadWindowBounds(short id, Rect* r);
bool s_WriteWindowBounds(short id, const Rect& r, const char* name);
