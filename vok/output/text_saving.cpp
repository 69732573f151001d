// Saving the console to a text file. The text goes to a temporary file
// beside the chosen one, which replaces it only when saving ends (or the
// program ends while saving), so a failed save keeps the old file.
#include <cstdlib>
#include <cstring>
#include <string>

#include "vok/console/text.h"
#include "vok/frame/events.h"
#include "vok/frame/startup.h"
#include "vok/output/saving.h"
#include "vok/output/saving_internal.h"
#include "vok/output/text_files.h"
#include "vok/draw/file_dialogs.h"

namespace {
constexpr OSType kTextType = FourCC('T', 'E', 'X', 'T');
VokAtomicFile* g_file = nullptr;

void stopSaving() {
  s_textSaveFlag = 0;
  SaveTextP = s_longDummyString;
  s_save.textWriteRef = -1;
}

// Puts the saved text in place; a failure is told and the old file stays.
void commit(const char* who) {
  VokAtomicFile* f = g_file;
  g_file = nullptr;
  stopSaving();
  std::string error;
  if (f && !VokAtomicCommit(f, kTextType, s_save.textCreator, &error)) s_TellFileError(who, error);
}

// A program that ends while saving keeps what it printed.
void commitAtExit() {
  if (g_file) commit("EndTextSaving");
}
}  // namespace

void SetTextCreator(OSType creator) { s_save.textCreator = creator; }

short BeginTextSaving() {
  if (g_file) commit("BeginTextSaving");  // a second Begin ends the first file
  std::string path, error;
  if (VOKChooseSaveFile("text", kTextType, &s_save.textSpec, &s_save.textGood) != noErr) s_save.textGood = false;
  if (s_save.textGood && !VokSpecToPath(&s_save.textSpec, &path)) {
    s_TellFileError("BeginTextSaving", "the chosen file has no usable name");
  } else if (s_save.textGood && !(g_file = VokAtomicOpen(path, &error))) {
    s_TellFileError("BeginTextSaving", error);
  }
  if (!g_file) {
    CheckPause();
    return -1;
  }
  static bool atExitSet = false;
  if (!atExitSet) atExitSet = std::atexit(commitAtExit) == 0;
  int fd = fileno(VokAtomicStream(g_file));
  s_save.textWriteRef = short(fd > 0 && fd < 32768 ? fd : 1);
  s_textSaveFlag = 1;
  SaveTextP = SaveText;
  CheckPause();
  return s_save.textWriteRef;
}

long SaveText(const char* text) {
  if (!g_file || !text) return 0;
  return long(std::fwrite(text, 1, std::strlen(text), VokAtomicStream(g_file)));
}

void EndTextSaving() {
  if (s_textSaveFlag) commit("EndTextSaving");
  CheckPause();
}
