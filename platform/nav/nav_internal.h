// Shared by the file dialogs and the navigation calls built on them.
#pragma once
#include <string>

#include "platform/nav/nav.h"
#include "platform/wm/dialog.h"

// Why a name typed into the save dialog is refused ("" when it is fine).
std::string VokFileNameProblem(const std::string& name);
