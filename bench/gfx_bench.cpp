// Drawing-layer benchmark (not a test): a million short lines and a million
// 3 x 3 rectangles through the bottleneck table into an offscreen world, with
// the standard table and with a forwarding table like the toolkit installs.
// Prints nanoseconds per primitive.
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/gfx/gfx.h"

namespace {
int kCount = 1000000;  // the first argument may change it (e.g. for instruction counting)

struct Seg {
  short h0, v0, h1, v1;
};

// A fixed pseudo-random stream, so runs are comparable.
std::vector<Seg> segments() {
  std::vector<Seg> s(kCount);
  uint32_t x = 12345;
  auto next = [&x] { return x = x * 1664525u + 1013904223u, x >> 8; };
  for (auto& g : s) {
    g.h0 = short(next() % 1000);
    g.v0 = short(next() % 1000);
    g.h1 = short(g.h0 + int(next() % 17) - 8);
    g.v1 = short(g.v0 + int(next() % 17) - 8);
  }
  return s;
}

void forwardLine(Point p) { StdLine(p); }
void forwardRect(GrafVerb v, const Rect* r) { StdRect(v, r); }

double cpuNow() {
  timespec ts;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e9 + ts.tv_nsec;
}

// Processor time (the machine may be shared), best of three runs.
template <class F>
double nsPer(F&& f) {
  double best = 1e300;
  for (int rep = 0; rep < 3; ++rep) {
    double t0 = cpuNow();
    f();
    best = std::min(best, (cpuNow() - t0) / kCount);
  }
  return best;
}

void run(const char* label, const std::vector<Seg>& segs) {
  double lines = nsPer([&] {
    for (const Seg& g : segs) {
      MoveTo(g.h0, g.v0);
      LineTo(g.h1, g.v1);
    }
  });
  double rects = nsPer([&] {
    for (const Seg& g : segs) {
      Rect r{g.v0, g.h0, short(g.v0 + 3), short(g.h0 + 3)};
      PaintRect(&r);
    }
  });
  PenSize(2, 2);
  double thick = nsPer([&] {
    for (const Seg& g : segs) {
      MoveTo(g.h0, g.v0);
      LineTo(g.h1, g.v1);
    }
  });
  PenNormal();
  std::printf("%-22s lines %6.1f ns   3x3 rects %6.1f ns   2x2-pen lines %6.1f ns\n", label, lines, rects, thick);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) kCount = std::max(1000, std::atoi(argv[1]));
  GWorldPtr world = nullptr;
  Rect bounds{0, 0, 1000, 1000};
  if (NewGWorld(&world, 0, &bounds, nullptr, nullptr, 0) != noErr) return 1;
  SetGWorld(world, nullptr);
  std::vector<Seg> segs = segments();
  std::printf("%d primitives each, segments up to 8 pixels in x and y, 1000 x 1000 world\n", kCount);
  run("standard table", segs);
  CQDProcs procs{};
  procs.lineProc = forwardLine;
  procs.rectProc = forwardRect;
  SetPortGrafProcs(world, &procs);
  run("forwarding table", segs);
  SetPortGrafProcs(world, nullptr);
  RgnHandle clip = NewRgn(), hole = NewRgn();
  SetRectRgn(clip, 0, 0, 1000, 1000);
  SetRectRgn(hole, 300, 300, 700, 700);
  DiffRgn(clip, hole, clip);
  SetClip(clip);
  run("clip with a hole", segs);
  DisposeRgn(clip);
  DisposeRgn(hole);
  DisposeGWorld(world);
  return 0;
}
