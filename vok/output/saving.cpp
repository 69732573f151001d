// Picture saving: BeginSaving records the drawing window into a picture
// while the drawing still shows; EndSaving closes it and writes it as a
// picture file (512 zero bytes, then the picture's bytes). Files are
// written whole: a failed write keeps the previous file and says why.
#include "vok/output/saving.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/base/program.h"
#include "vok/console/text.h"
#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
#include "vok/draw/file_dialogs.h"
#include "vok/frame/events.h"
#include "vok/frame/messages.h"
#include "vok/frame/startup.h"
#include "vok/output/saved_port.h"
#include "vok/output/saving_internal.h"
#include "vok/params/pd_procs.h"

SaveState s_save = {0,  nullptr, 0,  FourCC('B', 'O', 'B', 'O'), {}, false, FourCC('B', 'O', 'B', 'O'), 0,
                     {}, false,   -1, FourCC('N', 'I', 'S', 'I'), -1};

namespace {
constexpr OSType kPictType = FourCC('P', 'I', 'C', 'T');
constexpr size_t kPictFileHeader = 512;
}  // namespace

CGrafPtr s_SavedDrawingPort() { return s_drawingPort ? s_drawingPort : GetQDPort(); }

bool s_SaveFileWhole(const char* who, const FSSpec* spec, const void* data, size_t size, OSType type,
                     OSType creator) {
  if (FSpWriteFileAtomic(spec, data, size, type, creator) == noErr) return true;
  s_TellFileError(who, VokFileErrorText());
  return false;
}

void s_TellFileError(const char* who, const std::string& why) {
  std::string message = std::string("Error in ") + who + ": " + why + "\n";
  if (s_ss.started) {
    s_printf("%s", message.c_str());
    s_AlertFileError(message.c_str());
  } else {
    std::fprintf(stderr, "%s: %s", VokProgramName(), message.c_str());
  }
}

void SetDrawingCreator(OSType creator) { s_save.drawingCreator = creator; }
void SetBitMapCreator(OSType creator) { s_save.bitMapCreator = creator; }

void s_BeginDrawingPicture(PicHandle* pict) {
  if (s_save.recording) PrintError("Error: Consecutive call of BeginSaving or BeginPrinting\n");
  SavedPort saved;
  s_SetGWorld(s_drawingWindow, nullptr);
  if (*pict) KillPicture(*pict);
  Rect frame;
  GetPortBounds(s_SavedDrawingPort(), &frame);
  ClipRect(&frame);
  *pict = OpenPicture(&frame);
  s_save.recording = 1;
  s_ShowPen();  // opening a picture hides the pen; the drawing stays visible
}

void s_EndDrawingPicture() {
  if (!s_save.recording) return;
  SavedPort saved;
  s_SetGWorld(s_drawingWindow, nullptr);
  s_HidePen();
  ClosePicture();
  s_save.recording = 0;
}

void BeginSaving() {
  s_BeginDrawingPicture(&s_save.pict);
  CheckPause();
}

void EndSaving() {
  s_EndDrawingPicture();
  SavePict(s_save.pict);
  CheckPause();
}

void SavePict(PicHandle pict) {
  if (!pict || !*pict) return;
  FSSpec spec;
  Boolean good = false;
  if (s_save.usePresetSpec) {
    spec = s_save.bitMapSpec;
    good = s_save.bitMapGood;
  } else if (VOKChooseSaveFile("drawing", kPictType, &spec, &good) != noErr) {
    good = false;
  }
  if (!good) return;
  Handle h = reinterpret_cast<Handle>(pict);
  size_t size = size_t(GetHandleSize(h));
  std::vector<uint8_t> file(kPictFileHeader + size, 0);
  std::memcpy(file.data() + kPictFileHeader, *h, size);
  s_SaveFileWhole("SavePict", &spec, file.data(), file.size(), kPictType, s_save.drawingCreator);
}

void BeginSavingProc() { BeginSaving(); }
void EndSavingProc() { EndSaving(); }
