// DisplayParametersP: the page as text in two columns of 13 rows, drawn
// into an offscreen world and found by its ink.
#include "tests/vok/draw/draw_fixture.h"
#include "tests/vok/params/pd_fixture.h"

namespace {
// Inked pixels of the world inside [left, right) x [top, bottom).
int inkIn(GWorldPtr world, short left, short top, short right, short bottom) {
  int n = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) n += drawtest::inked(world, x, y);
  return n;
}
}  // namespace

TEST_F(PDTest, FourteenthSlotStartsTheSecondColumn) {
  static int v[14];
  for (int i = 0; i < 14; ++i) in_AddParameterP(&v[i], intType, "Label", list);
  PDPage* page = list;
  GWorldPtr world = nullptr;
  Rect bounds = {0, 0, 300, 800};
  ASSERT_EQ(NewGWorld(&world, 32, &bounds, nullptr, nullptr, 0), noErr);
  CGrafPtr savedPort;
  GDHandle savedDevice;
  GetGWorld(&savedPort, &savedDevice);
  SetGWorld(world, nullptr);
  EraseRect(&bounds);
  DisplayParametersP(page);
  SetGWorld(savedPort, savedDevice);

  // Slot 0's label and value, then slot 13's at the top of column 2, and nothing below it.
  for (short left : {0, 200, 400, 600}) EXPECT_GT(inkIn(world, left, 5, short(left + 200), 25), 0) << left;
  EXPECT_EQ(inkIn(world, 400, 25, 800, 300), 0);
  DisposeGWorld(world);
}
