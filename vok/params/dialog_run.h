// The modal Parameters dialog: variables into the pages' items, the pages
// shown one at a time, command buttons run inside, items back into the
// variables when the user ends it.
#pragma once
#include "vok/params/param_table.h"

void ParametersDialogP(PDPage* list);
short PDModalDialog(PDPage* page);
void SetPDValues(PDPage* list);
void GetPDValues(PDPage* list);
void DisplayParametersP(PDPage* page);
