// Bitmap saving: the window's pixels as a picture holding a pixel image
// (colour mode) or as a 576 x 720 one-bit MacPaint image. The file is chosen
// once; later saves overwrite it, or go to the names 0, 1, 2 ... beside it.
#include <string>

#include "vok/draw/drawing_window.h"
#include "vok/draw/file_dialogs.h"
#include "vok/frame/events.h"
#include "vok/frame/startup.h"
#include "vok/output/macpaint.h"
#include "vok/output/saved_port.h"
#include "vok/output/saving.h"
#include "vok/output/saving_internal.h"
#include "vok/params/pd_procs.h"

void BeginBitMapSaving() {
  if (VOKChooseSaveFile("bitmap", 0, &s_save.bitMapSpec, &s_save.bitMapGood) != noErr) s_save.bitMapGood = false;
  CheckPause();
}

void EndBitMapSaving() {
  if (s_colorFlag)
    EndBitMapSavingColor();
  else
    EndBitMapSavingMono();
  CheckPause();
}

void EndBitMapSavingAuto() {
  FSSpec next;
  if (s_save.bitMapGood && VokSpecWithName(&s_save.bitMapSpec, std::to_string(s_save.autoNumber), &next))
    s_save.bitMapSpec = next;
  ++s_save.autoNumber;
  EndBitMapSaving();
  CheckPause();
}

// The pixels go into a recorded picture by copying the window onto itself.
void EndBitMapSavingColor() {
  s_save.usePresetSpec = 1;
  BeginSaving();
  {
    SavedPort saved;
    if (s_drawingPort) s_SetGWorld(s_drawingWindow, nullptr);
    ForeColor(blackColor);  // an untinted copy
    BackColor(whiteColor);
    CGrafPtr port = s_SavedDrawingPort();
    Rect r;
    GetPortBounds(port, &r);
    const BitMap* bits = GetPortBitMapForCopyBits(port);
    CopyBits(bits, bits, &r, &r, srcCopy, nullptr);
  }
  EndSaving();
  s_save.usePresetSpec = 0;
  CheckPause();
}

void EndBitMapSavingMono() {
  if (s_save.bitMapGood) {
    GWorldPtr world = nullptr;
    Rect image = {0, 0, kMacPaintHeight, kMacPaintWidth};
    if (NewGWorld(&world, 1, &image, nullptr, nullptr, 0) == noErr) {
      CGrafPtr port = s_SavedDrawingPort();
      Rect r;
      GetPortBounds(port, &r);
      {
        SavedPort saved;
        SetGWorld(world, nullptr);
        CopyBits(GetPortBitMapForCopyBits(port), GetPortBitMapForCopyBits(world), &r, &r, srcCopy, nullptr);
      }
      std::vector<uint8_t> file = MacPaintBytes(*GetPortBitMapForCopyBits(world), image);
      DisposeGWorld(world);
      s_SaveFileWhole("EndBitMapSaving", &s_save.bitMapSpec, file.data(), file.size(), FourCC('P', 'N', 'T', 'G'),
                      s_save.bitMapCreator);
    }
  }
  CheckPause();
}

// The "Save BitMap" button: ask, then save the window's pixels.
void SaveProc() {
  BeginBitMapSaving();
  EndBitMapSaving();
}
