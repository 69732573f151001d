// Console input through the input window: s_scanf reads one line typed by
// the user (or taken from a text file while text reading is on), echoes it
// into the text window and parses it; s_fgets hands the line out in pieces.
#pragma once
#include <cstdio>

#include "platform/base/types.h"

extern char s_inputChar;           // the character being handled
extern int32_t echoInputFlag;      // 1: typed input also goes to the text window and the hooks
extern unsigned char s_textReadFlag;  // input comes from ReadTextP
extern int32_t textFileEnd;        // the text file being read has ended
extern int32_t fgetsContFlag;      // s_fgets is handing out a long line in pieces
extern char* startOfInput;         // where its next piece begins

enum { kConsoleLineMax = 1025 };  // characters one console line takes at most

int s_scanf(const char* format, ...) __attribute__((format(scanf, 1, 2)));
char* s_fgets(char* buffer, int n, FILE* stream);
int s_getchar();
int s_fflush(FILE* stream);

// Reads one console line and returns it (CR-terminated unless cut at
// kConsoleLineMax characters, then a NUL); valid until the next read.
const char* s_ReadConsoleLine();
