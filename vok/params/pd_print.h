// Messages of the parameter table, dialog and files go to the text window.
#pragma once

// Formats without a length limit and writes the text through s_printf.
void pdPrint(const char* format, ...) __attribute__((format(printf, 1, 2)));
