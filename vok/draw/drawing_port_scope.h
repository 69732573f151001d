// Makes the on-screen drawing port current for the lifetime of the object,
// for the commands of the Parameters dialog that wait for a click in the
// drawing (zoom, extra labels); the port current before comes back after.
#pragma once
#include "vok/draw/drawing_window.h"

struct DrawingPortScope {
  CGrafPtr oldPort = nullptr;
  GDHandle oldDevice = nullptr;
  bool ok = false;
  DrawingPortScope() {
    s_GetGWorld(&oldPort, &oldDevice);
    CGrafPtr port = s_DisplayPort();
    if (!port) return;
    s_SetGWorld(port, s_redrawFlag ? s_display : nullptr);
    ok = true;
  }
  ~DrawingPortScope() {
    if (oldPort) s_SetGWorld(oldPort, oldDevice);
  }
  DrawingPortScope(const DrawingPortScope&) = delete;
  DrawingPortScope& operator=(const DrawingPortScope&) = delete;
};
