// Keeps the current port and device for the length of a scope.
#pragma once
#include "vok/draw/drawing_window.h"

struct SavedPort {
  SavedPort() { s_GetGWorld(&port, &device); }
  ~SavedPort() { s_SetGWorld(port, device); }
  SavedPort(const SavedPort&) = delete;
  SavedPort& operator=(const SavedPort&) = delete;
  CGrafPtr port = nullptr;
  GDHandle device = nullptr;
};
