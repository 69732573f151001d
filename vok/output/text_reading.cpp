// Console input from a text file: while reading is on, s_scanf and s_fgets
// take their characters from the file (only CR ends a line; a line longer
// than the console's cap is handed out in pieces). The file is read through
// a small buffer, so a huge file or one without line ends never takes more
// memory than that; a file holding NUL bytes is not text and is refused.
#include <cstring>
#include <string>

#include "vok/console/input.h"
#include "vok/frame/events.h"
#include "vok/frame/startup.h"
#include "vok/output/saving.h"
#include "vok/output/saving_internal.h"
#include "vok/output/text_files.h"
#include "vok/draw/file_dialogs.h"

namespace {
constexpr OSType kTextType = FourCC('T', 'E', 'X', 'T');
constexpr long kProbeBytes = 4096;  // how much of a file is looked at to tell text from binary

struct ReadBuffer {
  char bytes[4096];
  long size = 0, next = 0;
  bool ended = false;
} g_in;

bool refill() {
  long count = sizeof g_in.bytes;
  OSErr err = FSRead(s_save.textReadRef, &count, g_in.bytes);
  if (err != noErr && err != eofErr) count = 0;
  g_in.size = count;
  g_in.next = 0;
  g_in.ended = count == 0;
  return count > 0;
}

bool looksBinary(short ref) {
  char probe[kProbeBytes];
  long count = kProbeBytes;
  FSRead(ref, &count, probe);
  SetFPos(ref, fsFromStart, 0);
  return count > 0 && std::memchr(probe, 0, size_t(count)) != nullptr;
}

void closeReading() {
  if (s_save.textReadRef > 0) FSClose(s_save.textReadRef);
  s_save.textReadRef = -1;
  g_in = ReadBuffer();
}
}  // namespace

short BeginTextReading() {
  textFileEnd = 0;
  closeReading();  // a second Begin ends the first file
  s_textReadFlag = 0;
  ReadTextP = s_longDummyString;
  short ref = -1;
  if (VOKGetFile(kTextType, &s_save.textSpec, &s_save.textGood) != noErr) s_save.textGood = false;
  if (s_save.textGood && FSpOpenDF(&s_save.textSpec, fsRdPerm, &ref) != noErr) {
    s_TellFileError("BeginTextReading", VokFileErrorText());
    ref = -1;
  } else if (ref > 0 && looksBinary(ref)) {
    s_TellFileError("BeginTextReading", VokSpecName(&s_save.textSpec) + " is not a text file (it holds NUL bytes)");
    FSClose(ref);
    ref = -1;
  }
  if (ref > 0) {
    s_save.textReadRef = ref;
    s_textReadFlag = 1;
    ReadTextP = ReadText;
  }
  CheckPause();
  return ref;
}

long ReadText(char* c) {
  if (s_save.textReadRef <= 0 || !c) return 0;
  if (g_in.next >= g_in.size && (g_in.ended || !refill())) return 0;
  *c = g_in.bytes[g_in.next++];
  return 1;
}

void EndTextReading() {
  closeReading();
  s_textReadFlag = 0;
  ReadTextP = s_longDummyString;
  textFileEnd = 0;
  CheckPause();
}
