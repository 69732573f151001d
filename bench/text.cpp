// Text throughput: short numeric labels (as on graph axes) drawn through the
// text bottleneck into an offscreen port, and measured, in ns per label.
#include <chrono>
#include <initializer_list>
#include <cstdio>
#include <cstring>

#include "platform/font/font.h"

namespace {
double nsPer(int n, std::chrono::steady_clock::time_point t0) {
  return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - t0).count() / n;
}
}  // namespace

int main() {
  GrafPort port;
  OpenPortOn(&port, 1024, 768);
  SetPort(&port);
  Str255 name;
  CopyCToPascal("Times", name);
  short times = 0;
  GetFNum(name, &times);
  const int n = 200000;
  char label[32];
  for (bool aa : {false, true}) {
    VokSetTextAntialias(aa);
    for (short size : {9, 12, 24}) {
      TextFont(times);
      TextSize(size);
      auto t0 = std::chrono::steady_clock::now();
      for (int i = 0; i < n; ++i) {
        std::snprintf(label, sizeof label, "%.3f", i * 0.001);
        MoveTo(short(i % 900), short(30 + i % 700));
        DrawText(label, 0, short(std::strlen(label)));
      }
      double draw = nsPer(n, t0);
      t0 = std::chrono::steady_clock::now();
      long sum = 0;
      for (int i = 0; i < n; ++i) {
        std::snprintf(label, sizeof label, "%.3f", i * 0.001);
        sum += TextWidth(label, 0, short(std::strlen(label)));
      }
      double measure = nsPer(n, t0);
      std::printf("%s size %2d: draw %.0f ns/label, measure %.0f ns/label (checksum %ld)\n", aa ? "aa  " : "mono", size,
                  draw, measure, sum);
    }
  }
  ClosePort(&port);
  return 0;
}
