// Test canvas: a small offscreen world made current for one test, with
// pixel access and comparison against hand-drawn ASCII pictures. A mismatch
// writes actual, expected and difference PNGs under build/scratch/ to look at.
#pragma once
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/gfx/gfx.h"
#include "platform/gfx/png.h"
#include "tests/support/paths.h"

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

inline void savePicture(const std::string& art, const std::string& path, const std::string* other = nullptr) {
  std::vector<std::string> rows;
  std::istringstream in(art);
  for (std::string l; std::getline(in, l);) rows.push_back(l);
  int h = int(rows.size()), w = h ? int(rows[0].size()) : 0;
  if (!w) return;
  std::vector<uint32_t> px(size_t(w) * h);
  std::vector<std::string> orow;
  if (other) {
    std::istringstream o(*other);
    for (std::string l; std::getline(o, l);) orow.push_back(l);
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      char c = x < int(rows[y].size()) ? rows[y][x] : '.';
      uint32_t p = c == '#' ? kBlack : c == '.' ? kWhite : 0xFF808080u;
      if (other) {
        char d = y < int(orow.size()) && x < int(orow[y].size()) ? orow[y][x] : '?';
        p = c == d ? kWhite : 0xFFFF0000u;
      }
      px[size_t(y) * w + x] = p;
    }
  PixMap pm{px.data(), w, Rect{0, 0, short(h), short(w)}, 32};
  VokWritePNG(&pm, path.c_str(), nullptr);
}

inline ::testing::AssertionResult looksLike(const Canvas& c, const std::string& expected, const std::string& name) {
  std::string want = cleanArt(expected), got = c.art();
  if (want == got) return ::testing::AssertionSuccess();
  std::string dir = vtest::scratchDir("gfx-" + name);
  savePicture(got, dir + "/actual.png");
  savePicture(want, dir + "/expected.png");
  savePicture(got, dir + "/difference.png", &want);
  return ::testing::AssertionFailure() << name << ": expected\n"
                                       << want << "got\n"
                                       << got << "(pictures in " << dir << ")";
}

inline Rect rect(int l, int t, int r, int b) { return Rect{short(t), short(l), short(b), short(r)}; }

}  // namespace gfxtest
