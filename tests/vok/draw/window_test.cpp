// The drawing window on the virtual screen, in both modes: where it is, what
// it carries, and that buffered mode draws into buffer and window alike.
#include "tests/vok/draw/draw_fixture.h"

using drawtest::DrawTest;
using drawtest::inkBox;

class WindowTest : public DrawTest {
 protected:
  void TearDown() override {
    if (s_displayWindow) HideWindow(s_displayWindow);
    s_drawingWindow = s_redrawWindow = s_displayWindow = nullptr;
    s_fontSize = 12;
    DrawTest::TearDown();
  }
};

TEST_F(WindowTest, PlainModeDrawsStraightIntoTheWindow) {
  s_windowBounds = Rect{23, 250, 540, 800};
  InitDrawing();
  ASSERT_NE(s_drawingWindow, nullptr);
  EXPECT_EQ(s_displayWindow, s_drawingWindow);
  EXPECT_EQ(s_redrawWindow, nullptr);
  EXPECT_EQ(s_redrawFlag, 0);
  EXPECT_EQ(s_drawingPort, GetWindowPort(s_drawingWindow));
  EXPECT_EQ(GetQDPort(), s_drawingPort);
  EXPECT_EQ(GetPortGrafProcs(s_drawingPort), &s_GrafProcs);
  Rect content;
  GetWindowContentBounds(s_drawingWindow, &content);
  EXPECT_TRUE(drawtest::sameRect(content, 23, 250, 540, 800));
  Str255 title;
  GetWTitle(s_drawingWindow, title);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(title + 1), title[0]), "Drawing");
  short monaco = 0;
  GetFNum(s_fontName, &monaco);
  EXPECT_EQ(s_drawingPort->txFont, monaco);
  EXPECT_EQ(s_drawingPort->txSize, 12);

  HideDrawing();
  EXPECT_FALSE(IsWindowVisible(s_drawingWindow));
  ShowDrawing();
  EXPECT_TRUE(IsWindowVisible(s_drawingWindow));
  EXPECT_EQ(FrontWindow(), s_drawingWindow);

  s_MoveTo(10, 10);
  s_LineTo(20, 10);
  EXPECT_TRUE(drawtest::sameRect(inkBox(s_drawingPort), 10, 10, 11, 21));
}

TEST_F(WindowTest, BufferedModeDrawsIntoBufferAndScaledWindow) {
  s_d_scale = 2.0;
  s_windowBounds = Rect{23, 250, 300, 500};
  s_RedrawInitDrawing();
  ASSERT_NE(s_redrawWindow, nullptr);
  EXPECT_EQ(s_drawingWindow, nullptr);
  EXPECT_EQ(s_displayWindow, s_redrawWindow);
  EXPECT_EQ(s_redrawFlag, 1);
  Rect content, buffer;
  GetWindowContentBounds(s_redrawWindow, &content);
  EXPECT_TRUE(drawtest::sameRect(content, 46, 500, 600, 1000));
  EXPECT_TRUE(drawtest::sameRect(s_redrawBounds, 46, 500, 600, 1000));
  GetPortBounds(s_drawingPort, &buffer);
  EXPECT_TRUE(drawtest::sameRect(buffer, 0, 0, 277, 250));
  EXPECT_EQ(GetQDPort(), s_redrawPort);
  EXPECT_EQ(GetPortGrafProcs(s_redrawPort), &s_GrafProcs);
  EXPECT_EQ(s_fontSize, 6);  // the start-up size is divided by the scale
  EXPECT_EQ(s_drawingPort->txSize, 6);
  EXPECT_EQ(s_redrawPort->txSize, 12);

  s_MoveTo(10, 10);
  s_LineTo(20, 10);

  // Covered and uncovered: the window is painted again from the buffer.
  Rect all = {0, 0, 554, 500};
  StdRect(kQDGrafVerbErase, &all);
  EXPECT_EQ(inkBox(s_redrawPort).right, 0);
  RedrawWindowP();
  EXPECT_TRUE(drawtest::sameRect(inkBox(s_redrawPort), 20, 20, 22, 42));  // each buffer pixel as 2 x 2

  Point where = {short(46 + 20), short(500 + 40)};  // global, on the window
  s_GlobalToLocal(&where);
  EXPECT_EQ(where.h, 20);  // in drawing coordinates
  EXPECT_EQ(where.v, 10);

  s_SetGWorld(s_drawingWindow, nullptr);  // stands for the buffer
  EXPECT_EQ(GetQDPort(), s_drawingPort);
  s_SetGWorld(s_redrawWindow, s_display);
  EXPECT_EQ(GetQDPort(), s_redrawPort);
  CGrafPtr port = nullptr;
  GDHandle gd = nullptr;
  s_GetGWorld(&port, &gd);
  EXPECT_EQ(port, s_redrawPort);
  HideDrawing();
  EXPECT_FALSE(IsWindowVisible(s_redrawWindow));
}
