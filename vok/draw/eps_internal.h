// Shared between the vector and the bitmap halves of EPS saving.
#pragma once
#include "platform/gfx/gfx.h"

// EndEPSSaving with the image rectangle already known (the bitmap tiles were
// cut from it, so the bounding box must be the same); null computes it.
void s_EndEPSSavingWith(const Rect* knownImage);
