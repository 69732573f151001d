// Grid data of a data file for the surface graph (shared with contour graphs).
#pragma once
void SG3DInit();
void SG2DArray();
