// The text state of the current port: font number, face, size, transfer
// mode and extra space width, read by the text bottleneck and measurement.
#include "platform/font/font.h"

void TextFont(short font) { GetQDPort()->txFont = font; }
void TextFace(short face) { GetQDPort()->txFace = face; }
void TextSize(short size) { GetQDPort()->txSize = size; }
void TextMode(short mode) { GetQDPort()->txMode = mode; }
void SpaceExtra(Fixed extra) { GetQDPort()->spExtra = extra; }
