// The integer-pixel 2D drawing layer: geometry, ports and offscreen worlds,
// pen/text/colour state, patterns, shapes, polygons, regions, pixel copies,
// and the table of drawing bottlenecks every primitive passes through.
// Coordinates are signed 16-bit, y grows downwards, bottom/right exclusive.
#pragma once
#include "platform/base/types.h"

// ---- geometry --------------------------------------------------------------
struct Point {
  short v, h;
};
struct Rect {
  short top, left, bottom, right;
};

// Arithmetic on coordinates saturates at the 16-bit edge instead of wrapping.
void SetRect(Rect* r, short left, short top, short right, short bottom);
void OffsetRect(Rect* r, short dh, short dv);
void InsetRect(Rect* r, short dh, short dv);
Boolean EmptyRect(const Rect* r);  // true when right <= left or bottom <= top
Boolean SectRect(const Rect* a, const Rect* b, Rect* dst);  // false (and dst empty) when disjoint
Boolean PtInRect(Point p, const Rect* r);
void AddPt(Point src, Point* dst);

// ---- colour and patterns ---------------------------------------------------
struct RGBColor {
  uint16_t red, green, blue;
};
struct Pattern {
  uint8_t pat[8];  // one byte per row, most significant bit leftmost
};

// Classic colour constants for ForeColor/BackColor.
enum : long {
  blackColor = 33,
  whiteColor = 30,
  redColor = 205,
  greenColor = 341,
  blueColor = 409,
  cyanColor = 273,
  magentaColor = 137,
  yellowColor = 69,
};

// Pixel pattern: an 8x8 one-bit pattern drawn in the fore/back colours.
struct PixPat {
  Pattern pat1Data;
};
typedef PixPat* PixPatPtr;
typedef PixPatPtr* PixPatHandle;
PixPatHandle NewPixPat();
void DisposePixPat(PixPatHandle pp);
void CopyPixPat(PixPatHandle src, PixPatHandle dst);

// System pattern list (list ID 0): 38 patterns, index 1..38. See patterns.cpp
// for the look of each. 0 and out-of-range indices give solid black.
void GetIndPattern(Pattern* pat, short listID, short index);
const Pattern* GetQDGlobalsBlack(Pattern* p);
const Pattern* GetQDGlobalsWhite(Pattern* p);
const Pattern* GetQDGlobalsGray(Pattern* p);
const Pattern* GetQDGlobalsLightGray(Pattern* p);

// ---- transfer modes --------------------------------------------------------
enum : short {
  srcCopy = 0,
  srcOr = 1,
  srcXor = 2,
  srcBic = 3,
  notSrcCopy = 4,
  notSrcOr = 5,
  notSrcXor = 6,
  notSrcBic = 7,
  patCopy = 8,
  patOr = 9,
  patXor = 10,
  patBic = 11,
  notPatCopy = 12,
  notPatOr = 13,
  notPatXor = 14,
  notPatBic = 15,
};
// Pen modes 0..7 behave as their pattern counterparts 8..15. With a set
// pattern bit: copy and or paint the fore colour, xor inverts the pixel, bic
// paints the back colour; with a clear bit copy paints the back colour and
// the others leave the pixel. notPat... modes invert the pattern first.
// Patterns are aligned to the port's local origin: pixel (x, y) takes bit
// 7 - (x & 7) of row y & 7.

// Text faces (bits).
enum : short { normal = 0, bold = 1, italic = 2, underline = 4, outline = 8, shadow = 16, condense = 32, extend = 64 };

// ---- polygons and regions --------------------------------------------------
// A polygon is a relocatable block: polySize counts bytes (10 + 4 per point,
// at most 8189 points). Painting fills it even-odd, closed implicitly, with
// vertices at pixel corners: pixel (x, y) is inside when the point (x, y)
// is, edges on the left and top included, like a rectangle's.
struct Polygon {
  short polySize;
  Rect polyBBox;
  Point polyPoints[1];
};
typedef Polygon* PolyPtr;
typedef PolyPtr* PolyHandle;
inline int PolyPointCount(PolyHandle p) { return p && *p ? ((*p)->polySize - 10) / 4 : 0; }

// A region is a set of pixels held as y-x banded rectangles.
struct OpaqueRgn;
typedef OpaqueRgn* RgnHandle;
RgnHandle NewRgn();
void DisposeRgn(RgnHandle rgn);
void CopyRgn(RgnHandle src, RgnHandle dst);
void SetEmptyRgn(RgnHandle rgn);
void RectRgn(RgnHandle rgn, const Rect* r);
void SetRectRgn(RgnHandle rgn, short left, short top, short right, short bottom);
// Recording: until CloseRgn, lines add edges and framed rectangles, round
// rectangles, ovals, polygons and regions add their inside, combined
// even-odd; the pen is hidden meanwhile. Arcs add nothing.
void OpenRgn();
void CloseRgn(RgnHandle dst);  // without OpenRgn: dst becomes empty
void OffsetRgn(RgnHandle rgn, short dh, short dv);
void InsetRgn(RgnHandle rgn, short dh, short dv);  // > 0 shrinks, < 0 grows (across first, then down)
void SectRgn(RgnHandle a, RgnHandle b, RgnHandle dst);
void UnionRgn(RgnHandle a, RgnHandle b, RgnHandle dst);
void DiffRgn(RgnHandle a, RgnHandle b, RgnHandle dst);
void XorRgn(RgnHandle a, RgnHandle b, RgnHandle dst);
Boolean EmptyRgn(RgnHandle rgn);
Boolean EqualRgn(RgnHandle a, RgnHandle b);
Boolean PtInRgn(Point p, RgnHandle rgn);
Rect* GetRegionBounds(RgnHandle rgn, Rect* bounds);
// Calls fn for every rectangle of the region, bands top to bottom, left to right.
void RgnForEachRect(RgnHandle rgn, void (*fn)(const Rect* r, void* ctx), void* ctx);
int RgnRectCount(RgnHandle rgn);

// ---- pixel maps and ports --------------------------------------------------
// Every raster here is 32-bit 0xFFRRGGBB; bounds place it in local coordinates.
struct PixMap {
  uint32_t* baseAddr;
  int rowPixels;  // stride in pixels
  Rect bounds;
  short pixelSize;  // depth the owner asked for (1 or 32); storage is always 32-bit
};
typedef PixMap BitMap;
typedef PixMap* PixMapPtr;
typedef PixMapPtr* PixMapHandle;

enum GrafVerb : short { kQDGrafVerbFrame = 0, kQDGrafVerbPaint = 1, kQDGrafVerbErase = 2, kQDGrafVerbInvert = 3, kQDGrafVerbFill = 4 };
enum : short { frame = 0, paint = 1, erase = 2, invert = 3, fill = 4 };

// The bottleneck table. Each slot is called for every primitive of its kind
// drawn in a port that carries the table; SetStdCProcs fills all slots with
// the standard raster procedures, and SetPortGrafProcs fills any null slot
// with its standard procedure, so core code never checks for null.
typedef void (*QDTextProcPtr)(short byteCount, const void* textBuf, Point numer, Point denom);
typedef void (*QDLineProcPtr)(Point newPt);
typedef void (*QDRectProcPtr)(GrafVerb verb, const Rect* r);
typedef void (*QDRRectProcPtr)(GrafVerb verb, const Rect* r, short ovalWidth, short ovalHeight);
typedef void (*QDOvalProcPtr)(GrafVerb verb, const Rect* r);
typedef void (*QDArcProcPtr)(GrafVerb verb, const Rect* r, short startAngle, short arcAngle);
typedef void (*QDPolyProcPtr)(GrafVerb verb, PolyHandle poly);
typedef void (*QDRgnProcPtr)(GrafVerb verb, RgnHandle rgn);
typedef void (*QDBitsProcPtr)(const BitMap* srcBits, const Rect* srcRect, const Rect* dstRect, short mode,
                              RgnHandle maskRgn);
typedef void (*QDCommentProcPtr)(short kind, short dataSize, Handle dataHandle);
typedef short (*QDTxMeasProcPtr)(short byteCount, const void* textAddr, Point* numer, Point* denom, void* info);

struct CQDProcs {
  QDTextProcPtr textProc;    // DrawString/DrawText/DrawChar
  QDLineProcPtr lineProc;    // LineTo/Line
  QDRectProcPtr rectProc;    // Frame/Paint/Erase/Invert/FillRect
  QDRRectProcPtr rRectProc;  // ...RoundRect
  QDOvalProcPtr ovalProc;    // ...Oval
  QDArcProcPtr arcProc;      // ...Arc
  QDPolyProcPtr polyProc;    // ...Poly
  QDRgnProcPtr rgnProc;      // ...Rgn
  QDBitsProcPtr bitsProc;    // CopyBits
  QDCommentProcPtr commentProc;
  QDTxMeasProcPtr txMeasProc;
};
typedef CQDProcs QDProcs;
// Procedure-pointer wrappers are plain pointers here.
#define NewQDTextUPP(p) (p)
#define NewQDLineUPP(p) (p)
#define NewQDRectUPP(p) (p)
#define NewQDRRectUPP(p) (p)
#define NewQDOvalUPP(p) (p)
#define NewQDArcUPP(p) (p)
#define NewQDPolyUPP(p) (p)
#define NewQDRgnUPP(p) (p)
#define NewQDBitsUPP(p) (p)

struct PenState {
  Point pnLoc;
  Point pnSize;
  short pnMode;
  Pattern pnPat;
};

struct PictureRecorder;  // platform/gfx/picture.h: an open picture of the port
struct WindowRecord;     // platform/wm: the window owning the port, if any

struct GrafPort {
  PixMap portPixMap;
  Rect portRect;       // local drawing area
  RgnHandle clipRgn;   // program's clip (initially wide open)
  RgnHandle visRgn;    // visible part (the window layer may narrow it)
  Point pnLoc;
  Point pnSize;
  short pnMode;
  Pattern pnPat;
  Pattern bkPat;
  Pattern fillPat;
  PixPatHandle pnPixPat;  // null unless PenPixPat set one
  PixPatHandle fillPixPat;
  short pnVis;  // visible while >= 0
  short txFont, txFace, txMode, txSize;
  Fixed spExtra;
  RGBColor rgbFgColor, rgbBkColor;
  CQDProcs* grafProcs;  // null: standard procedures
  PictureRecorder* picSave;  // open picture, if any
  Handle polySave;           // open polygon, if any
  void* rgnSave;             // open region recording, if any
  WindowRecord* window;      // owning window, if any
  Point origin;              // SetOrigin offset of local coordinates
  // Kept by the drawing layer:
  uint32_t* ownedPixels;     // raster allocated by OpenPortOn (freed by ClosePort)
  PixMapPtr pixMapMaster;    // &portPixMap, so that &pixMapMaster is a PixMapHandle
};
typedef GrafPort* GrafPtr;
typedef GrafPort* CGrafPtr;
typedef GrafPort* GWorldPtr;

// Graphics devices: one main screen device, VOK_SCREEN=WxH or 1024x768.
struct GDevice {
  Rect gdRect;
  short pixelSize;
};
typedef GDevice* GDPtr;
typedef GDPtr* GDHandle;
GDHandle GetMainDevice();
GDHandle GetGDevice();
void SetGDevice(GDHandle gd);

// ---- current port ----------------------------------------------------------
void SetPort(GrafPtr port);
void GetPort(GrafPtr* port);
void SetGWorld(CGrafPtr port, GDHandle gd);
void GetGWorld(CGrafPtr* port, GDHandle* gd);
GrafPtr GetQDPort();  // the current port (never null: a 1x1 scratch port before any is set)

// Ports over raw memory (windows use this for their backing stores).
void OpenPortOn(GrafPort* port, int width, int height);  // allocates a white raster
void ClosePort(GrafPort* port);  // frees what the port owns; the scratch port becomes current if it was
// Pen 1x1 patCopy black at (0, 0), back pattern white, fore black, back
// white, srcOr text, wide-open clip, visRgn = portRect = the raster's bounds;
// keeps the raster. For ports opened with OpenPortOn (or zeroed).
void InitPortState(GrafPort* port);

// Offscreen worlds: depth 0 = deepest screen (32 here), 1 = black and white
// (drawing there paints every colour but white as black).
// Empty bounds give paramErr, rasters over 64 M pixels memFullErr.
enum { pixelsLocked = 1 };
OSErr NewGWorld(GWorldPtr* world, short depth, const Rect* bounds, void* cTable, GDHandle gd, long flags);
void DisposeGWorld(GWorldPtr world);
PixMapHandle GetGWorldPixMap(GWorldPtr world);
Boolean LockPixels(PixMapHandle pm);
void NoPurgePixels(PixMapHandle pm);

Rect* GetPortBounds(CGrafPtr port, Rect* r);
const BitMap* GetPortBitMapForCopyBits(CGrafPtr port);
short GetPortTextSize(CGrafPtr port);
short GetPortTextFont(CGrafPtr port);
void GetPortFillPixPat(CGrafPtr port, PixPatHandle dst);
void GetPortForeColor(CGrafPtr port, RGBColor* c);
void GetPortBackColor(CGrafPtr port, RGBColor* c);
void SetPortGrafProcs(CGrafPtr port, CQDProcs* procs);
CQDProcs* GetPortGrafProcs(CGrafPtr port);
void SetStdCProcs(CQDProcs* procs);
// Makes (h, v) the local coordinates of the port rectangle's top-left; the
// raster and the visible region move along, the clip region does not.
void SetOrigin(short h, short v);
void ClipRect(const Rect* r);
void SetClip(RgnHandle rgn);
void GetClip(RgnHandle rgn);

// ---- pen and text state (current port) ---------------------------------------
void MoveTo(short h, short v);
void Move(short dh, short dv);
void GetPen(Point* pt);
void PenSize(short width, short height);
void PenMode(short mode);
void PenPat(const Pattern* pat);
void PenPixPat(PixPatHandle pp);
void BackPat(const Pattern* pat);
void PenNormal();
void HidePen();
void ShowPen();
void GetPenState(PenState* ps);
void SetPenState(const PenState* ps);
void ForeColor(long color);
void BackColor(long color);
void RGBForeColor(const RGBColor* c);
void RGBBackColor(const RGBColor* c);
void GetForeColor(RGBColor* c);
void GetBackColor(RGBColor* c);
void TextFont(short font);
void TextFace(short face);
void TextSize(short size);
void TextMode(short mode);
void SpaceExtra(Fixed extra);

// ---- lines and shapes (through the current port's bottlenecks) --------------
// Frames lie inside their shape, drawn with the pen size. Lines sweep the
// pen rectangle, hanging below and right of each point of the path, both end
// points included. While the pen is hidden (pnVis < 0) lines and frames draw
// nothing (they still reach the bottleneck); paint, erase, invert and fill
// draw regardless. Fills make their pattern the port's fill pattern.
void LineTo(short h, short v);
void Line(short dh, short dv);
void FrameRect(const Rect* r);
void PaintRect(const Rect* r);
void EraseRect(const Rect* r);
void InvertRect(const Rect* r);
void FillRect(const Rect* r, const Pattern* pat);
void FillCRect(const Rect* r, PixPatHandle pp);
void FrameRoundRect(const Rect* r, short ovalWidth, short ovalHeight);
void PaintRoundRect(const Rect* r, short ovalWidth, short ovalHeight);
void EraseRoundRect(const Rect* r, short ovalWidth, short ovalHeight);
void InvertRoundRect(const Rect* r, short ovalWidth, short ovalHeight);
void FillRoundRect(const Rect* r, short ovalWidth, short ovalHeight, const Pattern* pat);
void FillCRoundRect(const Rect* r, short ovalWidth, short ovalHeight, PixPatHandle pp);
void FrameOval(const Rect* r);
void PaintOval(const Rect* r);
void EraseOval(const Rect* r);
void InvertOval(const Rect* r);
void FillOval(const Rect* r, const Pattern* pat);
void FillCOval(const Rect* r, PixPatHandle pp);
// Angles in degrees, 0 at 12 o'clock, clockwise positive, in the rectangle's
// proportions (45 points at a corner). A frame is the curve alone.
void FrameArc(const Rect* r, short startAngle, short arcAngle);
void PaintArc(const Rect* r, short startAngle, short arcAngle);
void EraseArc(const Rect* r, short startAngle, short arcAngle);
void InvertArc(const Rect* r, short startAngle, short arcAngle);
void FillArc(const Rect* r, short startAngle, short arcAngle, const Pattern* pat);
void FillCArc(const Rect* r, short startAngle, short arcAngle, PixPatHandle pp);

// Until ClosePoly, LineTo/Line add their end points (and their start, when
// the pen was moved) as vertices; the pen is hidden meanwhile, so nothing is
// drawn unless the caller shows it. FramePoly draws the recorded lines only.
PolyHandle OpenPoly();
void ClosePoly();
void KillPoly(PolyHandle poly);
void OffsetPoly(PolyHandle poly, short dh, short dv);
void FramePoly(PolyHandle poly);
void PaintPoly(PolyHandle poly);
void ErasePoly(PolyHandle poly);
void InvertPoly(PolyHandle poly);
void FillPoly(PolyHandle poly, const Pattern* pat);
void FillCPoly(PolyHandle poly, PixPatHandle pp);

void FrameRgn(RgnHandle rgn);
void PaintRgn(RgnHandle rgn);
void EraseRgn(RgnHandle rgn);
void InvertRgn(RgnHandle rgn);
void FillRgn(RgnHandle rgn, const Pattern* pat);
void FillCRgn(RgnHandle rgn, PixPatHandle pp);

// ---- pixels and copies -----------------------------------------------------
// Single pixels of the current port, straight (no bottleneck). Outside the
// raster a pixel reads as white; SetCPixel honours the clip.
void GetCPixel(short h, short v, RGBColor* c);
void SetCPixel(short h, short v, const RGBColor* c);
Boolean GetPixel(short h, short v);  // true when the pixel is not white
// Into the current port's raster the copy goes through its bits bottleneck,
// clipped like every primitive; other destinations are plain memory copies.
// Scaling samples the nearest source pixel. Modes: a source pixel is ink when
// not white; srcCopy copies, srcOr copies ink only, srcXor inverts where ink,
// srcBic paints ink in the back colour; notSrc... invert the source first.
// A 1-bit destination keeps black and white (half brightness and up: white).
void CopyBits(const BitMap* src, const BitMap* dst, const Rect* srcRect, const Rect* dstRect, short mode,
              RgnHandle maskRgn);
void ScrollRect(const Rect* r, short dh, short dv, RgnHandle updateRgn);  // uncovered: erased, in updateRgn

// ---- mapping between rectangles --------------------------------------------
// h' = dst.left + (h - src.left) * dstWidth / srcWidth, rounded down; an
// empty source or destination rectangle changes nothing.
void MapPt(Point* pt, const Rect* src, const Rect* dst);
void MapRect(Rect* r, const Rect* src, const Rect* dst);
void MapPoly(PolyHandle poly, const Rect* src, const Rect* dst);
void MapRgn(RgnHandle rgn, const Rect* src, const Rect* dst);

// ---- run-length packing of one row ------------------------------------------
// Packs srcBytes bytes from *src to *dst, advancing both; returns nothing.
void PackBits(Ptr* src, Ptr* dst, short srcBytes);
// Unpacks until dstBytes bytes are produced, advancing both pointers. A run
// that would overshoot dstBytes is cut there.
void UnpackBits(Ptr* src, Ptr* dst, short dstBytes);
// The same over untrusted data: reads at most srcLen bytes, writes exactly
// dstLen bytes; returns the bytes consumed, or -1 when src ran out first.
long VokUnpackBitsBounded(const uint8_t* src, long srcLen, uint8_t* dst, long dstLen);

// ---- the standard bottlenecks ----------------------------------------------
void StdText(short byteCount, const void* textBuf, Point numer, Point denom);
void StdLine(Point newPt);
void StdRect(GrafVerb verb, const Rect* r);
void StdRRect(GrafVerb verb, const Rect* r, short ovalWidth, short ovalHeight);
void StdOval(GrafVerb verb, const Rect* r);
void StdArc(GrafVerb verb, const Rect* r, short startAngle, short arcAngle);
void StdPoly(GrafVerb verb, PolyHandle poly);
void StdRgn(GrafVerb verb, RgnHandle rgn);
void StdBits(const BitMap* srcBits, const Rect* srcRect, const Rect* dstRect, short mode, RgnHandle maskRgn);
void StdComment(short kind, short dataSize, Handle dataHandle);
short StdTxMeas(short byteCount, const void* textAddr, Point* numer, Point* denom, void* info);
// StdText and StdTxMeas live with the fonts, which install them here; until
// then the text slots draw nothing and measure nothing.
void VokSetStdTextProcs(QDTextProcPtr text, QDTxMeasProcPtr measure);
