// Dialog items without a modal loop: text handles, the selected field's
// drawing and the alert's ^0 text. (The template is laid out as the
// Parameters dialog tests see it.)
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/wm/dialog.h"
#include "platform/wm/window.h"

namespace {
std::string title(DialogRef d, short item) {
  std::string t;
  EXPECT_TRUE(VokDialogItemText(d, item, &t));
  return t;
}

// Item 5 of the Parameters dialog made an edit field; its handle and box.
Handle editField(DialogRef d, Rect* box) {
  short kind;
  Handle h;
  GetDialogItem(d, 5, &kind, &h, box);
  SetDialogItem(d, 5, editText | itemDisable, h, box);
  return h;
}

void setText(Handle h, const char* text) {
  Str255 p;
  CopyCToPascal(text, p);
  SetDialogItemText(h, p);
}
}  // namespace

TEST(DialogItems, TextsAreLengthPrefixedAndBounded) {
  DialogRef d = GetNewDialog(kVokParamsDialogID, nullptr, kFirstWindowOfClass);
  Rect r;
  Handle h = editField(d, &r);
  setText(h, "50% done");
  Str255 in, out;
  GetDialogItemText(h, out);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(out + 1), out[0]), "50% done");
  in[0] = 255;
  for (int i = 1; i <= 255; ++i) in[i] = 'x';
  SetDialogItemText(h, in);
  GetDialogItemText(h, out);
  EXPECT_EQ(out[0], 255);
  SelectDialogItemText(d, 5, 0, 32767);
  EXPECT_EQ(GetDialogKeyboardFocusItem(d), 5);
  SelectDialogItemText(d, 7, 0, 32767);  // static text: no effect
  EXPECT_EQ(GetDialogKeyboardFocusItem(d), 5);
  DisposeDialog(d);
}

TEST(Alerts, TheTextShowsTheParameters) {
  Str255 p0;
  CopyCToPascal("Error in SafeLog: -1.000000 is not positive", p0);
  ParamText(p0, nullptr, nullptr, nullptr);
  DialogRef d = GetNewDialog(kVokAlertID, nullptr, kFirstWindowOfClass);
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(title(d, 1), "OK");
  EXPECT_EQ(title(d, 2), "Error in SafeLog: -1.000000 is not positive");
  DisposeDialog(d);
  EXPECT_EQ(Alert(200, nullptr), -1);  // no such alert: nothing shown
}

// The focused field is drawn with its whole text selected: the selection
// band must show the text in white, not a solid black bar (the field's
// white fill once left the pen white for the text).
TEST(DialogItems, SelectedFieldTextStaysReadable) {
  DialogRef d = GetNewDialog(kVokParamsDialogID, nullptr, kFirstWindowOfClass);
  Rect box;
  Handle h = editField(d, &box);
  setText(h, "WWWWWW");
  SelectDialogItemText(d, 5, 0, 32767);
  ShowWindow(GetDialogWindow(d));
  DrawDialog(d);
  const PixMap& pm = GetDialogPort(d)->portPixMap;
  auto at = [&](int x, int y) {
    return pm.baseAddr[(y - pm.bounds.top) * pm.rowPixels + (x - pm.bounds.left)] & 0xFFFFFF;
  };
  // The band: the black pixels' bounds inside the field's frame.
  int left = box.right, right = box.left, top = box.bottom, bottom = box.top;
  for (int y = box.top + 2; y < box.bottom - 2; ++y)
    for (int x = box.left + 2; x < box.right - 2; ++x)
      if (at(x, y) == 0) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  ASSERT_LT(left, right) << "no selection band";
  int white = 0;
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) white += at(x, y) == 0xFFFFFF;
  EXPECT_GT(white, 20) << "the selected text is not visible";
  DisposeDialog(d);
}

// Items set while a dialog is hidden or not yet looked at are drawn when it
// is shown: its window and the screen must show what a full redraw shows,
// for a page hidden, changed and shown again (the Parameters pages switch
// so) and for a field changed while shown. Hidden, it holds no raster: a
// program keeps several pages of it.
TEST(DialogItems, ItemsSetBeforeTheDialogIsShownAreDrawnWhenItIs) {
  auto screen = [] {
    const PixMap* pm = VokScreenPixels();
    return std::vector<uint32_t>(pm->baseAddr, pm->baseAddr + size_t(pm->rowPixels) * (pm->bounds.bottom - pm->bounds.top));
  };
  for (bool hideBetween : {true, false}) {
    SCOPED_TRACE(hideBetween ? "hidden between changes" : "changed while shown");
    DialogRef d = GetNewDialog(kVokParamsDialogID, nullptr, kFirstWindowOfClass);
    const PixMap& pm = GetDialogPort(d)->portPixMap;
    EXPECT_EQ(pm.baseAddr, nullptr);
    auto window = [&] {
      return std::string(reinterpret_cast<const char*>(pm.baseAddr),
                         size_t(pm.rowPixels) * size_t(pm.bounds.bottom - pm.bounds.top) * 4);
    };
    Rect box;
    Handle h = editField(d, &box);
    for (const char* text : {"12.5", "7"}) {
      setText(h, text);
      ShowWindow(GetDialogWindow(d));
      std::string shown = window();
      std::vector<uint32_t> onScreen = screen();
      DrawDialog(d);
      EXPECT_EQ(shown, window()) << text;
      EXPECT_TRUE(onScreen == screen()) << text;
      EXPECT_EQ(title(d, 5), text);
      if (!hideBetween) continue;
      HideWindow(GetDialogWindow(d));
      EXPECT_EQ(pm.baseAddr, nullptr) << text;
    }
    DisposeDialog(d);
  }
}
