// The MacPaint image file: a 512-byte header of zeros, then 720 rows of 576
// one-bit pixels (1 = black), each row packed on its own.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/gfx/gfx.h"

constexpr int kMacPaintWidth = 576, kMacPaintHeight = 720, kMacPaintRowBytes = 72;
constexpr int kMacPaintHeaderBytes = 512;

// The file's bytes for the pixels of src inside area, at area's top-left
// corner; everything else is white. A pixel counts as black when it is
// darker than half brightness.
std::vector<uint8_t> MacPaintBytes(const PixMap& src, const Rect& area);
