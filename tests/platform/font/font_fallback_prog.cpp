// Child process for the font fallback tests: looks up each family named on
// the command line under whatever fontconfig setup the parent chose, and
// prints "name<TAB>number<TAB>family name<TAB>last error" per family.
#include <cstdio>

#include "platform/font/font.h"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    Str255 name, back;
    CopyCToPascal(argv[i], name);
    VokFontClearError();
    short id = -1;
    GetFNum(name, &id);
    char backC[256];
    FMGetFontFamilyName(id, back);
    CopyPascalToC(back, backC);
    std::printf("%s\t%d\t%s\t%s\n", argv[i], id, backC, VokFontLastError());
  }
  return 0;
}
