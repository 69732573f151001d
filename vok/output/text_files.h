// The console on paper and in files: while text printing or saving is on,
// everything printed with s_printf and every echoed input line also goes to
// the printer (a page each time a page's worth of lines has gathered) or to
// a text file (CR line ends, type 'TEXT'); while text reading is on, console
// input comes from a text file instead of the keyboard.
#pragma once
#include "platform/base/types.h"

void BeginTextPrinting();  // page setup and print dialog; printing stays off when cancelled
void EndTextPrinting();    // prints what is left as the last page
void SetTextPrintFontName(const char* name);
void SetTextPrintFontSize(short size);
void SetTextPrintTE();
void PrintText(const char* text);
void TextPrintProc();

// Saving: the file chosen here is replaced whole at EndTextSaving (or when
// the program ends), so a failed save keeps the old file and says why.
short BeginTextSaving();  // the open file's reference, or -1
void EndTextSaving();
long SaveText(const char* text);  // bytes taken
void SetTextCreator(OSType creator);

// Reading: a file that is not text is refused with a message.
short BeginTextReading();  // the open file's reference, or -1
void EndTextReading();
long ReadText(char* c);  // 1 with the next byte in *c, 0 at the end of the file
