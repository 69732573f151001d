// Pictures as vector PostScript: the picture is replayed into a scratch
// world whose bottlenecks draw each primitive there, so that pens, text
// advances and the picture's state follow the drawing rules exactly, and
// write its PostScript through the EPS writer. The writer takes colours and
// fonts from the drawing calls, which a replay does not make: they are
// written here whenever the port's differ from the last ones written.
#include "vok/output/picture_postscript.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "vok/draw/eps.h"
#include "vok/draw/postscript.h"
#include "vok/output/picture_postscript_parts.h"

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

Point penSize() { return GetQDPort()->pnSize; }
// Frames draw nothing while the pen is hidden or empty, as on screen.
bool penShows() {
  CGrafPtr port = GetQDPort();
  return port->pnVis >= 0 && port->pnSize.h > 0 && port->pnSize.v > 0;
}
// Painting a frame consumes the current point the next line starts from.
void backToPen() {
  Point at = GetQDPort()->pnLoc;
  s_PSMoveTo(at.h, at.v);
}

void lineProc(Point to) {
  Point from = GetQDPort()->pnLoc;
  bool visible = penShows();
  StdLine(to);
  if (!visible) return;
  writeState(false);
  s_PSPenLine(from, to, penSize());
}

// A frame of a rectangle with elliptic corners of radii a and c.
void frameRound(const Rect* r, double a, double c) {
  if (!penShows()) return;
  writeState(false);
  s_PSPenFrameRound(*r, a, c, penSize());
  backToPen();
}

void rectProc(GrafVerb verb, const Rect* r) {
  StdRect(verb, r);
  if (verb == kQDGrafVerbFrame) return frameRound(r, 0, 0);
  writeState(false);
  s_PSRect(verb, r);
}
// Corners as the screen clips them: within the rectangle, square when either is 0.
void rRectProc(GrafVerb verb, const Rect* r, short ovalWidth, short ovalHeight) {
  StdRRect(verb, r, ovalWidth, ovalHeight);
  if (verb == kQDGrafVerbFrame) {
    int w = std::clamp<int>(ovalWidth, 0, std::max(0, r->right - r->left));
    int h = std::clamp<int>(ovalHeight, 0, std::max(0, r->bottom - r->top));
    return w && h ? frameRound(r, w / 2.0, h / 2.0) : frameRound(r, 0, 0);
  }
  writeState(false);
  s_PSRRect(verb, r, ovalWidth, ovalHeight);
}
void ovalProc(GrafVerb verb, const Rect* r) {
  StdOval(verb, r);
  if (verb == kQDGrafVerbFrame) return frameRound(r, (r->right - r->left) / 2.0, (r->bottom - r->top) / 2.0);
  writeState(false);
  s_PSOval(verb, r);
}
void arcProc(GrafVerb verb, const Rect* r, short startAngle, short arcAngle) {
  StdArc(verb, r, startAngle, arcAngle);
  if (verb == kQDGrafVerbFrame && !penShows()) return;
  writeState(false);
  if (verb != kQDGrafVerbFrame) return s_PSArc(verb, r, startAngle, arcAngle);
  s_PSPenFrameArc(*r, startAngle, arcAngle, penSize());
  backToPen();
}
void polyProc(GrafVerb verb, PolyHandle poly) {
  StdPoly(verb, poly);
  if (verb == kQDGrafVerbFrame && !penShows()) return;
  writeState(false);
  if (verb != kQDGrafVerbFrame) return s_PSPoly(verb, poly);
  s_PSPenFramePoly(poly, penSize());
  backToPen();
}

// A region is its rectangles; its frame, the region less its inset copy.
void regionRect(const Rect* r, void* verb) { s_PSRect(*static_cast<GrafVerb*>(verb), r); }
void rgnProc(GrafVerb verb, RgnHandle rgn) {
  StdRgn(verb, rgn);
  if (!rgn || (verb == kQDGrafVerbFrame && !penShows())) return;
  writeState(false);
  if (verb == kQDGrafVerbFrame) return s_PSPenFrameRgn(rgn, penSize());
  RgnForEachRect(rgn, regionRect, &verb);
}

void bitsProc(const BitMap* srcBits, const Rect* srcRect, const Rect* dstRect, short mode, RgnHandle maskRgn) {
  StdBits(srcBits, srcRect, dstRect, mode, maskRgn);
  if (!srcBits || !srcRect || !dstRect) return;
  RGBColor back;
  GetBackColor(&back);
  s_PSPixelCopy(*srcBits, *srcRect, *dstRect, mode, maskRgn, back);
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
    procs_.bitsProc = bitsProc;
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
