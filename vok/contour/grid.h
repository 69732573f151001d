// Grids from spreadsheet files, shared by the contour and the surface graph:
// three columns of the data file (x, y and f of series 1) become a regular
// grid of f values, offered to the graphs as an ordinary function f(x, y).
//
// A grid file holds one row per node: x and y on a regular lattice (their
// steps are the smallest differences between successive rows) and the
// node's value. Rows missing from the lattice leave their nodes at 0; a row
// whose x, y or f is not a number is skipped. An x or y column with a single
// value, or steps that would make an unreasonably large grid, are refused
// with an alert naming the column and the file; the previous grid stays.
#pragma once
#include <cstdint>

// The entry of contourgraph: the data file's grid as a contour graph.
void Graph2DSS();
// The entry of surfacegraph: spreadsheetData set, Graph2DSSFunc as the
// surface function, then the surface loop. Defined with the surface loop,
// which lies above this folder.
void Graph3DSS();

// Reads a data file and, on the first call, registers "Data Number" and
// "Plot %d X", "Plot %d Y", "Plot %d F"; sets the frame and "dx", "dy" of the
// contour graph from the data. The "Load New Data" button of the contour graph.
void SG2DInit();
// The same for the surface graph: the surface's ranges and increments come
// from the data (through s_sgSurface).
void SG3DInit();
// Brings s_sg.grid up to date with the column choice of series 1 and the
// data last read. Called at the start of every drawing pass.
void SG2DArray();
// The value of the grid node nearest to (x, y); points beyond the grid take
// the nearest edge node; 0 before any grid exists.
double Graph2DSSFunc(double x, double y);

// Where the built grid lies: node (i, j) stands for (minX + i stepX, minY + j stepY).
struct SGGridGeometry {
  double minX, maxX, stepX;
  double minY, maxY, stepY;
  long fileReads;  // the data read the grid was built from
};
extern SGGridGeometry s_sgGrid;

// The surface settings the grid reader sets. The surface graph points these
// at its own "X Min" ... "Use Resolution" before it registers its parameters;
// while they are null, SG3DInit and the surface branch of SG2DArray set nothing.
struct SGSurfaceRange {
  double *xMin, *xMax, *yMin, *yMax;
  double *xIncrement, *yIncrement;
  int32_t *sameXYInc, *useResolution;
};
extern SGSurfaceRange s_sgSurface;

// Grids of more nodes than this are refused: a file of a few rows with a
// tiny step in a wide range must not take all memory.
enum : long { kSGMaxGridNodes = 1L << 26 };
