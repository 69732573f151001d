// A recorded picture as vector PostScript, for printing at the printer's
// resolution rather than as the screen's pixels.
#pragma once
#include <string>

#include "platform/gfx/picture.h"

// Replays `pict` in its own frame through the EPS writer: *ps gets the
// PostScript (y down, picture coordinates, fonts as PostScript fonts) and
// *drawn the box of what the picture paints (empty when nothing). False when
// the picture is broken or no scratch world could be made.
bool s_PictureToPostScript(PicHandle pict, std::string* ps, Rect* drawn);
