// Test canvas: a small offscreen world made current for one test, with
// pixel access and comparison against hand-drawn ASCII pictures.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <sstream>
#include <utility>
#include <string>
#include <vector>

#include "platform/font/font.h"
#include "platform/gfx/gfx.h"
#include "tests/support/paths.h"
#include "tests/support/vok_ink.h"

namespace gfxtest {

constexpr uint32_t kWhite = 0xFFFFFFFFu, kBlack = 0xFF000000u;

class Canvas {
 public:
  Canvas(int w, int h) : w_(w), h_(h) {
    GetPort(&saved_);
    Rect r{0, 0, short(h), short(w)};
    EXPECT_EQ(NewGWorld(&world_, 0, &r, nullptr, nullptr, 0), noErr);
    SetGWorld(world_, nullptr);
  }
  ~Canvas() {
    SetPort(saved_);
    DisposeGWorld(world_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  GWorldPtr port() const { return world_; }
  int width() const { return w_; }
  int height() const { return h_; }
  uint32_t at(int x, int y) const { return world_->portPixMap.baseAddr[y * world_->portPixMap.rowPixels + x]; }
  void set(int x, int y, uint32_t p) { world_->portPixMap.baseAddr[y * world_->portPixMap.rowPixels + x] = p; }
  std::vector<uint32_t> pixels() const {
    return std::vector<uint32_t>(world_->portPixMap.baseAddr, world_->portPixMap.baseAddr + w_ * h_);
  }
  // '#' black, '.' white, 'o' any other colour; rows end with '\n'.
  std::string art() const {
    std::string s;
    for (int y = 0; y < h_; ++y) {
      for (int x = 0; x < w_; ++x) s += at(x, y) == kBlack ? '#' : at(x, y) == kWhite ? '.' : 'o';
      s += '\n';
    }
    return s;
  }
  // Bounding box of the non-white pixels in columns [x0, x1) (empty when none).
  Rect inkBox(int x0 = 0, int x1 = 1 << 15) const {
    return vtest::inkBox(vtest::portImage(world_), Rect{0, short(x0), short(h_), short(std::min(x1, w_))});
  }
  int count(uint32_t p) const {
    int n = 0;
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x) n += at(x, y) == p;
    return n;
  }

 private:
  int w_, h_;
  GWorldPtr world_ = nullptr;
  GrafPtr saved_ = nullptr;
};

// Drops blank lines around the picture and indentation, so pictures can be
// written as indented raw strings.
inline std::string cleanArt(const std::string& text) {
  std::istringstream in(text);
  std::string line, out;
  while (std::getline(in, line)) {
    size_t a = line.find_first_not_of(" \t");
    if (a == std::string::npos) continue;
    out += line.substr(a, line.find_last_not_of(" \t") - a + 1) + '\n';
  }
  return out;
}

inline ::testing::AssertionResult looksLike(const Canvas& c, const std::string& expected, const std::string& name) {
  std::string want = cleanArt(expected), got = c.art();
  if (want == got) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << name << ": expected\n" << want << "got\n" << got;
}

inline Rect rect(int l, int t, int r, int b) { return Rect{short(t), short(l), short(b), short(r)}; }

// The font number GetFNum gives `name` (-1 when it sets none).
inline short fnum(const char* name) {
  Str255 p;
  CopyCToPascal(name, p);
  short id = -1;
  GetFNum(p, &id);
  return id;
}

inline Point penAt() {
  Point p;
  GetPen(&p);
  return p;
}

inline void line(int h0, int v0, int h1, int v1) {
  MoveTo(short(h0), short(v0));
  LineTo(short(h1), short(v1));
}

// A region that disposes of itself; it goes wherever a RgnHandle goes.
class Rgn {
 public:
  Rgn() : h_(NewRgn()) {}
  Rgn(int l, int t, int r, int b) : Rgn() { SetRectRgn(h_, short(l), short(t), short(r), short(b)); }
  Rgn(Rgn&& o) noexcept : h_(o.h_) { o.h_ = nullptr; }
  Rgn(const Rgn&) = delete;
  Rgn& operator=(const Rgn&) = delete;
  ~Rgn() { DisposeRgn(h_); }
  operator RgnHandle() const { return h_; }
  Rgn& plus(int l, int t, int r, int b) {
    UnionRgn(h_, Rgn(l, t, r, b), h_);
    return *this;
  }
  Rgn& minus(int l, int t, int r, int b) {
    DiffRgn(h_, Rgn(l, t, r, b), h_);
    return *this;
  }

 private:
  RgnHandle h_;
};

// The region that `draw` outlines between OpenRgn and CloseRgn.
template <class Draw>
Rgn recordRgn(Draw draw) {
  Rgn r;
  OpenRgn();
  draw();
  CloseRgn(r);
  return r;
}

// A polygon through the points (h, v), left as drawn (not closed).
inline PolyHandle polygon(std::initializer_list<std::pair<int, int>> points) {
  PolyHandle p = OpenPoly();
  MoveTo(short(points.begin()->first), short(points.begin()->second));
  for (auto q = points.begin() + 1; q != points.end(); ++q) LineTo(short(q->first), short(q->second));
  ClosePoly();
  return p;
}

}  // namespace gfxtest
