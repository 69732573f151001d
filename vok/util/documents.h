// The documents the desktop handed to the program at launch (the open-
// documents application event), queued for the data readers, which take
// them one by one, in the event's order, before they ever show an open
// dialog. A later open-documents event replaces the list but not the count
// of documents already taken.
#pragma once
#include <cstdio>

#include "platform/event/event.h"
#include "platform/file/file.h"

struct VOKDataDirectory {
  AEDescList documents;  // direct-object list of the last open-documents event
  int32_t count;         // items in documents
  int32_t next;          // documents taken so far; only grows
  FSSpec spec;           // the document most recently taken
  EventRecord event;     // the last high-level event taken at launch
  AEDesc appleEvent;     // copy of the last open-documents event
};
extern VOKDataDirectory s_dd;

// Documents not taken yet (count - next).
int32_t DDCount();
// Takes the next document into *spec (and s_dd.spec); all zero when none is
// left, and then nothing advances.
FSSpec* DDFSSpec(FSSpec* spec);
// Takes the next document and opens it with fopen(path, mode); null at once
// when none is left, or when it cannot be opened (errno tells why; DDFPath()
// then names it). `name` is not used. Nothing is shown.
FILE* DDFOpen(const char* name, const char* mode);
// The path (or, for one that has none, the name) of the document the last
// DDFOpen took; "" when it took none.
const char* DDFPath();
