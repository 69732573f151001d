// Printing and saving the pages of chart-recorder plots (vok/plot/panels.h):
// between a Begin and its End wrapper every new page is printed or written
// to the next numbered bitmap file (0, 1, 2 ... in the folder chosen once).
#pragma once

void BeginPlotPrinting();  // picture printing, restarted on every page
void EndPlotPrinting();
void BeginPlotBitMapPrinting();  // bitmap printing: asks once, prints the first page
void EndPlotBitMapPrinting();
void BeginPlotSaving();  // bitmap saving: asks for the folder and first name once
void EndPlotSaving();    // writes the last page
void BeginPlotBitMapSaving();
void EndPlotBitMapSaving();
