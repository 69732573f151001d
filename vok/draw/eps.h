// EPS files: vector recordings of the drawing (every primitive's PostScript
// collected in a private temporary file while the drawing is made) and bitmap
// saves of the drawing's pixels, assembled with their bounding box at the end.
#pragma once
#include <cstdio>

#include "platform/gfx/gfx.h"

struct VOKEPSRecord {
  FILE* file;         // the open temporary recording file
  int active;         // 1 while PostScript is recorded
  char fileName[32];  // name offered in the save dialog, "drawing.eps" at start
};
extern VOKEPSRecord s_eps;

void BeginEPSSaving();
void BeginEPSSavingBox(short left, short top, short right, short bottom);
void EndEPSSaving();
// graph.dat -> graph.eps; a.b.c -> a.b.eps; at most 27 characters before ".eps".
void SetEPSFileName(const char* name);
// The smallest rectangle holding every pixel of the current drawing that is not pure white.
void EPSGetImageRect(Rect* r);
// The drawing's image rectangle as bitmap EPS: `bits` per sample (1, 2, 4 or 8),
// colour or grey; 1-bit grey pixels are white from luminance >= threshold.
void EPSBitMapSave(short bits, int color, double threshold);
// One image tile of at most 100 x 100 pixels: header, hex data, image operator.
void EPSBitMapProlog(const Rect* tile, const Rect* image, short bits);
void EPSBitMapMain(const Rect* tile, short bits, int color, double threshold);
void EPSBitMapEpilog(short bits, int color);

// ---- seams for tests and scripted runs -------------------------------------------
// The next EndEPSSaving writes to `path` instead of asking with the save
// dialog (used once, then cleared); null clears it.
void EPSSetNextOutputPath(const char* path);
// Where EPS failures are told; null restores the default (text window and a caution alert).
void EPSSetFailureReporter(void (*report)(const char* message));
// The private temporary file of the recording in progress ("" when idle).
const char* EPSTemporaryPath();
// Height of the drawing the EPS coordinates refer to (unscaled port bounds' bottom).
short EPSDrawingHeight();
