// The documents the desktop handed to the program at launch (the open-
// documents application event), queued for the data readers, which take
// them one by one before they ever show an open dialog.
#pragma once
#include "platform/event/event.h"

struct VOKDataDirectory {
  AEDescList documents;  // direct-object list of the last open-documents event
  int32_t count;         // items in documents
  int32_t next;          // documents taken so far; only grows
  EventRecord event;     // the last high-level event taken at launch
  AEDesc appleEvent;     // copy of the last open-documents event
};
extern VOKDataDirectory s_dd;
