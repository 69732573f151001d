// The start-up variants a program calls at the top of main, and the common
// sequence Start1 they share.
#pragma once
#include "vok/frame/startup.h"

void Start();
void StartColor();
void StartBW();
void StartDrawing();
void StartText();
void StartTextOnly();
void StartDrawingOnly();
void StartDrawingOnlyColor();
void StartColorDrawingOnly();
void StartRedraw();
void StartNoRedraw();
void MinimumStart();

void Start1();
void InitToolbox();
