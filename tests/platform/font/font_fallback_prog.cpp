// Child process for the font fallback tests: looks up each family named on
// the command line under whatever fontconfig setup the parent chose, and
// prints "name<TAB>number<TAB>family name<TAB>last error" per family, then
// draws "Hello" in it and prints "drawn<TAB>name<TAB>width<TAB>inked pixels".
#include <cstdio>

#include "platform/font/font.h"

int main(int argc, char** argv) {
  GrafPort port;
  OpenPortOn(&port, 200, 40);
  SetPort(&port);
  const unsigned char* hello = reinterpret_cast<const unsigned char*>("\x05Hello");
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
    TextFont(id);
    Rect all;
    SetRect(&all, 0, 0, 200, 40);
    EraseRect(&all);
    MoveTo(10, 30);
    DrawString(hello);
    int ink = 0;
    for (int k = 0; k < 200 * 40; ++k) ink += port.portPixMap.baseAddr[k] != 0xFFFFFFFFu;
    std::printf("drawn\t%s\t%d\t%d\n", argv[i], StringWidth(hello), ink);
  }
  ClosePort(&port);
  return 0;
}
