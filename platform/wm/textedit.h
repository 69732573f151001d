// TextEdit: a text record of up to 32767 characters laid out in a
// destination rectangle (word wrap at its width, carriage return = line end),
// shown through a view rectangle, with selection, caret, keys and scrolling.
// The text and input windows and the dialogs' edit fields use it.
#pragma once
#include "platform/gfx/gfx.h"

struct TEInternal;

// Fields are public because callers read and adjust them ((**te).nLines,
// viewRect, destRect); after changing destRect call TECalText.
struct TERec {
  Rect destRect;  // layout rectangle; scrolling moves it against viewRect
  Rect viewRect;  // the visible part, in the port's local coordinates
  short lineHeight;
  short fontAscent;
  short selStart, selEnd;  // selection [selStart, selEnd); equal for a caret
  short teLength;
  Handle hText;  // the characters (not NUL-terminated); read with TEGetText
  short nLines;
  short txFont, txFace, txSize, txMode;
  short active;      // caret/selection shown
  short caretState;  // caret drawn right now (blinks in TEIdle)
  short crOnly;      // 0: word wrap; -1: lines end only at carriage returns
  short autoView;    // keep the selection in view after edits
  GrafPtr inPort;    // the port drawn into (current port at TENew)
  TEInternal* priv;  // line starts and width cache
};
typedef TERec* TEPtr;
typedef TEPtr* TEHandle;
typedef Handle CharsHandle;

enum : short { teJustLeft = 0 };
enum : int { kTEMaxLength = 32767 };

// New record for the current port, with its font, size and face.
TEHandle TENew(const Rect* destRect, const Rect* viewRect);
void TEDispose(TEHandle te);
// Replaces the text (at most 32767 characters are kept); the caret goes to
// the end. Nothing is drawn: call TEUpdate.
void TESetText(const void* text, long length, TEHandle te);
// The text handle (its size may exceed teLength; read teLength characters).
CharsHandle TEGetText(TEHandle te);
// Inserts at the insertion point (replacing nothing), draws, keeps the caret after it.
void TEInsert(const void* text, long length, TEHandle te);
void TEDelete(TEHandle te);  // removes the selection
void TESetSelect(long selStart, long selEnd, TEHandle te);
// One key: printable characters, CR and Tab replace the selection;
// Backspace (8) deletes; Delete (127) deletes forwards; arrows 28-31 move
// the caret (with Shift in TEKeyMods they extend the selection).
void TEKey(short key, TEHandle te);
void TEKeyMods(short key, uint16_t modifiers, TEHandle te);
// Mouse: places the caret at the local point; extend = Shift; follows drags
// while the button is down. A second click within the double-click time selects a word.
void TEClick(Point localPt, Boolean extend, TEHandle te);
void TEActivate(TEHandle te);
void TEIdle(TEHandle te);  // blinks the caret
// Redraws the part of the view inside rUpdate (local coordinates).
void TEUpdate(const Rect* rUpdate, TEHandle te);
// Scrolls the text by dh, dv pixels (positive moves the text right/down).
void TEScroll(short dh, short dv, TEHandle te);
void TEAutoView(Boolean fAuto, TEHandle te);
void TESelView(TEHandle te);  // scrolls so the insertion point is in view (when autoView is on)
void TECalText(TEHandle te);  // re-lays out after destRect or the font changed
// Text layout of a character offset: line number and local pixel position (pen at the baseline).
short TEGetLine(long offset, TEHandle te);
Point TEGetPoint(short offset, TEHandle te);
short TEGetOffset(Point localPt, TEHandle te);
// Start offset of line i (0 <= i <= nLines; line nLines starts at teLength).
long TELineStart(short line, TEHandle te);
