// Placeholder until the shared grid code lands.
#include "vok/surface/grid_pending.h"
void SG3DInit() {}
void SG2DArray() {}
