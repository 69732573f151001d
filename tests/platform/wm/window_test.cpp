// Windows: coordinates, hit testing and z-order, activation, compositing,
// sizing with its update event, and update brackets.
#include "platform/wm/window.h"

#include "tests/platform/event/event_fixture.h"

namespace {
class Windows : public vtest::EventTest {
 protected:
  void TearDown() override {
    while (VokFirstWindow()) DisposeWindow(VokFirstWindow());
    FlushEvents(everyEvent, 0);
  }
  static WindowRef make(short top, short left, short bottom, short right, short procID = documentProc,
                        bool visible = true) {
    Rect r = {top, left, bottom, right};
    return NewCWindow(nullptr, &r, reinterpret_cast<const unsigned char*>("\x01W"), visible, procID,
                      kFirstWindowOfClass, true, 0);
  }
  static void fill(WindowRef w, long color) {
    SetPort(GetWindowPort(w));
    Rect r;
    GetPortBounds(GetWindowPort(w), &r);
    ForeColor(color);
    PaintRect(&r);
  }
  static uint32_t screenAt(short h, short v) {
    const PixMap* pm = VokScreenPixels();
    return pm->baseAddr[size_t(v) * pm->rowPixels + h] & 0xFFFFFF;
  }
  // The activate/deactivate events queued so far, as "+w" / "-w" in order.
  static std::string activations(WindowRef a, WindowRef b) {
    std::string s;
    EventRecord ev;
    while (GetNextEvent(activMask, &ev)) {
      s += (ev.modifiers & activeFlag) ? '+' : '-';
      s += reinterpret_cast<WindowRef>(ev.message) == a ? 'a' : reinterpret_cast<WindowRef>(ev.message) == b ? 'b' : '?';
    }
    return s;
  }
};
}  // namespace

TEST_F(Windows, TheFrontVisibleWindowIsActiveAndDisposedWindowsLeaveNoEvents) {
  WindowRef a = make(100, 100, 200, 200);
  WindowRef b = make(120, 120, 220, 220);
  EXPECT_EQ(activations(a, b), "+a-a+b");
  SelectWindow(a);
  EXPECT_EQ(activations(a, b), "-b+a");
  HideWindow(a);
  EXPECT_EQ(activations(a, b), "-a+b");
  ShowWindow(a);  // still first in the z-order
  EXPECT_EQ(FrontWindow(), a);
  WindowRef hidden = make(0, 0, 10, 10, documentProc, false);
  EXPECT_EQ(FrontWindow(), a);
  Rect r = {0, 0, 5, 5};
  InvalWindowRect(hidden, &r);
  DisposeWindow(hidden);
  DisposeWindow(a);
  // a's activate is gone with it; b's deactivate and activate remain.
  EventRecord ev;
  int seen = 0;
  while (GetNextEvent(activMask | updateMask, &ev)) {
    EXPECT_EQ(reinterpret_cast<WindowRef>(ev.message), b);
    ++seen;
  }
  EXPECT_EQ(seen, 2);
}

TEST_F(Windows, TheScreenShowsWindowsInZOrder) {
  WindowRef back = make(100, 100, 300, 300);
  WindowRef front = make(200, 200, 400, 400);
  fill(back, redColor);
  fill(front, blueColor);
  EXPECT_EQ(screenAt(150, 150), 0xFF0000u);
  EXPECT_EQ(screenAt(250, 250), 0x0000FFu);
  SelectWindow(back);
  EXPECT_EQ(screenAt(250, 250), 0xFF0000u);
  HideWindow(back);
  EXPECT_EQ(screenAt(250, 250), 0x0000FFu);
  EXPECT_NE(screenAt(150, 150), 0xFF0000u);
  MoveWindow(front, 600, 500, false);
  EXPECT_EQ(screenAt(650, 550), 0x0000FFu);
  EXPECT_NE(screenAt(250, 250), 0x0000FFu);
  // Off the screen's edge: clipped, not written past it.
  MoveWindow(front, 900, 700, false);
  EXPECT_EQ(screenAt(1023, 767), 0x0000FFu);
}

TEST_F(Windows, SizingKeepsPixelsAndPortStateAndAsksForTheNewStrips) {
  WindowRef w = make(100, 100, 150, 160);
  fill(w, greenColor);
  CGrafPtr port = GetWindowPort(w);
  CQDProcs procs;
  SetStdCProcs(&procs);
  SetPortGrafProcs(port, &procs);
  PenSize(3, 3);
  FlushEvents(everyEvent, 0);
  SizeWindow(w, 80, 70, true);
  Rect r;
  GetPortBounds(port, &r);
  EXPECT_TRUE(r.right == 80 && r.bottom == 70);
  GetWindowContentBounds(w, &r);
  EXPECT_TRUE(r.left == 100 && r.top == 100 && r.right == 180 && r.bottom == 170);
  EXPECT_EQ(GetPortGrafProcs(port), &procs);
  EXPECT_EQ(port->pnSize.h, 3);
  SetPort(port);
  RGBColor c;
  GetCPixel(59, 49, &c);
  EXPECT_TRUE(c.red == 0 && c.green == 0xFFFF);
  GetCPixel(70, 10, &c);
  EXPECT_TRUE(c.red == 0xFFFF && c.green == 0xFFFF && c.blue == 0xFFFF);
  // One update event covering both new strips; BeginUpdate narrows drawing to them.
  EventRecord ev;
  ASSERT_TRUE(GetNextEvent(updateMask, &ev));
  EXPECT_EQ(reinterpret_cast<WindowRef>(ev.message), w);
  EXPECT_FALSE(GetNextEvent(updateMask, &ev));
  VokGetWindowUpdateBounds(w, &r);
  EXPECT_TRUE(r.left == 0 && r.top == 0 && r.right == 80 && r.bottom == 70);
  BeginUpdate(w);
  EXPECT_FALSE(PtInRgn(Point{10, 10}, port->visRgn));
  EXPECT_TRUE(PtInRgn(Point{10, 70}, port->visRgn));
  EXPECT_TRUE(PtInRgn(Point{60, 10}, port->visRgn));
  EndUpdate(w);
  EXPECT_TRUE(PtInRgn(Point{10, 10}, port->visRgn));
  VokGetWindowUpdateBounds(w, &r);
  EXPECT_TRUE(EmptyRect(&r));
  SetPortGrafProcs(port, nullptr);
}

TEST_F(Windows, InvalidatingTwiceQueuesOneUpdateAndValidatingAllDropsIt) {
  WindowRef w = make(100, 100, 200, 200);
  FlushEvents(everyEvent, 0);
  Rect a = {0, 0, 10, 10}, b = {50, 50, 60, 60};
  InvalWindowRect(w, &a);
  InvalWindowRect(w, &b);
  EventRecord ev;
  ASSERT_TRUE(EventAvail(updateMask, &ev));
  ValidWindowRect(w, &a);
  EXPECT_TRUE(EventAvail(updateMask, &ev));
  ValidWindowRect(w, &b);
  EXPECT_FALSE(EventAvail(updateMask, &ev));
  Rect outside = {500, 500, 600, 600};
  InvalWindowRect(w, &outside);  // nothing of the window: no update
  EXPECT_FALSE(EventAvail(updateMask, &ev));
}
