// Text state of the current port (font number, face, size, transfer mode,
// extra space width), read by the text bottleneck and measurement of the
// font code. Changes are reported to an open picture.
#include "platform/gfx/gfx_internal.h"

namespace {
template <class F>
void changeText(F set) {
  GrafPort* port = GetQDPort();
  set(port);
  if (port->picSave) port->picSave->textChanged(port);
}
}  // namespace

void TextFont(short font) {
  changeText([=](GrafPort* p) { p->txFont = font; });
}
void TextFace(short face) {
  changeText([=](GrafPort* p) { p->txFace = face; });
}
void TextSize(short size) {
  changeText([=](GrafPort* p) { p->txSize = size; });
}
void TextMode(short mode) {
  changeText([=](GrafPort* p) { p->txMode = mode; });
}
void SpaceExtra(Fixed extra) {
  changeText([=](GrafPort* p) { p->spExtra = extra; });
}
