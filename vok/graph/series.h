// Series of a data file: the per-series parameters, the setters a program
// uses to preset series before the file is read, and the per-pass drawing.
#pragma once

// Registers the series parameters; called right after the data file is read.
void SGSS1DAddParameters();
// Draws every series of the data file, then the regression line if ticked.
void GraphPlotSpreadSheet();
// One series; columns are 0-based, sdColumn -1 for none.
void PlotSpreadSheetOneSeries(int xColumn, int yColumn, int sdColumn, double penWidth, double radius,
                              double minX, double maxX, int noLine, int mark);
// The error bar of one row (0-based columns and row): y - s ... y + s with 10-pixel caps.
void StdDevBar(int xColumn, int yColumn, int sdColumn, int row);

// Rows of the tables a pass reads: "Data Number" may be edited past them.
int s_SeriesRows();
// A 0-based column that the tables hold.
bool s_SeriesColumnOK(int c);

// Presets of series s (counted from 1), applied when the file's tables exist;
// series beyond the number the file gives are dropped then.
void SetGraphSeriesX(int series, int column);
void SetGraphSeriesY(int series, int column);
void SetGraphSeriesF(int series, int column);
void SetGraphSeriesStdDev(int series, int column);
void SetGraphPenWidth(int series, double width);
void SetGraphNoLine(int series, int flag);
void SetGraphDataMark(int series, int kind);
void SetGraphRadius(int series, int radius);
