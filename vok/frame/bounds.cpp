// Restoring and storing the remembered window rectangles at start-up, and
// window sizes.
#include "vok/frame/bounds.h"

#include "vok/frame/startup.h"

Handle s_textBoundsH = nullptr, s_inputBoundsH = nullptr, s_windowBoundsH = nullptr;

// Keeps the record in its 8-byte big-endian form, as stored.
void s_KeepBoundsRecord(Handle* h, const Rect& r) {
  if (!*h) *h = NewHandle(8);
  if (!*h) return;
  const short v[4] = {r.top, r.left, r.bottom, r.right};
  for (int i = 0; i < 4; ++i) {
    (**h)[2 * i] = char(uint16_t(v[i]) >> 8);
    (**h)[2 * i + 1] = char(uint16_t(v[i]) & 0xFF);
  }
}

namespace {
struct Remembered {
  short id;
  Rect* bounds;
  int* saveFlag;
  int* setFlag;
  Handle* handle;
  const char* name;
};
}  // namespace

// The program's own choice wins and becomes the remembered one; otherwise a
// remembered rectangle is taken and made final.
void SetWindowBoundsResource() {
  const Remembered all[] = {
      {kTextBoundsID, &s_textBounds, &s_t_save, &s_t_set, &s_textBoundsH, "VOK Text Bounds"},
      {kInputBoundsID, &s_inputBounds, &s_i_save, &s_i_set, &s_inputBoundsH, "VOK Input Bounds"},
      {kDrawingBoundsID, &s_windowBounds, &s_d_save, &s_d_set, &s_windowBoundsH, "VOK Drawing Bounds"},
  };
  for (const Remembered& w : all) {
    if (*w.saveFlag == 1) {
      s_WriteWindowBounds(w.id, *w.bounds, w.name);
      s_KeepBoundsRecord(w.handle, *w.bounds);
    } else if (s_ReadWindowBounds(w.id, w.bounds)) {
      *w.setFlag = 1;
      s_KeepBoundsRecord(w.handle, *w.bounds);
    }
  }
}

Rect* VOWindowBounds(WindowPtr w) {
  static Rect r;
  r = {0, 0, 0, 0};
  if (w) GetPortBounds(GetWindowPort(w), &r);
  return &r;
}
