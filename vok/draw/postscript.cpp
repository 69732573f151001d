// PostScript fragments of the drawing primitives: paths of rectangles,
// rounded rectangles, ovals, arcs and polygons, the painting step of each
// drawing verb (pattern fills included), lines, text, colours and fonts.
#include "vok/draw/postscript.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/font/font.h"
#include "vok/draw/drawing_window.h"
#include "vok/draw/eps.h"

bool s_PSRecording() { return s_eps.active == 1 && s_eps.file; }

PSTarget s_PSRedirect(FILE* file) {
  s_PSSettle();
  PSTarget previous = {s_eps.file, s_eps.active};
  s_eps.file = file;
  s_eps.active = file ? 1 : 0;
  return previous;
}

void s_PSRestore(PSTarget previous) {
  s_PSSettle();
  s_eps.file = previous.file;
  s_eps.active = previous.active;
}

void s_PSPrintf(const char* format, ...) {
  if (!s_PSRecording()) return;
  s_PSSettle();
  va_list ap;
  va_start(ap, format);
  std::vfprintf(s_eps.file, format, ap);
  va_end(ap);
}

namespace {
double fraction(uint16_t component) { return component / 65535.0; }

// A filled polygon's pen moveto is held back: the next polygon's own moveto
// would make it void (a shaded surface is polygon after polygon). Anything
// else that follows gets it first. A colour neither needs nor moves the
// current point, so it may pass it. The colour last written is remembered
// while only colours and such polygons follow, so an unchanged one is not
// written again.
struct Held {
  bool pen = false;
  Point at = {0, 0};
  bool color = false;
  RGBColor last = {0, 0, 0};
} s_held;

// The fragments a vector drawing writes most (a shaded surface: a colour, a
// moveto and four linetos per cell), formatted by hand into the bytes "%d"
// and "%f" give: printf would take most of the recording's time.
char* putInt(char* p, long v) {
  unsigned long u = v < 0 ? 0UL - (unsigned long)v : (unsigned long)v;
  if (v < 0) *p++ = '-';
  int n = 1;
  for (unsigned long rest = u; rest >= 10; rest /= 10) ++n;
  char* end = p + n;
  do *--end = char('0' + u % 10); while (u /= 10);
  return p + n;
}

// "%f" of component / 65535.0: the nearest millionth of the exact fraction.
// 65535 is odd, so the fraction never lies half-way, and the double's error
// is far too small to cross a rounding boundary.
char* putFraction(char* p, uint16_t component) {
  unsigned micro = unsigned((component * 2000000ULL + 65535) / 131070);
  *p++ = char('0' + micro / 1000000);
  *p++ = '.';
  micro %= 1000000;
  for (int i = 5; i >= 0; --i, micro /= 10) p[i] = char('0' + micro % 10);  // constant divisors: no division
  return p + 6;
}

void writeHeldBack(const char* bytes, const char* end) {
  if (s_PSRecording()) fwrite_unlocked(bytes, 1, size_t(end - bytes), s_eps.file);
}

void writeRaw(const char* bytes, char* end) {
  if (!s_PSRecording()) return;
  s_PSSettle();
  writeHeldBack(bytes, end);
}

char* putPoint(char* p, long h, long v, const char* op) {
  p = putInt(p, h);
  *p++ = ' ';
  p = putInt(p, v);
  *p++ = ' ';
  while (*op) *p++ = *op++;
  return p;
}

void writePoint(long h, long v, const char* op) {
  char line[64];
  writeRaw(line, putPoint(line, h, v, op));
}

void writeColor(const RGBColor& c) {
  if (!s_PSRecording()) return;
  if (s_held.color && std::memcmp(&c, &s_held.last, sizeof c) == 0) return;
  s_held.color = true;
  s_held.last = c;
  char line[64];
  char* p = line;
  for (uint16_t component : {c.red, c.green, c.blue}) p = putFraction(p, component), *p++ = ' ';
  std::memcpy(p, "setrgbcolor\n", 12);
  writeHeldBack(line, p + 12);
}

void writeForeColor() {
  RGBColor c;
  GetPortForeColor(GetQDPort(), &c);
  writeColor(c);
}

void writeBackColor() {
  RGBColor c;
  GetPortBackColor(GetQDPort(), &c);
  writeColor(c);
}

// The port's fill pattern as an uncoloured tiling pattern in the fore colour,
// over the shape first filled with the back colour.
void writePatternFill() {
  PixPatHandle pp = NewPixPat();
  GetPortFillPixPat(GetQDPort(), pp);
  s_PSPrintf("gsave\n");
  writeBackColor();
  s_PSPrintf("fill\ngrestore\n/DeviceRGB setcolorspace\n");
  RGBColor fg;
  GetPortForeColor(GetQDPort(), &fg);
  s_PSPrintf("%f %f %f\n", fraction(fg.red), fraction(fg.green), fraction(fg.blue));
  s_PSPrintf("<<\n/PaintType 2 /PatternType 1 /TilingType 1\n/BBox [0 0 8 8] /XStep 8 /YStep 8\n");
  s_PSPrintf("/PaintProc {\npop\n8 8 true [1 0 0 1 0 0] {<\n");
  for (int row = 0; row < 8; ++row) s_PSPrintf("%02X ", pp && *pp ? (*pp)->pat1Data.pat[row] : 0xFF);
  s_PSPrintf("\n>} imagemask\n}>>\nmatrix makepattern\nsetpattern\n");
  if (pp) DisposePixPat(pp);
}

// The painting step that follows every shape's path.
void writePaint(GrafVerb verb) {
  switch (verb) {
    case kQDGrafVerbFrame:
      s_PSPrintf("strokepath\nfill\n");
      break;
    case kQDGrafVerbErase:
      writeBackColor();
      s_PSPrintf("fill\n");
      writeForeColor();
      break;
    case kQDGrafVerbFill:
      writePatternFill();
      s_PSPrintf("fill\n");
      writeForeColor();
      break;
    default:  // paint, invert and anything else
      s_PSPrintf("fill\n");
      break;
  }
}

// Painting a shape consumes the path and with it the current point, which
// the next line's lineto starts from: put it back at the pen of the drawing
// (in buffered mode the unscaled buffer's, not the window's).
void writePenPoint() {
  Point pen = s_UnscaledPort()->pnLoc;
  writePoint(pen.h, pen.v, "moveto\n");
}

void finishShape(GrafVerb verb) {
  writePaint(verb);
  writePenPoint();
}

// A shape QuickDraw draws nothing for leaves nothing in the file either.
bool emptyShape(const Rect* r) { return !r || r->right <= r->left || r->bottom <= r->top; }

// One corner of an oval or rounded rectangle: a curve whose control points
// lie on the bounding box 0.5523 of the half-axis away from its end points,
// the quarter circle's best cubic (at 0.55 from the box corner instead, an
// oval comes out pointed, 5 % inside at the diagonals).
constexpr double kCorner = 1 - 0.5522847498;  // of the half-axis, from the box corner
void curve(double x1, double y1, double x2, double y2, double x3, double y3) {
  s_PSPrintf("%f %f %f %f %f %f curveto\n", x1, y1, x2, y2, x3, y3);
}
}  // namespace

std::string s_PSEscape(const void* bytes, int count) {
  std::string out;
  const unsigned char* p = static_cast<const unsigned char*>(bytes);
  for (int i = 0; i < count; ++i) {
    unsigned char c = p[i];
    if (c == '(' || c == ')' || c == '\\') {
      out += '\\';
      out += char(c);
    } else if (c < 0x20 || c > 0x7E) {
      char oct[5];
      std::snprintf(oct, sizeof oct, "\\%03o", c);
      out += oct;
    } else {
      out += char(c);
    }
  }
  return out;
}

std::string s_PSFontName(const char* family, short style) {
  static const char* const times[4] = {"-Roman", "-Bold", "-Italic", "-BoldItalic"};
  static const char* const sans[4] = {"", "-Bold", "-Oblique", "-BoldOblique"};
  int column = style >= 1 && style <= 3 ? style : 0;
  std::string name;
  for (const char* p = family; p && *p; ++p) {
    unsigned char c = static_cast<unsigned char>(*p);
    if (c <= ' ' || c > 0x7E || std::strchr("()<>[]{}/%", c)) continue;
    name += char(c);
  }
  if (family && std::strcmp(family, "Times") == 0) name += times[column];
  else if (family && (std::strcmp(family, "Helvetica") == 0 || std::strcmp(family, "Courier") == 0))
    name += sans[column];
  if (name.empty()) name = "Times-Roman";  // a family without a usable name still gives a valid font
  return name;
}

void s_PSMoveTo(short h, short v) {
  s_held.pen = false;  // a moveto replaces the one held back
  writePoint(h, v, "moveto\n");
}

void s_PSColor(const RGBColor* c) {
  if (c) writeColor(*c);
}

void s_PSFont(short font, short size, short style) {
  if (!s_PSRecording()) return;
  CGrafPtr port = s_UnscaledPort();
  if (font == 0) font = port->txFont;
  if (size == 0) size = port->txSize;
  if (size == 0) size = 12;  // the port's "system size"
  if (style == 255) style = port->txFace;
  Str255 pname;
  char family[256] = "";
  if (FMGetFontFamilyName(font, pname) == noErr) CopyPascalToC(pname, family);
  s_PSPrintf("/%s findfont\n%d scalefont\nsetfont\n", s_PSFontName(family, style).c_str(), size);
}

void s_PSText(Point pen, short byteCount, const void* text) {
  if (!s_PSRecording() || byteCount <= 0 || !text) return;
  s_PSPrintf("%d %d moveto\n1 -1 scale\n(%s) show\n1 -1 scale\n", pen.h, pen.v, s_PSEscape(text, byteCount).c_str());
}

// The fragment written once per line segment: by hand, like the points.
void s_PSLine(Point end) {
  if (!s_PSRecording()) return;
  char line[64];
  char* p = putInt(line, end.h);
  *p++ = ' ';
  p = putInt(p, end.v);
  const char* mid = " lineto\nstroke\n";
  size_t head = size_t(p - line);
  std::memcpy(p, mid, 15);
  p += 15;
  std::memcpy(p, line, head);  // the same point again, for the moveto
  p += head;
  std::memcpy(p, " moveto\n", 8);
  writeRaw(line, p + 8);
}

void s_PSRect(GrafVerb verb, const Rect* r) {
  if (!s_PSRecording() || emptyShape(r)) return;
  s_PSPrintf("%d %d moveto\n%d %d lineto\n%d %d lineto\n%d %d lineto\nclosepath\n", r->left, r->top, r->right,
             r->top, r->right, r->bottom, r->left, r->bottom);
  finishShape(verb);
}

void s_PSOvalPath(double left, double top, double right, double bottom) {
  double cx = (left + right) / 2, cy = (top + bottom) / 2, rx = (right - left) / 2, ry = (bottom - top) / 2;
  s_PSPrintf("%f %f moveto\n", right, cy);
  curve(right, top + kCorner * ry, right - kCorner * rx, top, cx, top);
  curve(left + kCorner * rx, top, left, top + kCorner * ry, left, cy);
  curve(left, bottom - kCorner * ry, left + kCorner * rx, bottom, cx, bottom);
  curve(right - kCorner * rx, bottom, right, bottom - kCorner * ry, right, cy);
  s_PSPrintf("closepath\n");
}

void s_PSOval(GrafVerb verb, const Rect* r) {
  if (!s_PSRecording() || emptyShape(r)) return;
  s_PSOvalPath(r->left, r->top, r->right, r->bottom);
  finishShape(verb);
}

// The corners are joined by straight edges, which make the outline a rounded rectangle.
void s_PSRRectPath(double left, double top, double right, double bottom, double rx, double ry) {
  s_PSPrintf("%f %f moveto\n", right, top + ry);
  curve(right, top + kCorner * ry, right - kCorner * rx, top, right - rx, top);
  s_PSPrintf("%f %f lineto\n", left + rx, top);
  curve(left + kCorner * rx, top, left, top + kCorner * ry, left, top + ry);
  s_PSPrintf("%f %f lineto\n", left, bottom - ry);
  curve(left, bottom - kCorner * ry, left + kCorner * rx, bottom, left + rx, bottom);
  s_PSPrintf("%f %f lineto\n", right - rx, bottom);
  curve(right - kCorner * rx, bottom, right, bottom - kCorner * ry, right, bottom - ry);
  s_PSPrintf("closepath\n");
}

void s_PSRRect(GrafVerb verb, const Rect* r, short ovalWidth, short ovalHeight) {
  if (!s_PSRecording() || emptyShape(r)) return;
  double left = r->left, top = r->top, right = r->right, bottom = r->bottom;
  double ow = ovalWidth < right - left ? ovalWidth : right - left;
  double oh = ovalHeight < bottom - top ? ovalHeight : bottom - top;
  if (ow < 0) ow = 0;
  if (oh < 0) oh = 0;
  s_PSRRectPath(left, top, right, bottom, ow / 2, oh / 2);
  finishShape(verb);
}

// QuickDraw measures arc angles clockwise from 12 o'clock; in the file's
// y-down user space PostScript angles also turn clockwise, from 3 o'clock,
// so the arc runs from a - 90 to a - 90 + b, increasing for positive b.
void s_PSArc(GrafVerb verb, const Rect* r, short startAngle, short arcAngle) {
  if (!s_PSRecording() || emptyShape(r)) return;
  double w = r->right - r->left, h = r->bottom - r->top;
  double cx = (r->left + r->right) / 2.0, cy = (r->top + r->bottom) / 2.0, radius;
  s_PSPrintf("gsave\n");
  if (w >= h) {
    s_PSPrintf("1 %f scale\n", h / w);
    radius = w / 2;
    cy *= w / h;
  } else {
    s_PSPrintf("%f 1 scale\n", w / h);
    radius = h / 2;
    cx *= h / w;
  }
  double sweep = arcAngle > 360 ? 360 : (arcAngle < -360 ? -360 : arcAngle);
  double s0 = startAngle - 90.0;
  while (s0 < 0) s0 += 360;
  while (s0 >= 360) s0 -= 360;
  double s1 = s0 + sweep;
  if (verb == kQDGrafVerbFrame) s_PSPrintf("newpath\n");
  else s_PSPrintf("%f %f moveto\n", cx, cy);
  s_PSPrintf("%f %f %f %f %f%s", cx, cy, radius, s0, s1, arcAngle < 0 ? " arcn\n" : " arc\n");
  if (verb != kQDGrafVerbFrame) s_PSPrintf("closepath\n");
  writePaint(verb);
  s_PSPrintf("grestore\n");
  writePenPoint();
}

void s_PSSettle() {
  s_held.color = false;
  if (!s_held.pen) return;
  s_held.pen = false;
  char line[64];
  writeHeldBack(line, putPoint(line, s_held.at.h, s_held.at.v, "moveto\n"));
}

// The path goes out in a few large writes. A painted polygon is only
// filled, which closes it anyway: it needs neither closepath nor a last
// point that repeats the first.
void s_PSPoly(GrafVerb verb, PolyHandle poly) {
  if (!s_PSRecording() || !poly || !*poly) return;
  int count = ((*poly)->polySize - 10) / 4;
  if (count < 1) return;
  s_held.pen = false;  // the path's moveto replaces it
  HLock(reinterpret_cast<Handle>(poly));
  const Point* pts = (*poly)->polyPoints;
  bool fillOnly = verb == kQDGrafVerbPaint;
  if (fillOnly && count > 1 && pts[count - 1].h == pts[0].h && pts[count - 1].v == pts[0].v) --count;
  char text[4096];
  char* p = putPoint(text, pts[0].h, pts[0].v, "moveto\n");
  for (int i = 1; i < count; ++i) {
    if (p > text + sizeof text - 64) writeHeldBack(text, p), p = text;
    p = putPoint(p, pts[i].h, pts[i].v, "lineto\n");
  }
  HUnlock(reinterpret_cast<Handle>(poly));
  if (!fillOnly) {
    writeHeldBack(text, p);
    s_PSPrintf("closepath\n");
    return finishShape(verb);
  }
  std::memcpy(p, "fill\n", 5);
  writeHeldBack(text, p + 5);
  s_held.pen = true;
  s_held.at = s_UnscaledPort()->pnLoc;
}
