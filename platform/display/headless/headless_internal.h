// Inside the headless display: the core commands and the snapshot writer.
#pragma once
#include "platform/script/script.h"

// Registers click, drag, key, wait and snapshot (done when a script is loaded).
void VokRegisterCoreScriptCommands();
// snapshot "file.png": the whole virtual screen as PNG.
std::string VokScriptSnapshot(const VokScriptLine& line);
