// Console text printed, saved and read in a started program, driven by a
// headless script. TEXT_CASE picks the case; results go to standard error.
//   save:  output, a typed line and more output saved to a file; then the
//          file read back through console input, line by line
//   fail:  3000 characters saved (the test limits the file size)
//   print: TEXT_LINES lines printed one per call
//   read:  text reading of the file the script chooses
#include <cstdio>
#include <cstdlib>
#include <string>

#include "vok/vok.h"

int main() {
  StartDrawingOnly();
  std::string which = std::getenv("TEXT_CASE") ? std::getenv("TEXT_CASE") : "";
  if (which == "save") {
    int n = 0;
    std::fprintf(stderr, "ref %d\n", BeginTextSaving() > 0);
    s_printf("a\n");
    s_scanf("%d", &n);
    s_printf("b %d\n", n);
    EndTextSaving();
    s_printf("not saved\n");
    std::fprintf(stderr, "ref %d\n", BeginTextReading() > 0);
    char piece[8];
    while (!textFileEnd) std::fprintf(stderr, "piece [%s]\n", s_fgets(piece, sizeof piece, stdin));
  } else if (which == "fail") {
    BeginTextSaving();
    for (int i = 0; i < 30; ++i) s_printf("%099d\n", i);
    EndTextSaving();
  } else if (which == "print") {
    BeginTextPrinting();
    int lines = std::atoi(std::getenv("TEXT_LINES"));
    for (int i = 0; i < lines; ++i) s_printf("line %d\n", i);
    std::fprintf(stderr, "lines per page %d\n", int(s_print.linesPerPage));
    EndTextPrinting();
  } else if (which == "read") {
    std::fprintf(stderr, "ref %d\n", BeginTextReading());
  }
  return 0;
}
