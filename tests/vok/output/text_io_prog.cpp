// Console text printed, saved and read in a started program, driven by a
// headless script; results go to standard error. TEXT_CASE:
//   save:  output, a typed line and 30 lines of 100 characters saved; then
//          the file chosen next read back through console input
//   print: 150 lines printed one per call
#include <cstdio>
#include <cstdlib>
#include <string>

#include "vok/vok.h"

int main() {
  StartDrawingOnly();
  if (std::string(std::getenv("TEXT_CASE")) == "print") {
    BeginTextPrinting();
    for (int i = 0; i < 150; ++i) s_printf("line %d\n", i);  // 60 lines a page on A4 at 12 points
    EndTextPrinting();
    return 0;
  }
  int n = 0;
  BeginTextSaving();
  s_printf("a\n");
  s_scanf("%d", &n);
  for (int i = 0; i < 30; ++i) s_printf("%099d\n", i + n);
  EndTextSaving();
  s_printf("not saved\n");
  short ref = BeginTextReading();
  std::fprintf(stderr, "read %d:", ref);
  for (char piece[8]; ref > 0 && !textFileEnd;) std::fputs(s_fgets(piece, sizeof piece, stdin), stderr);
}
