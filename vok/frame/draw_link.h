// What the frame and the console call of the drawing window: its globals,
// port switching and the drawing wrappers, from the drawing layer.
#pragma once
#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
