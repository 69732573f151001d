// What the frame and the console call of the drawing window: the drawing
// layer's own headers (the names are defined there, never in vok/frame or
// vok/console).
#pragma once
#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
