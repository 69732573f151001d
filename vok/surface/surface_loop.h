// The surface graph loop: registration of the settings, then the Parameters
// dialog and a drawing pass in turn until the user ticks "Exit Graph". Each
// pass paints the cells back to front (painter's order), so nearer cells
// hide farther ones.
#pragma once
#include "vok/surface/projection.h"

// Runs the surface graph of the installed function; without one the
// program ends with a message.
void Graph3DFunction();
void Graph3DFAddParameters();  // once per process
// Sets the graph's page list up if needed and adds one parameter to it.
void in_Graph3DAddParameter(void* pointer, int type, const char* name);
// (Re)allocates the row table of view->row for the current range and increment.
void SG3DMakeArray(SG3DView* view);
// The cells of one pass, in visiting order, through the current port.
void SG3DDrawCells(SG3DView* view);
