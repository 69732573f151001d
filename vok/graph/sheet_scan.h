// Small string scanners of the spreadsheet reader, also offered to other
// code: words separated by white space (the C isspace classification) or
// fields separated by tabs, numbers read from a word with "%lf" or "%d", the
// conversions to and from length-prefixed strings, and a prefix test.
// Every scanner takes the address of a text pointer and advances it.
#pragma once
#include <cstddef>

// Advances *pos over white space.
void SkipSpaces(char** pos);
// The next word into out. Without tabSeparated, white space is skipped first
// and after the word. With tabSeparated, the word starts right at *pos and
// the rest of its field is skipped up to and over the next tab or line feed.
// Returns 0 at the end of the text (out untouched), else 1. out must have
// room for the longest word of the text; s_SScanStringBounded cuts instead.
int SScanStringTabSepareted(char** pos, char* out, int tabSeparated);
int SScanString(char** pos, char* out);  // SScanStringTabSepareted(pos, out, 0)
// As SScanStringTabSepareted, storing at most outSize - 1 characters of the
// word (the whole word is still passed over).
int s_SScanStringBounded(char** pos, char* out, size_t outSize, int tabSeparated);
// The next word read with "%lf": 0 when there is no word, else 1 (number
// stored), 0 (not a number) or -1 (empty word). Words of any length are read
// whole. The value is written only on success.
int SScanDoubleTabSeparated(char** pos, double* value, int tabSeparated);
int SScanDouble(char** pos, double* value);  // SScanDoubleTabSeparated(pos, value, 0)
// The next white-space-delimited word read as a decimal int, results as
// above; a number outside the int range counts as not a number.
int SScanInt(char** pos, int* value);

// NUL-terminated <-> length-prefixed (one length byte, at most 255 characters;
// longer strings are cut).
void C2PString(const char* c, unsigned char* p);
void P2CString(const unsigned char* p, char* c);  // c holds at least 256 bytes
// 1 when text starts with prefix ignoring letter case (an empty prefix always
// matches), else 0.
int HeadStrCL(const char* prefix, const char* text);
