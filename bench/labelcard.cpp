// labelcard OUT: draws graph labels in the styled-text markup (sub- and
// superscripts, groups, font, size and style switches, escapes), left-aligned
// and centred on a tick, into an offscreen drawing port with the drawing
// bottlenecks installed, and writes OUT.png (the raster) and OUT.eps (the
// same drawing recorded as vector EPS).
// A test card of the label code, not an example: it uses internals.
#include <cstdio>
#include <string>

#include "platform/gfx/png.h"
#include "vok/vok.h"

namespace {
const short kW = 720, kH = 420;

const char* const kLabels[] = {
    "x_1 + x_2^2 = r^2",
    "e^{-x^2/2}",
    "$Helvetica$Temperature T_{max} (K)",
    "$&PdN/dt$&I = -k N_0",
    "$Courier$f(x)$Times$ with $&P$&BBold 123$&n and $&iitalic$&n$&I text",
    "$18$Big$12$ and small, x^{y^{z}}",
    "escapes: a!_b, 100!$, {braces}",
};
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: labelcard OUT (writes OUT.png and OUT.eps)\n");
    return 2;
  }
  std::string out = argv[1];
  Rect area = {0, 0, kH, kW};
  GWorldPtr world = nullptr;
  if (NewGWorld(&world, 0, &area, nullptr, nullptr, 0) != noErr) return 1;
  s_ss.started = 1;  // an offscreen card needs no windows
  s_windowBounds = area;
  s_UsePlainDrawingPort(world);
  s_CustomizeQDProcs();

  BeginEPSSaving();
  int row = 0;
  for (const char* label : kLabels) {
    short y = short(40 + 54 * row++);
    s_TextSize(16);
    s_TextFace(normal);
    s_MoveTo(20, y);
    DrawStyleText(label);
    s_MoveTo(540, short(y - 22));  // a tick over the centre
    s_LineTo(540, short(y - 16));
    s_MoveTo(540, y);
    CenterStyleText(label);
    DrawStyleText(label);
  }
  std::string png = out + ".png", eps = out + ".eps";
  std::string why;
  if (!VokWritePortPNG(world, png.c_str(), &why)) {
    std::fprintf(stderr, "labelcard: %s\n", why.c_str());
    return 1;
  }
  EPSSetNextOutputPath(eps.c_str());
  EndEPSSaving();
  std::printf("wrote %s and %s\n", png.c_str(), eps.c_str());
  return 0;
}
