#include "vok/frame/program_help.h"

#include "platform/display/display.h"

void SetProgramHelp(const char* about, const char* documents) { VokSetProgramHelp(about, documents); }
