// Where the three windows go: the rectangles a program may set before
// start-up, and SetGoodBounds, which completes the ones it left open from
// the available screen area. Also the start-up font.
#include <cstring>

#include "vok/frame/startup.h"

Rect s_windowBounds = {23, 250, 540, 800};
Rect s_textBounds = {23, 0, 540, 250};
Rect s_inputBounds = {40, 0, 55, 350};
int s_d_set = 0, s_t_set = 0, s_i_set = 0;
int s_d_save = 0, s_t_save = 0, s_i_save = 0;
int s_windowResFlag = 0;
int s_colorFlag = 0;
double s_d_scale = 1.0;
unsigned char s_fontName[256] = "\006Monaco";
short s_fontSize = 12;
GDHandle s_devH = nullptr;

Rect s_AvailableBounds() {
  if (!s_devH) s_devH = GetGDevice();
  Rect a = {0, 0, 0, 0};
  GetAvailableWindowPositioningBounds(s_devH, &a);
  return a;
}

void SetDrawingBounds(short left, short top, short right, short bottom) {
  SetRect(&s_windowBounds, left, top, right, bottom);
  s_d_set = 1;
  s_d_save = 1;
}

void SetTextBounds(short left, short top, short right, short bottom) {
  SetRect(&s_textBounds, left, top, right, bottom);
  s_t_set = 1;
  s_t_save = 1;
}

void SetDrawingBoundsFull() {
  Rect a = s_AvailableBounds();
  SetDrawingBounds(a.left, a.top, a.right, a.bottom);
}

void SetTextBoundsFull() {
  Rect a = s_AvailableBounds();
  SetTextBounds(a.left, a.top, a.right, a.bottom);
}

// The drawing window keeps its corner and reaches to one pixel short of the
// available area, in unscaled pixels; the text window only grows downwards;
// the input window spans the text window's width.
void SetGoodBounds() {
  Rect a = s_AvailableBounds();
  double s = s_d_scale > 0 ? s_d_scale : 1.0;  // a zero or negative scale would divide by zero
  if (!s_d_set) {
    SetDrawingBounds(short(s_windowBounds.left / s), short(s_windowBounds.top / s), short(a.right / s - 1),
                     short(a.bottom / s - 1));
  }
  if (!s_t_set) SetTextBounds(s_textBounds.left, s_textBounds.top, s_textBounds.right, short(a.bottom - 1));
  if (!s_i_set) {
    s_inputBounds.top = 40;
    s_inputBounds.bottom = 55;
    s_inputBounds.right = s_textBounds.right;
    s_i_set = 1;
    s_i_save = 1;
  }
}

// The length byte is the name's length modulo 256; the name and its NUL
// follow. Longer names are cut at 254 characters so that the NUL still fits.
void SetStartFont(const char* name) {
  if (!name) name = "";
  size_t n = std::strlen(name);
  if (n > 254) n = 254;
  s_fontName[0] = (unsigned char)(n % 256);
  std::memcpy(s_fontName + 1, name, n);
  s_fontName[n + 1] = 0;
}
