// Named keys shared by the displays (SDL key symbols, script key names):
// character code (low byte of a key event's message) and key code.
#pragma once
#include <cstdint>
#include <cstring>

#include "platform/event/event.h"

struct VokNamedKey {
  const char* name;
  uint8_t charCode;
  uint8_t keyCode;
};

inline const VokNamedKey* VokNamedKeys(int* count) {
  static const VokNamedKey keys[] = {
      {"return", kReturnCharCode, 0x24},    {"enter", kEnterCharCode, 0x4C},
      {"tab", kTabCharCode, 0x30},          {"escape", kEscapeCharCode, 0x35},
      {"backspace", kBackspaceCharCode, 0x33}, {"delete", kDeleteCharCode, 0x75},
      {"left", kLeftArrowCharCode, 0x7B},   {"right", kRightArrowCharCode, 0x7C},
      {"up", kUpArrowCharCode, 0x7E},       {"down", kDownArrowCharCode, 0x7D},
      {"space", ' ', 0x31},
  };
  *count = int(sizeof keys / sizeof keys[0]);
  return keys;
}

inline const VokNamedKey* VokFindNamedKey(const char* name) {
  int n;
  const VokNamedKey* keys = VokNamedKeys(&n);
  for (int i = 0; i < n; ++i)
    if (std::strcmp(keys[i].name, name) == 0) return &keys[i];
  return nullptr;
}

// A key-down event record for a character (or named key) with modifiers.
inline EventRecord VokKeyEvent(uint8_t charCode, uint8_t keyCode, EventModifiers mods, bool repeat = false) {
  EventRecord ev = {};
  ev.what = repeat ? autoKey : keyDown;
  ev.message = uintptr_t(charCode) | (uintptr_t(keyCode) << 8);
  ev.modifiers = mods;
  return ev;
}
