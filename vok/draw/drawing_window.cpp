// The drawing window: making it in plain or buffered mode, switching ports,
// showing, hiding, erasing and repainting it, the throttled screen flush, and
// the colour and pattern helpers that every graph uses.
#include "vok/draw/drawing_window.h"

#include <cmath>

#include "platform/font/font.h"
#include "vok/console/text.h"
#include "vok/draw/bottlenecks.h"
#include "vok/draw/draw_ops.h"
#include "vok/frame/events.h"
#include "vok/frame/hooks.h"
#include "vok/frame/messages.h"

WindowPtr s_drawingWindow = nullptr;
WindowPtr s_redrawWindow = nullptr;
WindowPtr s_displayWindow = nullptr;
CGrafPtr s_drawingPort = nullptr;
CGrafPtr s_redrawPort = nullptr;
GDHandle s_display = nullptr;
Rect s_redrawBounds = {0, 0, 0, 0};
int s_redrawFlag = 0;
int s_drawBackLineFlag = 1;
CQDProcs s_GrafProcs;
void (*RedrawWindowP)() = s_voidDummyVoid;
unsigned long s_flushCount = 0;

static const unsigned char kDrawingTitle[] = "\007Drawing";

// The start-up subsystem below reaches the drawing window through its hooks.
namespace {
bool drawOOMMessage() {
  if (!s_displayWindow) return false;
  s_DrawOOMMessage(GetWindowPort(s_displayWindow), s_display);
  return true;
}
void selectDrawingPort() {
  if (s_drawingWindow) s_SetGWorld(s_drawingWindow, s_display);
}
const bool g_hooksInstalled = (s_DrawOOMMessageP = drawOOMMessage, s_SelectDrawingPortP = selectDrawingPort, true);
}  // namespace

// ---- drawing ports -----------------------------------------------------------
void s_UsePlainDrawingPort(CGrafPtr port) {
  s_redrawFlag = 0;
  RedrawWindowP = s_voidDummyVoid;
  s_drawingPort = port;
  s_redrawPort = nullptr;
  s_display = nullptr;
  SetGWorld(port, nullptr);
}

void s_UseBufferedDrawingPorts(CGrafPtr buffer, CGrafPtr screen) {
  double s = s_d_scale;
  const Rect& w = s_windowBounds;
  s_redrawBounds.left = short(std::trunc(w.left * s));
  s_redrawBounds.top = short(std::trunc(w.top * s));
  s_redrawBounds.right = short(std::trunc(w.right * s));
  s_redrawBounds.bottom = short(std::trunc(w.bottom * s));
  s_redrawFlag = 1;
  RedrawWindowP = s_RedrawWindow;
  s_drawingPort = buffer;
  s_redrawPort = screen;
  SetGWorld(screen, s_display);
}

CGrafPtr s_DisplayPort() { return s_redrawFlag ? s_redrawPort : s_drawingPort; }

bool s_Mirroring() { return s_redrawFlag == 1 && s_redrawPort && GetQDPort() == s_redrawPort; }

CGrafPtr s_UnscaledPort() { return s_Mirroring() ? s_drawingPort : GetQDPort(); }

// ---- start-up ------------------------------------------------------------------
static WindowPtr s_MakeDrawingWindow(const Rect* bounds, bool color) {
  if (color) return NewCWindow(nullptr, bounds, kDrawingTitle, true, altDBoxProc, kFirstWindowOfClass, true, 0);
  return NewWindow(nullptr, bounds, kDrawingTitle, true, altDBoxProc, kFirstWindowOfClass, true, 0);
}

static short s_StartFontNumber() {
  short font = 0;
  GetFNum(s_fontName, &font);
  return font;
}

void s_NoRedrawInitDrawing() {
  s_drawingWindow = s_MakeDrawingWindow(&s_windowBounds, s_colorFlag == 1);
  s_redrawWindow = nullptr;
  s_UsePlainDrawingPort(GetWindowPort(s_drawingWindow));
  TextFont(s_StartFontNumber());
  TextSize(s_fontSize);
  s_displayWindow = s_drawingWindow;
}

void InitDrawing() {
  s_NoRedrawInitDrawing();
  s_CustomizeQDProcs();
}

// Ends the program when the buffer cannot be made, after the user saw why.
[[noreturn]] static void s_BufferFailed(OSErr err) {
  if (err == memFullErr) s_printf("Out of Memory !!");
  else s_printf("Error in creating offscreen:%hd", err);
  Stop();
  ExitToShell();
}

void s_RedrawInitDrawing() {
  double s = s_d_scale;
  Rect scaled = {short(std::trunc(s_windowBounds.top * s)), short(std::trunc(s_windowBounds.left * s)),
                 short(std::trunc(s_windowBounds.bottom * s)), short(std::trunc(s_windowBounds.right * s))};
  s_redrawWindow = NewCWindow(nullptr, &scaled, kDrawingTitle, true, altDBoxProc, kFirstWindowOfClass, true, 0);
  s_drawingWindow = nullptr;
  CGrafPtr screenPort = GetWindowPort(s_redrawWindow);

  CGrafPtr oldPort;
  GetGWorld(&oldPort, &s_display);
  Rect area = {0, 0, short(s_windowBounds.bottom - s_windowBounds.top),
               short(s_windowBounds.right - s_windowBounds.left)};
  GWorldPtr buffer = nullptr;
  OSErr err = NewGWorld(&buffer, 0, &area, nullptr, nullptr, 0);
  if (err != noErr || !buffer) s_BufferFailed(err != noErr ? err : OSErr(memFullErr));
  NoPurgePixels(GetGWorldPixMap(buffer));
  LockPixels(GetGWorldPixMap(buffer));
  SetGWorld(buffer, nullptr);
  EraseRect(&area);

  s_UseBufferedDrawingPorts(buffer, screenPort);
  s_CustomizeQDProcs();
  BeginUpdate(s_redrawWindow);
  EndUpdate(s_redrawWindow);

  // Both ports carry the start-up font: the buffer unscaled, the window scaled.
  s_fontSize = short(std::trunc(s_fontSize / s));
  short font = s_StartFontNumber();
  SetGWorld(buffer, nullptr);
  TextFont(font);
  TextSize(s_fontSize);
  SetGWorld(screenPort, s_display);
  TextFont(font);
  TextSize(short(std::trunc(s_fontSize * s)));
  s_displayWindow = s_redrawWindow;
}

void s_CustomizeQDProcs() {
  SetStdCProcs(&s_GrafProcs);
  s_GrafProcs.textProc = NewQDTextUPP(s_CustomText);
  s_GrafProcs.lineProc = NewQDLineUPP(s_CustomLine);
  s_GrafProcs.rectProc = NewQDRectUPP(s_CustomRect);
  s_GrafProcs.rRectProc = NewQDRRectUPP(s_CustomRRect);
  s_GrafProcs.ovalProc = NewQDOvalUPP(s_CustomOval);
  s_GrafProcs.arcProc = NewQDArcUPP(s_CustomArc);
  s_GrafProcs.polyProc = NewQDPolyUPP(s_CustomPoly);
  s_GrafProcs.rgnProc = NewQDRgnUPP(s_CustomRgn);
  s_GrafProcs.bitsProc = NewQDBitsUPP(s_CustomBits);
  CGrafPtr port = s_redrawFlag ? s_redrawPort : GetQDPort();
  if (port) SetPortGrafProcs(port, &s_GrafProcs);
}

// ---- ports -----------------------------------------------------------------
void s_SetGWorld(void* windowOrPort, GDHandle gd) {
  CGrafPtr port;
  if (windowOrPort == s_drawingWindow) port = (s_drawingWindow || s_redrawFlag) ? s_drawingPort : nullptr;
  else if (windowOrPort == s_redrawWindow) port = s_redrawPort;
  else port = static_cast<CGrafPtr>(windowOrPort);
  if (!port) return;
  if (s_colorFlag) SetGWorld(port, gd);
  else SetPort(port);
}

void s_GetGWorld(CGrafPtr* port, GDHandle* gd) {
  if (s_colorFlag) GetGWorld(port, gd);
  else GetPort(port);
}

// ---- window operations -------------------------------------------------------
void ShowDrawing() {
  if (!s_displayWindow) return;
  ShowWindow(s_displayWindow);
  SelectWindow(s_displayWindow);
}

void HideDrawing() {
  if (s_displayWindow) HideWindow(s_displayWindow);
}

void EraseDrawing() {
  CGrafPtr display = s_DisplayPort();
  if (!display) return;
  Rect r;
  GetPortBounds(display, &r);
  double s = s_d_scale;
  Rect area = {short(std::trunc(r.top / s)), short(std::trunc(r.left / s)), short(std::trunc(r.bottom / s)),
               short(std::trunc(r.right / s))};
  EraseRect(&area);
}

void s_RedrawWindow() {
  if (!s_redrawFlag || !s_drawingPort || !s_redrawPort) return;
  CGrafPtr oldPort;
  GDHandle oldDevice;
  GetGWorld(&oldPort, &oldDevice);
  RGBColor oldFore, oldBack;
  GetForeColor(&oldFore);
  GetBackColor(&oldBack);

  // Black on white in the source port, so the copy keeps colours as they are.
  SetGWorld(s_drawingPort, nullptr);
  RGBColor bufferFore, bufferBack;
  GetForeColor(&bufferFore);
  GetBackColor(&bufferBack);
  ForeColor(blackColor);
  BackColor(whiteColor);
  Rect src, dst;
  GetPortBounds(s_drawingPort, &src);
  GetPortBounds(s_redrawPort, &dst);
  CopyBits(GetPortBitMapForCopyBits(s_drawingPort), GetPortBitMapForCopyBits(s_redrawPort), &src, &dst, srcCopy,
           s_redrawPort->visRgn);
  RGBForeColor(&bufferFore);
  RGBBackColor(&bufferBack);

  SetGWorld(oldPort, oldDevice);
  RGBForeColor(&oldFore);
  RGBBackColor(&oldBack);
}

// ---- colours and patterns ----------------------------------------------------
void SetRGBColor(double red, double green, double blue) {
  // Out-of-range percentages are clamped: converting them would be undefined.
  auto component = [](double percent) {
    double v = std::trunc(percent * 65535.0 / 100.0);
    return uint16_t(v > 0 ? (v < 65535.0 ? v : 65535.0) : 0.0);
  };
  RGBColor c = {component(red), component(green), component(blue)};
  s_RGBForeColor(&c);
}

void SetPattern(Pattern* pattern, short index) {
  if (pattern) GetIndPattern(pattern, 0, index);
}

// ---- screen flush --------------------------------------------------------------
// Called after every primitive: the clock is read only when the screen is flushed.
void s_FlushScreen() {
  if (s_ss.directDraw == 1 || VokNewTick()) {
    EventAvail(0, &s_event);  // servicing the display shows what was drawn
    s_ss.lastFlushTick = TickCount();
    ++s_flushCount;
  }
}
