// The cursor: the arrow as a 16x16 bitmap with mask, and drawing it onto the
// screen for displays that show the pointer.
#include "platform/wm/wm_internal.h"

namespace {
const Cursor kArrow = {
    {0x0000, 0x4000, 0x6000, 0x7000, 0x7800, 0x7C00, 0x7E00, 0x7F00, 0x7F80, 0x7C00, 0x6C00, 0x4600, 0x0600, 0x0300,
     0x0300, 0x0000},
    {0xC000, 0xE000, 0xF000, 0xF800, 0xFC00, 0xFE00, 0xFF00, 0xFF80, 0xFFC0, 0xFFE0, 0xFE00, 0xEF00, 0xCF00, 0x0780,
     0x0780, 0x0380},
    {1, 1}};
Cursor g_current = kArrow;
}  // namespace

void InitCursor() { g_current = kArrow; }

namespace vokwm {
// Mask and data set: black; mask only: white; data only: inverted.
void drawCursor(GrafPtr screen, Point where) {
  const PixMap& pm = screen->portPixMap;
  int w = pm.bounds.right - pm.bounds.left, h = pm.bounds.bottom - pm.bounds.top;
  for (int row = 0; row < 16; ++row) {
    int y = where.v - g_current.hotSpot.v + row;
    if (y < 0 || y >= h) continue;
    for (int col = 0; col < 16; ++col) {
      int x = where.h - g_current.hotSpot.h + col;
      if (x < 0 || x >= w) continue;
      uint16_t bit = uint16_t(0x8000 >> col);
      bool data = g_current.data[row] & bit, mask = g_current.mask[row] & bit;
      uint32_t& px = pm.baseAddr[size_t(y) * pm.rowPixels + x];
      if (mask) px = data ? kBlack : kWhite;
      else if (data) px ^= 0x00FFFFFFu;
    }
  }
}
}  // namespace vokwm
