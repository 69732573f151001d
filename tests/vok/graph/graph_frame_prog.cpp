// graph_frame_prog: a framed graph of a damped wave with corner numbers,
// styled axis labels, grid and title, in a drawing window at global
// (10, 50), 450 x 360. The frame (60 ... 360, rows 80 ... 320) shows x 0 ... 4
// and y -1 ... 1; grid lines every 1 in x and 0.5 in y.
//
// Like a graph loop: draw, Stop, then the graph's Parameters dialog with
// "Magnify" and "Shrink Half" (which act on the transform at once), the
// frame settings and "Exit Graph"; after the dialog the next pass draws
// through the zoomed transform when a zoom was chosen, else through the
// transform of the frame settings. Each pass writes to standard error the
// world rectangle the window shows:
//   pass N x LEFT RIGHT y BOTTOM TOP
// and "dialog N" as each dialog comes up,
// and, before the first pass, where to click the dialog's items:
//   item "Magnify" H V
#include <cmath>
#include <cstdio>

#include "vok/params/dialog_run.h"
#include "vok/vok.h"

namespace {
const short kW = 450, kH = 360;
bool g_zoomed = false;
int g_pass = 0;

void magnify() {
  EnlargePlot2D();
  g_zoomed = true;
}

void shrinkHalf() {
  ShrinkPlot2DHalf();
  g_zoomed = true;
}

void frameTransform() {
  double x0, x1, y0, y1;
  GraphPlottedFrameRange(&x0, &x1, &y0, &y1);
  SetPlot4B(0, s_g.left, s_g.bottom, 0, 0);
  SetPlot4O(0, x0, y0, 0, 0);
  SetPlot4W(0, s_g.width / (x1 - x0), s_g.height / (y1 - y0), 0, 0);
}

void pass() {
  if (!g_zoomed) frameTransform();
  g_zoomed = false;
  EraseDrawing();
  GraphFrameAndLabel();
  Plot2DMoveTo(0, 0);
  for (int i = 1; i <= 400; ++i) {
    double t = i * 0.01;
    Plot2DLineTo(t, std::exp(-t / 2) * std::sin(2 * M_PI * t));
  }
  std::fprintf(stderr, "pass %d x %.4f %.4f y %.4f %.4f\n", ++g_pass, Plot2DReverseX(0), Plot2DReverseX(kW),
               Plot2DReverseY(kH), Plot2DReverseY(0));
  Stop();
}

// Where a person clicks an item of the first dialog page, in global
// coordinates: the middle of a button, the box of a checkbox.
void printItem(short item, const char* label) {
  DialogRef d = s_g.dialog->dialog;
  Rect content, box;
  GetWindowContentBounds(GetDialogWindow(d), &content);
  short kind;
  Handle h;
  GetDialogItem(d, item, &kind, &h, &box);
  int h0 = kind == kCheckBoxDialogItem ? box.left + 7 : (box.left + box.right) / 2;
  std::fprintf(stderr, "item \"%s\" %d %d\n", label, content.left + h0, content.top + (box.top + box.bottom) / 2);
}
}  // namespace

int main() {
  SetDrawingBounds(10, 50, 10 + kW, 50 + kH);
  StartNoRedraw();
  ShowDrawing();
  s_PenMode(patOr);  // as in the graph loop: grey grid lines keep the frame's pixels

  SetGraphLeftBottom(60, 40);
  SetGraphWidthHeight(300, 240);
  SetGraphFrameRange(0, 4, -1, 1);
  SetGraphXLabel("t_{1}");
  SetGraphYLabel("e^{-t/2}");
  SetGraphTitle("Damped wave");
  SetGraphUpperTitleFlag(1);
  s_g.xLabelY = 30;
  s_g.labelSize = 18;
  s_g.scaleMarkX = s_g.scaleMarkY = 1;
  s_g.intervalX = 1;
  s_g.intervalY = 0.5;
  s_g.digitX = 0;

  in_Graph1DAddParameter(reinterpret_cast<void*>(magnify), doType, "Magnify");
  in_Graph1DAddParameter(reinterpret_cast<void*>(shrinkHalf), doType, "Shrink Half");
  in_Graph1DAddParameter(&s_g.exitGraph, flagType, "Exit Graph");
  GraphFrameAddParameters();

  printItem(5, "Magnify");  // slots 0, 1, 2: value items 5, 7, 9
  printItem(7, "Shrink Half");
  printItem(9, "Exit Graph");
  printItem(1, "OK");
  pass();
  for (int n = 1;; ++n) {
    std::fprintf(stderr, "dialog %d\n", n);
    ParametersDialogP(s_g.dialog);
    if (s_g.exitGraph) break;
    pass();
  }
  std::fprintf(stderr, "done\n");
  return 0;
}
