// Pictures as vector PostScript: the picture is replayed into a scratch
// world whose bottlenecks draw each primitive there, so that pens, text
// advances and the picture's state follow the drawing rules exactly, and
// write its PostScript through the EPS writer. The writer takes colours and
// fonts from the drawing calls, which a replay does not make: they are
// written here whenever the port's differ from the last ones written.
#include "vok/output/picture_postscript.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "vok/draw/eps.h"
#include "vok/draw/postscript.h"

namespace {
struct Written {
  bool any = false;
  RGBColor fore = {0, 0, 0};
  short font = 0, size = 0, face = 0;
} g_written;

void writeState(bool withFont) {
  CGrafPtr port = GetQDPort();
  RGBColor fore;
  GetForeColor(&fore);
  if (!g_written.any || std::memcmp(&fore, &g_written.fore, sizeof fore) != 0) s_PSColor(&fore);
  if (withFont && (!g_written.any || port->txFont != g_written.font || port->txSize != g_written.size ||
                   port->txFace != g_written.face)) {
    s_PSFont(port->txFont, port->txSize, port->txFace);
    g_written.font = port->txFont;
    g_written.size = port->txSize;
    g_written.face = port->txFace;
  }
  g_written.fore = fore;
  g_written.any = true;
}

void textProc(short byteCount, const void* text, Point numer, Point denom) {
  Point pen = GetQDPort()->pnLoc;
  StdText(byteCount, text, numer, denom);
  writeState(true);
  s_PSText(pen, byteCount, text);
}

// A pen wider than a pixel strokes as wide, over the pixels it covers on
// screen (the pen hangs right and below its location).
void lineProc(Point to) {
  CGrafPtr port = GetQDPort();
  Point from = port->pnLoc, pen = port->pnSize;
  bool visible = port->pnVis >= 0 && pen.h > 0 && pen.v > 0;
  StdLine(to);
  if (!visible) return;
  writeState(false);
  bool wide = pen.h > 1 || pen.v > 1;
  if (wide)
    s_PSPrintf("gsave\n%d setlinewidth\n%f %f translate\n", pen.h > pen.v ? pen.h : pen.v, (pen.h - 1) / 2.0,
               (pen.v - 1) / 2.0);
  s_PSMoveTo(from.h, from.v);
  s_PSLine(to);
  if (wide) s_PSPrintf("grestore\n%d %d moveto\n", to.h, to.v);
}

// A frame drawn with a wide pen lies inside its rectangle, as on screen.
void wideFrame(const Rect* r, Point pen) {
  if (r->right - r->left <= pen.h || r->bottom - r->top <= pen.v) return s_PSRect(kQDGrafVerbPaint, r);
  double left = r->left + pen.h / 2.0, top = r->top + pen.v / 2.0;
  double right = r->right - pen.h / 2.0, bottom = r->bottom - pen.v / 2.0;
  s_PSPrintf("gsave\n%d setlinewidth\n0 setlinejoin\n%f %f moveto\n%f %f lineto\n%f %f lineto\n%f %f lineto\n"
             "closepath\nstroke\ngrestore\n",
             pen.h > pen.v ? pen.h : pen.v, left, top, right, top, right, bottom, left, bottom);
  Point at = GetQDPort()->pnLoc;
  s_PSMoveTo(at.h, at.v);
}

void rectProc(GrafVerb verb, const Rect* r) {
  StdRect(verb, r);
  writeState(false);
  Point pen = GetQDPort()->pnSize;
  if (verb == kQDGrafVerbFrame && (pen.h > 1 || pen.v > 1) && r->right > r->left && r->bottom > r->top)
    return wideFrame(r, pen);
  s_PSRect(verb, r);
}
void rRectProc(GrafVerb verb, const Rect* r, short ovalWidth, short ovalHeight) {
  StdRRect(verb, r, ovalWidth, ovalHeight);
  writeState(false);
  s_PSRRect(verb, r, ovalWidth, ovalHeight);
}
void ovalProc(GrafVerb verb, const Rect* r) {
  StdOval(verb, r);
  writeState(false);
  s_PSOval(verb, r);
}
void arcProc(GrafVerb verb, const Rect* r, short startAngle, short arcAngle) {
  StdArc(verb, r, startAngle, arcAngle);
  writeState(false);
  s_PSArc(verb, r, startAngle, arcAngle);
}
void polyProc(GrafVerb verb, PolyHandle poly) {
  StdPoly(verb, poly);
  writeState(false);
  s_PSPoly(verb, poly);
}

// A filled region (the shading of a contour map) is its rectangles; a
// framed one has no outline to stroke and prints as on screen only.
void regionRect(const Rect* r, void* verb) { s_PSRect(*static_cast<GrafVerb*>(verb), r); }
void rgnProc(GrafVerb verb, RgnHandle rgn) {
  StdRgn(verb, rgn);
  if (verb == kQDGrafVerbFrame || !rgn) return;
  writeState(false);
  RgnForEachRect(rgn, regionRect, &verb);
}

// Restores the port, the writer's target and the scratch world on every way out.
class Replay {
 public:
  explicit Replay(const Rect& frame) {
    GetGWorld(&port_, &device_);
    if (NewGWorld(&world_, 32, &frame, nullptr, nullptr, 0) != noErr) world_ = nullptr;
    stream_ = open_memstream(&buffer_, &size_);
    if (!ok()) return;
    SetGWorld(world_, nullptr);
    SetStdCProcs(&procs_);
    procs_.textProc = textProc;
    procs_.lineProc = lineProc;
    procs_.rectProc = rectProc;
    procs_.rRectProc = rRectProc;
    procs_.ovalProc = ovalProc;
    procs_.arcProc = arcProc;
    procs_.polyProc = polyProc;
    procs_.rgnProc = rgnProc;
    SetPortGrafProcs(world_, &procs_);
    target_ = s_PSRedirect(stream_);
    redirected_ = true;
    g_written = Written();
  }
  ~Replay() {
    if (redirected_) s_PSRestore(target_);
    if (stream_) std::fclose(stream_);
    std::free(buffer_);
    SetGWorld(port_, device_);
    if (world_) DisposeGWorld(world_);
  }
  bool ok() const { return world_ && stream_; }
  // The PostScript written so far.
  bool take(std::string* ps) {
    if (std::fflush(stream_) != 0) return false;
    ps->assign(buffer_, size_);
    return true;
  }
  Replay(const Replay&) = delete;
  Replay& operator=(const Replay&) = delete;

 private:
  CGrafPtr port_ = nullptr;
  GDHandle device_ = nullptr;
  GWorldPtr world_ = nullptr;
  FILE* stream_ = nullptr;
  char* buffer_ = nullptr;
  size_t size_ = 0;
  CQDProcs procs_;
  PSTarget target_ = {nullptr, 0};
  bool redirected_ = false;
};
}  // namespace

bool s_PictureToPostScript(PicHandle pict, std::string* ps, Rect* drawn) {
  *drawn = {0, 0, 0, 0};
  if (!pict || !*pict) return false;
  Rect frame;
  QDGetPictureBounds(pict, &frame);
  if (frame.right <= frame.left || frame.bottom <= frame.top) return false;
  Replay replay(frame);
  if (!replay.ok()) return false;
  DrawPicture(pict, &frame);
  EPSGetImageRect(drawn);
  return replay.take(ps);
}
