// TextEdit internals shared by its model, drawing and key/mouse files.
#pragma once
#include <vector>

#include "platform/wm/textedit.h"

struct TEInternal {
  std::vector<int> lineStarts;  // nLines + 1 entries; the last is teLength
  short widths[256];            // advance of each byte in the record's font
  int anchor = 0;               // fixed end of a Shift-extended selection
  int goalH = -1;               // pixel column kept by up/down arrows
  uint32_t caretTick = 0;       // when the caret last blinked
  uint32_t clickTick = 0;       // last click, for double clicks
  int clickOffset = -1;
};

namespace te {
inline TERec& rec(TEHandle h) { return **h; }
inline char* text(TEHandle h) { return *rec(h).hText; }
// Re-measures the font and lays the lines out again.
void measureFont(TEHandle h);
void layout(TEHandle h);
// Replaces [from, to) by n bytes of s (clamped to the length limit); returns bytes inserted.
int replace(TEHandle h, int from, int to, const char* s, int n);
// Horizontal pixel offset of a character offset within its line.
int xOfOffset(TEHandle h, int line, int offset);
// Last line a caret can stand on (the empty line after a final CR counts).
int lastCaretLine(TEHandle h);
// Redraws the whole view (when the record is drawn at all).
void redraw(TEHandle h);
void setSelection(TEHandle h, int start, int end, bool redrawNow);
// Moves the caret (extend: stretches the selection from its anchor) and redraws.
void moveCaret(TEHandle h, int to, bool extend);
void invertCaret(TEHandle h);
// Sets the port and text state of the record; restores on destruction.
struct PortScope {
  explicit PortScope(TEHandle h);
  ~PortScope();
  GrafPtr saved;
  short font, size, face, mode;
};
}  // namespace te
