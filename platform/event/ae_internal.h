// Building and reading Apple-event descriptors inside platform/event.
#pragma once
#include <vector>

#include "platform/event/event.h"

// One item of a list, or one parameter of an Apple event.
struct VokAEItem {
  AEKeyword keyword;
  DescType type;
  std::vector<char> data;
};

// Parses the items of a list or the parameters of an Apple event; false when
// the block is corrupt (sizes reaching past its end).
bool VokParseItems(const AEDesc* d, std::vector<VokAEItem>* items);
OSErr VokBuildDesc(DescType type, const void* header, size_t headerBytes, const std::vector<VokAEItem>& items,
                   AEDesc* out);
OSErr VokCreateAppleEvent(AEEventClass cls, AEEventID id, const std::vector<VokAEItem>& params, AppleEvent* out);
bool VokAppleEventClassID(const AppleEvent* ae, AEEventClass* cls, AEEventID* id);
