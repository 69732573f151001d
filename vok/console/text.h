// The console without a terminal: the text window that collects everything
// printed with s_printf (CR line ends, trimmed to a character budget), the
// one-line input window, and small formatting helpers.
#pragma once
#include <cstdarg>
#include <cstdio>

#include "platform/wm/textedit.h"
#include "platform/wm/window.h"

extern WindowPtr s_textWindow;   // title "Text", visible when made
extern WindowPtr s_inputWindow;  // title "Input", hidden when made
extern TEHandle s_textH, s_inputH;
extern Rect s_textRect, s_inputRect;  // port rectangles inset by 4 left and right
extern char s_string[1024];           // shared formatting buffer: at most 1023 characters a call
extern int32_t s_textCharNum;         // the text window's character budget
extern const int32_t s_textCharNumMax;
extern const int32_t s_textCharNumMin;  // reserve of SetTextCharNum, and what a trim keeps
extern unsigned char s_textSaveFlag, s_textPrintFlag;
extern int srandFlag;

void InitText();
void EraseText();
int SetTextCharNum(int n);

int s_printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
int s_vprintf(const char* format, va_list args);
int s_fprintf(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
int s_puts(const char* text);
int s_sprintfModifyLF(char* buffer, const char* format, ...) __attribute__((format(printf, 2, 3)));
void LFToF(const char* from, char* to);
void s_debug(const char* text);
// Formats into s_string, cutting at 1023 characters; returns the length kept
// (negative on an encoding error, with s_string empty).
int s_FormatString(const char* format, va_list args);
void s_srand(unsigned seed);
// Prints the four characters of a type code and a line end.
void PrintOSType(unsigned int type);

// Appends text (CR line ends) at the end of the text window, trims it to the
// budget and scrolls to it; in headless runs also writes it to standard
// output with LF line ends. Does nothing but the echo when there is no window.
void s_TextAppend(const char* text, long length);
inline void s_TextAppend(const char* text) { s_TextAppend(text, long(__builtin_strlen(text))); }
// Trims the text window to its budget (after text typed into it directly).
void s_TextKeepBudget();
// The echo alone (headless runs only), for text that reaches the window another way.
void s_EchoToStdout(const char* text, long length);
