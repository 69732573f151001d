// Window frames by definition, drawn into the screen when compositing:
// untitled kinds (plain, alternate dialog) get a one-pixel frame, all others
// a 20-pixel title bar with the title centred, stripes and a close box while
// active; every frame casts a one-pixel shadow. Also the menu bar.
#include <algorithm>

#include "platform/font/font.h"
#include "platform/wm/wm_internal.h"

namespace vokwm {
namespace {
constexpr short kTitleBar = 20;  // rows above the content, the frame's top line included
constexpr short kCloseBox = 11;
constexpr RGBColor kBlackRGB = {0, 0, 0};
constexpr RGBColor kGrayRGB = {0x7000, 0x7000, 0x7000};

Rect frameOf(const WindowRecord* w) {
  Rect r = w->content;
  InsetRect(&r, -1, -1);
  if (hasTitleBar(w->procID)) r.top = short(w->content.top - kTitleBar);
  return r;
}

// Draws text in the screen port, clipped to `clip`, the port restored afterwards.
void drawLabel(GrafPtr screen, const unsigned char* text, short h, short v, const Rect& clip, bool isBold,
               const RGBColor& color) {
  GrafPtr saved;
  GetPort(&saved);
  SetPort(screen);
  ClipRect(&clip);
  TextFont(systemFont);
  TextSize(12);
  TextFace(isBold ? short(bold) : short(normal));
  RGBForeColor(&color);
  MoveTo(h, v);
  DrawString(text);
  SetPort(saved);
}

short labelWidth(GrafPtr screen, const unsigned char* text, bool isBold) {
  GrafPtr saved;
  GetPort(&saved);
  SetPort(screen);
  TextFont(systemFont);
  TextSize(12);
  TextFace(isBold ? short(bold) : short(normal));
  short w = StringWidth(text);
  SetPort(saved);
  return w;
}

void drawTitleBar(GrafPtr screen, const WindowRecord* w) {
  Rect tb = titleBarOf(w);
  fillPixels(screen, tb, kWhite);
  fillPixels(screen, Rect{short(w->content.top - 1), tb.left, w->content.top, tb.right}, kBlack);
  if (w->hilited) {
    for (short y = short(tb.top + 3); y < tb.bottom - 3; y = short(y + 2))
      fillPixels(screen, Rect{y, short(tb.left + 2), short(y + 1), short(tb.right - 2)}, kBlack);
    if (w->goAway) {
      Rect box = closeBoxOf(w);
      Rect around = box;
      InsetRect(&around, -2, 0);
      fillPixels(screen, around, kWhite);
      framePixels(screen, box, kBlack);
    }
  }
  if (w->title[0] == 0) return;
  short textW = labelWidth(screen, w->title, false);
  short x = short((tb.left + tb.right - textW) / 2);
  short minX = short(tb.left + (w->goAway ? 8 + kCloseBox + 8 : 6));
  x = std::max(x, minX);
  Rect gap = {tb.top, short(x - 6), tb.bottom, short(std::min<int>(x + textW + 6, tb.right))};
  fillPixels(screen, gap, kWhite);
  Rect clip = {tb.top, short(tb.left + 1), tb.bottom, short(tb.right - 1)};
  drawLabel(screen, w->title, x, short(tb.top + 14), clip, false, w->hilited ? kBlackRGB : kGrayRGB);
}
}  // namespace

bool hasTitleBar(short procID) { return procID != plainDBox && procID != altDBoxProc; }

Rect structureOf(const WindowRecord* w) {
  Rect r = frameOf(w);
  r.bottom = short(r.bottom + 1);
  r.right = short(r.right + 1);
  return r;
}

Rect titleBarOf(const WindowRecord* w) {
  if (!hasTitleBar(w->procID)) return Rect{0, 0, 0, 0};
  return Rect{short(w->content.top - kTitleBar + 1), w->content.left, short(w->content.top - 1), w->content.right};
}

Rect closeBoxOf(const WindowRecord* w) {
  if (!w->goAway || !hasTitleBar(w->procID)) return Rect{0, 0, 0, 0};
  Rect tb = titleBarOf(w);
  short top = short(tb.top + (tb.bottom - tb.top - kCloseBox) / 2);
  return Rect{top, short(tb.left + 8), short(top + kCloseBox), short(tb.left + 8 + kCloseBox)};
}

void drawFrame(GrafPtr screen, const WindowRecord* w) {
  Rect f = frameOf(w);
  framePixels(screen, f, kBlack);
  fillPixels(screen, Rect{short(f.top + 1), f.right, short(f.bottom + 1), short(f.right + 1)}, kShadow);
  fillPixels(screen, Rect{f.bottom, short(f.left + 1), short(f.bottom + 1), short(f.right + 1)}, kShadow);
  if (hasTitleBar(w->procID)) drawTitleBar(screen, w);
}

void drawMenuBar(GrafPtr screen, const char* title) {
  short width = screen->portPixMap.bounds.right;
  fillPixels(screen, Rect{0, 0, short(kVokMenuBarHeight - 1), width}, kWhite);
  fillPixels(screen, Rect{short(kVokMenuBarHeight - 1), 0, kVokMenuBarHeight, width}, kBlack);
  Str255 name;
  CopyCToPascal(title, name);
  Rect clip = {0, 0, short(kVokMenuBarHeight - 1), width};
  drawLabel(screen, name, 14, 15, clip, true, kBlackRGB);
}

void fillPixels(GrafPtr port, Rect r, uint32_t argb) {
  const PixMap& pm = port->portPixMap;
  Rect all = {0, 0, short(pm.bounds.bottom - pm.bounds.top), short(pm.bounds.right - pm.bounds.left)};
  if (!SectRect(&r, &all, &r)) return;
  for (int y = r.top; y < r.bottom; ++y) std::fill_n(pm.baseAddr + size_t(y) * pm.rowPixels + r.left, r.right - r.left, argb);
}

void framePixels(GrafPtr port, Rect r, uint32_t argb) {
  if (EmptyRect(&r)) return;
  fillPixels(port, Rect{r.top, r.left, short(r.top + 1), r.right}, argb);
  fillPixels(port, Rect{short(r.bottom - 1), r.left, r.bottom, r.right}, argb);
  fillPixels(port, Rect{r.top, r.left, r.bottom, short(r.left + 1)}, argb);
  fillPixels(port, Rect{r.top, short(r.right - 1), r.bottom, r.right}, argb);
}
}  // namespace vokwm
