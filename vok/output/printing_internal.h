// Steps of a print job shared by picture, bitmap and text printing.
#pragma once
#include "vok/output/printing.h"

// Creates the job's print settings with the session's defaults and, when
// `ask`, shows the print dialog (for pages of `format`) over the display window. False when the
// user cancelled or anything failed.
bool s_PreparePrintSettings(PMPrintSession session, PMPageFormat format, PMPrintSettings* settings, bool ask);
// Releases the settings and the session of the picture and bitmap jobs.
void s_ReleasePrintJob();
