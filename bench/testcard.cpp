// testcard OUT.png: draws every drawing primitive into an offscreen world
// (no window, no display) and writes the result as a PNG. Each panel of the
// card shows one family of primitives; the bottom strip is for text.
// A test card of the drawing layer, not an example: it uses internals.
#include <cstdio>
#include <string>

#include "platform/font/font.h"
#include "platform/gfx/gfx.h"
#include "platform/gfx/png.h"

namespace {
const short kW = 960, kH = 720;
const short kCell = 160;  // panels are 160 x 150, six per row

Rect panel(int col, int row) {
  Rect r;
  SetRect(&r, short(col * kCell + 8), short(row * 150 + 8), short(col * kCell + kCell - 8), short(row * 150 + 142));
  return r;
}

void rgb(double r, double g, double b) {
  RGBColor c{uint16_t(r * 65535), uint16_t(g * 65535), uint16_t(b * 65535)};
  RGBForeColor(&c);
}

// Fans of lines at pen sizes 1, 2 and 3, one fan per pen size.
void drawLines(const Rect& p) {
  for (short size = 1; size <= 3; ++size) {
    PenSize(size, size);
    short ox = short(p.left + 4 + (size - 1) * 48), oy = short(p.top + 4);
    for (int k = 0; k <= 6; ++k) {
      MoveTo(ox, oy);
      LineTo(short(ox + 40 - k * 6), short(oy + k * 20));
    }
  }
  PenNormal();
}

// Frames of rectangles, rounded rectangles and ovals with pens 1..3.
void drawFrames(const Rect& p) {
  for (short size = 1; size <= 3; ++size) {
    PenSize(size, size);
    Rect r;
    short x = short(p.left + (size - 1) * 48);
    SetRect(&r, x, p.top, short(x + 44), short(p.top + 40));
    FrameRect(&r);
    OffsetRect(&r, 0, 46);
    FrameRoundRect(&r, 16, 16);
    OffsetRect(&r, 0, 46);
    FrameOval(&r);
  }
  PenNormal();
}

// Paint, erase and invert: a painted block with an erased hole, inverted across.
void drawPaintEraseInvert(const Rect& p) {
  Rect r = p;
  r.bottom = short(p.top + 80);
  PaintRect(&r);
  Rect hole = r;
  InsetRect(&hole, 20, 20);
  EraseRect(&hole);
  Rect bar;
  SetRect(&bar, short(p.left + 10), short(p.top + 30), short(p.right - 10), short(p.top + 110));
  InvertRect(&bar);
  Rect o;
  SetRect(&o, p.left, short(p.top + 90), short(p.left + 60), short(p.bottom));
  PaintOval(&o);
  OffsetRect(&o, 70, 0);
  PaintRoundRect(&o, 20, 20);
}

// All 38 system patterns as swatches, in index order, 8 per row.
void drawPatternSwatches(const Rect& p, int first, int last) {
  for (int i = first; i <= last; ++i) {
    Pattern pat;
    GetIndPattern(&pat, 0, short(i));
    int k = i - first;
    Rect r;
    SetRect(&r, short(p.left + (k % 5) * 29), short(p.top + (k / 5) * 29), short(p.left + (k % 5) * 29 + 26),
            short(p.top + (k / 5) * 29 + 26));
    FillRect(&r, &pat);
    FrameRect(&r);
  }
}

// Patterns 23 and 26, the two shading fills, side by side and overlapping.
void drawShadings(const Rect& p) {
  Pattern a, b;
  GetIndPattern(&a, 0, 23);
  GetIndPattern(&b, 0, 26);
  Rect r;
  SetRect(&r, p.left, p.top, short(p.left + 90), short(p.top + 80));
  FillRect(&r, &a);
  FrameRect(&r);
  SetRect(&r, short(p.right - 90), short(p.top + 54), p.right, p.bottom);
  FillRect(&r, &b);
  FrameRect(&r);
  // Where both shadings meet they read as a cross-hatch.
  PenMode(patOr);
  PenPat(&a);
  SetRect(&r, short(p.right - 90), short(p.top + 54), short(p.left + 90), short(p.top + 80));
  PaintRect(&r);
  PenNormal();
}

// Pen modes: copy, or, xor and bic over a half-black background; xor twice
// (the lower bar) leaves the background as it was.
void drawPenModes(const Rect& p) {
  Rect half = p;
  half.right = short((p.left + p.right) / 2);
  PaintRect(&half);
  Pattern gray;
  GetQDGlobalsGray(&gray);
  const short modes[] = {patCopy, patOr, patXor, patBic, notPatCopy};
  for (int i = 0; i < 5; ++i) {
    PenMode(modes[i]);
    PenPat(&gray);
    Rect bar;
    SetRect(&bar, short(p.left + 6), short(p.top + 6 + i * 22), short(p.right - 6), short(p.top + 22 + i * 22));
    PaintRect(&bar);
  }
  PenNormal();
  PenMode(patXor);
  PenSize(3, 3);
  Rect bar;
  SetRect(&bar, short(p.left + 6), short(p.bottom - 14), short(p.right - 6), short(p.bottom - 4));
  FrameOval(&bar);
  FrameOval(&bar);
  MoveTo(p.left, p.top);
  LineTo(p.right, p.bottom);
  PenNormal();
}

// The eight classic colours, then an RGB ramp.
void drawColors(const Rect& p) {
  const long colors[] = {blackColor, redColor, greenColor, blueColor, cyanColor, magentaColor, yellowColor, whiteColor};
  for (int i = 0; i < 8; ++i) {
    ForeColor(colors[i]);
    Rect r;
    SetRect(&r, short(p.left + (i % 4) * 36), short(p.top + (i / 4) * 36), short(p.left + (i % 4) * 36 + 32),
            short(p.top + (i / 4) * 36 + 32));
    PaintRect(&r);
    ForeColor(blackColor);
    FrameRect(&r);
  }
  for (int x = p.left; x < p.right; ++x) {
    double t = double(x - p.left) / (p.right - p.left);
    rgb(t, 0.5, 1 - t);
    MoveTo(short(x), short(p.top + 80));
    LineTo(short(x), short(p.bottom));
  }
  ForeColor(blackColor);
}

// Arcs: a pie of coloured wedges (0 degrees at 12 o'clock, clockwise) and framed arcs.
void drawArcs(const Rect& p) {
  Rect pie;
  SetRect(&pie, p.left, p.top, short(p.left + 90), short(p.top + 90));
  const short starts[] = {0, 60, 150, 270};
  const short arcs[] = {60, 90, 120, 90};
  for (int i = 0; i < 4; ++i) {
    rgb(i == 0 || i == 3, i == 1 || i == 3, i == 2);
    PaintArc(&pie, starts[i], arcs[i]);
  }
  ForeColor(blackColor);
  FrameOval(&pie);
  Rect e;
  SetRect(&e, short(p.left + 96), p.top, p.right, short(p.top + 60));
  PenSize(2, 2);
  FrameArc(&e, 45, 270);
  PenNormal();
  SetRect(&e, p.left, short(p.top + 96), short(p.left + 140), short(p.bottom));
  Pattern pat;
  GetIndPattern(&pat, 0, 20);
  PaintArc(&e, 90, 180);
  FillArc(&e, -90, -90, &pat);
  InvertArc(&e, 0, 45);
}

// Polygons: an even-odd star (the middle stays empty), a filled triangle,
// and a framed open zigzag.
void drawPolygons(const Rect& p) {
  short cx = short(p.left + 45), cy = short(p.top + 45);
  PolyHandle star = OpenPoly();
  const short pts[][2] = {{0, -40}, {24, 34}, {-38, -12}, {38, -12}, {-24, 34}};
  MoveTo(short(cx + pts[0][0]), short(cy + pts[0][1]));
  for (int i = 1; i <= 5; ++i) LineTo(short(cx + pts[i % 5][0]), short(cy + pts[i % 5][1]));
  ClosePoly();
  rgb(0.9, 0.6, 0);
  PaintPoly(star);
  ForeColor(blackColor);
  FramePoly(star);
  KillPoly(star);
  PolyHandle tri = OpenPoly();
  MoveTo(short(p.left + 100), short(p.top + 80));
  LineTo(short(p.left + 140), short(p.top + 10));
  LineTo(p.right, short(p.top + 80));
  LineTo(short(p.left + 100), short(p.top + 80));
  ClosePoly();
  Pattern pat;
  GetIndPattern(&pat, 0, 4);
  FillPoly(tri, &pat);
  FramePoly(tri);
  KillPoly(tri);
  PenSize(2, 2);
  MoveTo(p.left, short(p.bottom - 10));
  for (int k = 1; k <= 8; ++k) LineTo(short(p.left + k * 18), short(p.bottom - (k % 2 ? 40 : 10)));
  PenNormal();
}

// Regions: union, difference and xor of an oval and a rectangle, a framed
// region, and a region recorded from lines.
void drawRegions(const Rect& p) {
  RgnHandle a = NewRgn(), b = NewRgn(), c = NewRgn();
  Rect r;
  SetRect(&r, p.left, p.top, short(p.left + 60), short(p.top + 60));
  OpenRgn();
  FrameOval(&r);
  CloseRgn(a);
  OffsetRect(&r, 30, 20);
  RectRgn(b, &r);
  XorRgn(a, b, c);
  Pattern pat;
  GetIndPattern(&pat, 0, 3);
  FillRgn(c, &pat);
  FrameRgn(c);
  OffsetRgn(a, 0, 74);
  OffsetRgn(b, 0, 74);
  DiffRgn(a, b, c);
  rgb(0, 0.4, 0.8);
  PaintRgn(c);
  ForeColor(blackColor);
  OpenRgn();
  MoveTo(short(p.right - 40), short(p.top + 80));
  LineTo(p.right, short(p.bottom));
  LineTo(short(p.right - 80), short(p.bottom));
  LineTo(short(p.right - 40), short(p.top + 80));
  CloseRgn(a);
  PenSize(3, 3);
  FrameRgn(a);
  PenNormal();
  DisposeRgn(a);
  DisposeRgn(b);
  DisposeRgn(c);
}

// CopyBits: a small drawing copied at 1x, 2x and 3x (nearest neighbour), and
// the copy modes srcOr, srcXor and srcBic of it over a grey stripe.
void drawCopies(const Rect& p, GWorldPtr card) {
  GWorldPtr small = nullptr;
  Rect sb;
  SetRect(&sb, 0, 0, 16, 16);
  if (NewGWorld(&small, 0, &sb, nullptr, nullptr, 0) != noErr) return;
  SetGWorld(small, nullptr);
  Rect o = sb;
  FrameRect(&o);
  InsetRect(&o, 3, 3);
  rgb(0.8, 0, 0);
  PaintOval(&o);
  ForeColor(blackColor);
  MoveTo(0, 0);
  LineTo(15, 15);
  SetGWorld(card, nullptr);
  const BitMap* src = GetPortBitMapForCopyBits(small);
  const BitMap* dst = GetPortBitMapForCopyBits(card);
  short x = p.left;
  for (short scale = 1; scale <= 3; ++scale) {
    Rect d;
    SetRect(&d, x, p.top, short(x + 16 * scale), short(p.top + 16 * scale));
    CopyBits(src, dst, &sb, &d, srcCopy, nullptr);
    x = short(x + 16 * scale + 6);
  }
  Rect stripe;
  SetRect(&stripe, p.left, short(p.top + 60), p.right, short(p.top + 100));
  Pattern gray;
  GetQDGlobalsGray(&gray);
  FillRect(&stripe, &gray);
  const short modes[] = {srcOr, srcXor, srcBic, notSrcCopy};
  for (int i = 0; i < 4; ++i) {
    Rect d;
    SetRect(&d, short(p.left + i * 36), short(p.top + 64), short(p.left + i * 36 + 32), short(p.top + 96));
    CopyBits(src, dst, &sb, &d, modes[i], nullptr);
  }
  // Shrinking: the 16 x 16 drawing copied into 8 x 8.
  Rect d;
  SetRect(&d, p.left, short(p.bottom - 10), short(p.left + 8), short(p.bottom - 2));
  CopyBits(src, dst, &sb, &d, srcCopy, nullptr);
  DisposeGWorld(small);
}

// Clipping: lines through a clip region recorded from two overlapping oval
// frames; recording is even-odd, so the lens where they overlap stays out.
void drawClipped(const Rect& p) {
  RgnHandle saved = NewRgn(), clip = NewRgn(), two = NewRgn();
  GetClip(saved);
  Rect r;
  SetRect(&r, p.left, p.top, short(p.left + 90), short(p.top + 90));
  OpenRgn();
  FrameOval(&r);
  OffsetRect(&r, 54, 44);
  FrameOval(&r);
  CloseRgn(clip);
  SetClip(clip);
  for (int k = 0; k < 40; ++k) {
    MoveTo(p.left, short(p.top + k * 4));
    LineTo(p.right, short(p.top + k * 4 - 40));
  }
  SetClip(saved);
  FrameRgn(clip);
  DisposeRgn(saved);
  DisposeRgn(clip);
  DisposeRgn(two);
}

// Thick outlines: arcs, polygons and regions framed with pens 1..3, and an
// inverted round rectangle.
void drawThickFrames(const Rect& p) {
  for (short size = 1; size <= 3; ++size) {
    PenSize(size, size);
    short x = short(p.left + (size - 1) * 48);
    Rect r;
    SetRect(&r, x, p.top, short(x + 44), short(p.top + 40));
    FrameArc(&r, 300, 240);
    PolyHandle tri = OpenPoly();
    MoveTo(x, short(p.top + 90));
    LineTo(short(x + 22), short(p.top + 48));
    LineTo(short(x + 44), short(p.top + 90));
    LineTo(x, short(p.top + 90));
    ClosePoly();
    FramePoly(tri);
    KillPoly(tri);
    RgnHandle ring = NewRgn(), hole = NewRgn();
    SetRectRgn(ring, x, short(p.top + 96), short(x + 44), p.bottom);
    SetRectRgn(hole, short(x + 12), short(p.top + 108), short(x + 32), short(p.bottom - 12));
    DiffRgn(ring, hole, ring);
    FrameRgn(ring);
    DisposeRgn(ring);
    DisposeRgn(hole);
  }
  PenNormal();
  Rect r;
  SetRect(&r, short(p.left + 20), short(p.top + 30), short(p.right - 10), short(p.top + 70));
  InvertRoundRect(&r, 30, 30);
}

// Pattern fills of every shape: ovals, round rectangles, polygons and regions.
void drawFills(const Rect& p) {
  const short indices[] = {23, 26, 8, 21};
  Pattern pat[4];
  for (int i = 0; i < 4; ++i) GetIndPattern(&pat[i], 0, indices[i]);
  Rect r;
  SetRect(&r, p.left, p.top, short(p.left + 68), short(p.top + 60));
  FillOval(&r, &pat[0]);
  FrameOval(&r);
  OffsetRect(&r, 76, 0);
  FillRoundRect(&r, 24, 24, &pat[1]);
  FrameRoundRect(&r, 24, 24);
  PolyHandle poly = OpenPoly();
  MoveTo(p.left, p.bottom);
  LineTo(short(p.left + 34), short(p.top + 68));
  LineTo(short(p.left + 68), p.bottom);
  ClosePoly();
  FillPoly(poly, &pat[2]);
  FramePoly(poly);
  KillPoly(poly);
  RgnHandle a = NewRgn(), b = NewRgn();
  SetRectRgn(a, short(p.left + 76), short(p.top + 68), short(p.left + 144), p.bottom);
  SetRectRgn(b, short(p.left + 96), short(p.top + 88), short(p.left + 124), short(p.bottom - 20));
  XorRgn(a, b, a);
  FillRgn(a, &pat[3]);
  FrameRgn(a);
  DisposeRgn(a);
  DisposeRgn(b);
}

// Pixels and scrolling: a grid of single pixels, an erase with a background
// pattern, and a scrolled block whose uncovered strip is erased.
void drawPixelsAndScroll(const Rect& p) {
  RGBColor red{0xFFFF, 0, 0};
  for (short y = 0; y < 40; y += 4)
    for (short x = 0; x < 60; x += 4) SetCPixel(short(p.left + x), short(p.top + y), &red);
  Pattern dots;
  GetIndPattern(&dots, 0, 22);
  BackPat(&dots);
  Rect r;
  SetRect(&r, short(p.left + 70), p.top, p.right, short(p.top + 40));
  EraseRect(&r);
  Pattern white;
  BackPat(GetQDGlobalsWhite(&white));
  SetRect(&r, p.left, short(p.top + 50), p.right, p.bottom);
  Pattern bricks;
  GetIndPattern(&bricks, 0, 24);
  FillRect(&r, &bricks);
  FrameRect(&r);
  RgnHandle uncovered = NewRgn();
  Rect inner = r;
  InsetRect(&inner, 1, 1);
  ScrollRect(&inner, 12, 6, uncovered);
  DisposeRgn(uncovered);
}

// ---- text rows ----------------------------------------------------------
// The strip at the bottom of the card: each family in its four faces, one
// family across the sizes 9..24, the text modes over a half-black band,
// underline, extra space width and anti-aliased text.
short familyNumber(const char* name) {
  Str255 p;
  CopyCToPascal(name, p);
  short id = 0;
  GetFNum(p, &id);
  return id;
}

void text(const char* s) {
  Str255 p;
  CopyCToPascal(s, p);
  DrawString(p);
}

void drawFaces(short left, short top) {
  const char* families[] = {"Times", "Helvetica", "Courier", "Symbol", "Monaco", "Geneva"};
  const short faces[] = {normal, bold, italic, short(bold | italic)};
  short v = short(top + 14);
  for (const char* family : families) {
    TextFont(0);
    TextSize(10);
    TextFace(normal);
    MoveTo(left, v);
    text(family);
    TextFont(familyNumber(family));
    TextSize(12);
    for (int k = 0; k < 4; ++k) {
      TextFace(faces[k]);
      MoveTo(short(left + 66 + k * 125), v);
      text("Axis 12.5 (mV) g");
    }
    v = short(v + 19);
  }
  TextFace(normal);
}

void drawSizes(short left, short top) {
  TextFont(familyNumber("Times"));
  MoveTo(left, short(top + 24));
  for (short size : {9, 10, 12, 14, 18, 24}) {
    TextSize(size);
    char label[16];
    std::snprintf(label, sizeof label, "%d pt ", size);
    text(label);
  }
  TextFont(familyNumber("Helvetica"));
  MoveTo(left, short(top + 50));
  for (short size : {9, 10, 12, 14, 18, 24}) {
    TextSize(size);
    text("Ag ");
  }
  // The high half of the byte set, and the Symbol font's own letters.
  TextFont(familyNumber("Geneva"));
  TextSize(12);
  MoveTo(left, short(top + 74));
  text("Mac Roman: \x80\x85\x86 \x8A\x9A\x9F \xA7 \xB5 \xB9 \xA1 \xB1 \xB2 \xB3 \xB0 \xC9 \xD2\xD3 \xDB");
  MoveTo(left, short(top + 96));
  text("Symbol: ");
  TextFont(familyNumber("Symbol"));
  TextSize(14);
  text("abgdpqw S F W \xA5 \xB6 \xD6 \xB3");
}

// srcOr, srcXor, srcBic and srcCopy over a band that is black on its left half.
void drawModes(short left, short top) {
  Rect band;
  SetRect(&band, left, top, short(left + 300), short(top + 84));
  Rect dark = band;
  dark.right = short(left + 150);
  PaintRect(&dark);
  FrameRect(&band);
  TextFont(familyNumber("Helvetica"));
  TextSize(14);
  TextFace(bold);
  const struct {
    short mode;
    const char* name;
  } modes[] = {{srcOr, "srcOr  over both halves"}, {srcXor, "srcXor over both halves"},
               {srcBic, "srcBic over both halves"}, {srcCopy, "srcCopy over both halves"}};
  short v = short(top + 17);
  for (auto& m : modes) {
    TextMode(m.mode);
    MoveTo(short(left + 60), v);
    text(m.name);
    v = short(v + 20);
  }
  TextMode(srcOr);
  TextFace(normal);
}

void drawExtras(short left, short top) {
  TextFont(familyNumber("Times"));
  TextSize(14);
  TextFace(underline);
  MoveTo(left, short(top + 16));
  text("Underlined, descenders: gjpqy");
  TextFace(normal);
  SpaceExtra(4 << 16);
  MoveTo(left, short(top + 36));
  text("four more pixels per space");
  SpaceExtra(0);
  VokSetTextAntialias(true);
  TextFace(italic);
  MoveTo(left, short(top + 58));
  text("Anti-aliased Times italic 14");
  TextFont(familyNumber("Helvetica"));
  TextSize(24);
  TextFace(bold);
  rgb(0.1, 0.3, 0.8);
  MoveTo(left, short(top + 86));
  text("Smooth 24");
  rgb(0, 0, 0);
  VokSetTextAntialias(false);
  TextFace(normal);
  TextSize(0);
}

void drawTextRows(const Rect& area) {
  FrameRect(&area);
  drawFaces(short(area.left + 6), short(area.top + 2));
  drawSizes(short(area.left + 6), short(area.top + 118));
  drawModes(short(area.left + 580), short(area.top + 8));
  drawExtras(short(area.left + 580), short(area.top + 100));
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: testcard OUT.png\n");
    return 2;
  }
  GWorldPtr card = nullptr;
  Rect bounds;
  SetRect(&bounds, 0, 0, kW, kH);
  OSErr err = NewGWorld(&card, 0, &bounds, nullptr, nullptr, 0);
  if (err != noErr) {
    std::fprintf(stderr, "testcard: cannot make the offscreen world (error %d)\n", err);
    return 1;
  }
  SetGWorld(card, nullptr);
  EraseRect(&bounds);
  drawLines(panel(0, 0));
  drawFrames(panel(1, 0));
  drawPaintEraseInvert(panel(2, 0));
  drawPatternSwatches(panel(3, 0), 1, 20);
  drawPatternSwatches(panel(4, 0), 21, 38);
  drawShadings(panel(5, 0));
  drawPenModes(panel(0, 1));
  drawColors(panel(1, 1));
  drawArcs(panel(2, 1));
  drawPolygons(panel(3, 1));
  drawRegions(panel(4, 1));
  drawCopies(panel(5, 1), card);
  drawClipped(panel(0, 2));
  drawThickFrames(panel(1, 2));
  drawFills(panel(2, 2));
  drawPixelsAndScroll(panel(3, 2));
  Rect text;
  SetRect(&text, 8, 458, short(kW - 8), short(kH - 8));
  drawTextRows(text);
  std::string error;
  if (!VokWritePortPNG(card, argv[1], &error)) {
    std::fprintf(stderr, "testcard: %s\n", error.c_str());
    return 1;
  }
  DisposeGWorld(card);
  return 0;
}
