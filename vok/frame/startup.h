// Start-up of a program: its state, the rules that place the three windows
// on the screen, the start-up font, and the do-nothing hooks. The start-up
// variants themselves are in vok/draw/start.h: they make the drawing window.
#pragma once
#include "platform/wm/window.h"

// ---- window rectangles (global, top/left/bottom/right) -----------------------
extern Rect s_windowBounds;  // drawing window, unscaled
extern Rect s_textBounds;
extern Rect s_inputBounds;
// set: the rectangle is final, SetGoodBounds leaves it alone.
// save: the program chose it, so the bounds memory stores it instead of restoring.
extern int s_d_set, s_t_set, s_i_set;
extern int s_d_save, s_t_save, s_i_save;
extern int s_windowResFlag;  // non-zero before start-up: remember rectangles between runs
extern int s_colorFlag;      // 1 = colour windows and graphics-world port switching
extern double s_d_scale;     // display scale of the buffered drawing window
extern unsigned char s_fontName[256];  // length byte, the name, then a NUL
extern short s_fontSize;
extern GDHandle s_devH;  // main screen device, looked up on first use

// The start-up state.
struct VOKStartState {
  int started;             // 1 once Start1 or MinimumStart has run
  uint32_t lastFlushTick;  // last screen flush of the drawing bottlenecks
  int directDraw;          // flush after every primitive instead of once per tick
};
extern VOKStartState s_ss;

// Hooks of the text window's read, save and print commands; do-nothing by default.
extern long (*ReadTextP)(char* c);
extern long (*SaveTextP)(const char* text);
extern void (*PrintTextP)(const char* text);
long s_longDummyString(char* c);
long s_longDummyString(const char* text);
void s_voidDummyString(const char* text);
void s_voidDummyVoid();

void SetDirectDrawOn();
void SetDirectDrawOff();

// ---- rectangles and font, before start-up ------------------------------------
void SetDrawingBounds(short left, short top, short right, short bottom);
void SetTextBounds(short left, short top, short right, short bottom);
void SetDrawingBoundsFull();
void SetTextBoundsFull();
void SetGoodBounds();
void SetStartFont(const char* name);

// The available window area of the main screen (below the menu bar).
Rect s_AvailableBounds();
