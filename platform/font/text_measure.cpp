// Text measurement: widths are sums of whole-pixel advances, exactly the
// steps the pen makes when the text is drawn, so drawing byte by byte and
// drawing a string end at the same place and measured labels centre exactly.
#include <algorithm>

#include "platform/font/font.h"
#include "platform/font/font_internal.h"

namespace vokfont {
namespace {
bool g_antialias = false;
}

bool antialiasOn() { return g_antialias; }

SizedFont* portFont(const GrafPort* port) {
  return sizedFont(port->txFont, port->txSize, port->txFace, g_antialias);
}

int spaceExtraPixels(int32_t spExtra) { return int((int64_t(spExtra) + 0x8000) >> 16); }

long runWidth(SizedFont* f, const uint8_t* bytes, int count, int spaceExtra) {
  long w = 0;
  for (int i = 0; i < count; ++i) w += f->advance(bytes[i]) + (bytes[i] == ' ' ? spaceExtra : 0);
  return w;
}

short clampShort(long v) { return short(std::clamp<long>(v, -32768, 32767)); }

}  // namespace vokfont

void VokSetTextAntialias(bool on) { vokfont::g_antialias = on; }

short StdTxMeas(short byteCount, const void* textAddr, Point* numer, Point* denom, void* info) {
  GrafPort* port = GetQDPort();
  vokfont::SizedFont* f = vokfont::portFont(port);
  if (numer && denom) *numer = *denom = Point{1, 1};
  if (info) {
    auto* fi = static_cast<FontInfo*>(info);
    *fi = FontInfo{short(f->ascent), short(f->descent), short(f->widMax), short(f->leading)};
  }
  if (byteCount <= 0 || !textAddr) return 0;
  long w = vokfont::runWidth(f, static_cast<const uint8_t*>(textAddr), byteCount,
                             vokfont::spaceExtraPixels(port->spExtra));
  return vokfont::clampShort(w);
}

short TextWidth(const void* textBuf, short firstByte, short byteCount) {
  if (!textBuf || byteCount <= 0 || firstByte < 0) return 0;
  GrafPort* port = GetQDPort();
  QDTxMeasProcPtr meas = port->grafProcs && port->grafProcs->txMeasProc ? port->grafProcs->txMeasProc : StdTxMeas;
  Point numer{1, 1}, denom{1, 1};
  return meas(byteCount, static_cast<const uint8_t*>(textBuf) + firstByte, &numer, &denom, nullptr);
}

short StringWidth(ConstStr255Param s) { return s ? TextWidth(s, 1, s[0]) : 0; }

short CharWidth(short ch) {
  uint8_t byte = uint8_t(ch);
  return TextWidth(&byte, 0, 1);
}

void GetFontInfo(FontInfo* info) {
  if (!info) return;
  vokfont::SizedFont* f = vokfont::portFont(GetQDPort());
  *info = FontInfo{short(f->ascent), short(f->descent), short(f->widMax), short(f->leading)};
}
