// Styled text: the label markup of graphs. Letters are set in italic, other
// characters upright; _x and ^x (or _{...} and ^{...}) make sub- and
// superscripts; ! escapes the next character; $&B $&b $&i $&I $&P and $&x
// switch styles; $Name$ changes the font and $14$ the size.
#pragma once

struct VOKStyleFactors {
  double sizeFactor;   // sub/superscript size relative to the text around it
  double shiftFactor;  // their vertical shift relative to that size
};

extern char s_c_defaultFont[256];  // every styled text starts (and ends) in this font
extern int s_c_italicFlag;         // 1: letters are drawn in italic
extern int s_c_subscriptLevel;     // depth of open sub/superscript groups
extern VOKStyleFactors s_c_ST;

// Draws `text` at the pen of the current port through the s_ operations.
void DrawStyleText(const char* text);
// The parser loop: draws from text[*cursor] up to the end or, inside a group,
// up to its "}"; leaves the cursor on the "}" or on the terminator.
void DrawStyleTextIn(const char* text, int* cursor);
void DrawStyleChar(char c);
// With the cursor on a "$": runs one command, leaves the cursor on its last character.
void StyleCommand(const char* text, int* cursor);
// With the cursor on "_" (superscript 0) or "^" (superscript 1).
void STSubscript(const char* text, int* cursor, int superscript);
void STEndSubscript(int superscript, short size);
// Font by name (at most 31 characters); an unknown name gives the system font.
void SetFont(const char* name);
// Moves the pen left by half the width of `s` (raw text, current font); draws nothing.
void CenterString(const char* s);

// Width in pixels of `text` as DrawStyleText would draw it now (with the
// drawing's unscaled text state): the pen advance, measured without drawing.
// Font, style, size and italic switches of the markup are taken into account.
int StyleTextWidth(const char* text);
// Moves the pen left by half of StyleTextWidth(text); draws nothing.
void CenterStyleText(const char* text);
