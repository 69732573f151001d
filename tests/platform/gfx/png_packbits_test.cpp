// PNG files decoded back by libpng and by netpbm's pngtopnm (an independent
// decoder), failures leaving nothing behind, and PackBits rows: round trips,
// the never-written 0x80 header, the worst-case size, and hostile input.
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <random>

#include "tests/platform/gfx/canvas.h"

using namespace gfxtest;

namespace {
void drawSample() {
  Rect r = rect(2, 2, 30, 18);
  ForeColor(redColor);
  PaintOval(&r);
  RGBColor teal{0x1111, 0x8888, 0x9999};
  RGBForeColor(&teal);
  MoveTo(0, 19);
  LineTo(31, 0);
}
}  // namespace

TEST(Png, WrittenPixelsDecodeBackTheSame) {
  Canvas c(32, 20);
  drawSample();
  std::string dir = vtest::scratchDir("gfx-png"), path = dir + "/card.png", error;
  ASSERT_TRUE(VokWritePortPNG(c.port(), path.c_str(), &error)) << error;
  std::vector<uint32_t> px;
  int w = 0, h = 0;
  ASSERT_TRUE(VokReadPNG(path.c_str(), &px, &w, &h, &error)) << error;
  EXPECT_EQ(w, 32);
  EXPECT_EQ(h, 20);
  EXPECT_EQ(px, c.pixels());
  // Only the PNG is left in the folder: the temporary file was renamed.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);
}

TEST(Png, NetpbmDecodesTheSamePixels) {
  VTEST_REQUIRE(vtest::haveTool("pngtopnm"), "pngtopnm (netpbm)");
  Canvas c(32, 20);
  drawSample();
  std::string dir = vtest::scratchDir("gfx-png-netpbm"), path = dir + "/card.png";
  ASSERT_TRUE(VokWritePortPNG(c.port(), path.c_str(), nullptr));
  vtest::RunResult r = vtest::run("pngtopnm '" + path + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string header = "P6\n32 20\n255\n";
  ASSERT_EQ(r.out.compare(0, header.size(), header), 0) << r.out.substr(0, 20);
  ASSERT_EQ(r.out.size(), header.size() + 32 * 20 * 3);
  for (int i = 0; i < 32 * 20; ++i) {
    const auto* p = reinterpret_cast<const uint8_t*>(r.out.data() + header.size() + 3 * i);
    uint32_t got = 0xFF000000u | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    ASSERT_EQ(got, c.at(i % 32, i / 32)) << "pixel " << i;
  }
}

TEST(Png, FailuresAreReportedAndLeaveNoFile) {
  Canvas c(4, 4);
  std::string error, dir = vtest::scratchDir("gfx-png-fail");
  std::string missing = dir + "/no/such/folder/x.png";
  EXPECT_FALSE(VokWritePortPNG(c.port(), missing.c_str(), &error));
  EXPECT_NE(error.find(missing), std::string::npos) << error;
  EXPECT_FALSE(VokWritePortPNG(nullptr, (dir + "/y.png").c_str(), &error));
  PixMap empty{c.port()->portPixMap.baseAddr, 4, rect(0, 0, 0, 0), 32};
  EXPECT_FALSE(VokWritePNG(&empty, (dir + "/z.png").c_str(), &error));
  EXPECT_TRUE(std::filesystem::is_empty(dir));
  vtest::writeFile(dir + "/bad.png", "not a png");
  std::vector<uint32_t> px;
  int w, h;
  EXPECT_FALSE(VokReadPNG((dir + "/bad.png").c_str(), &px, &w, &h, &error));
  EXPECT_FALSE(error.empty());
}

namespace {
std::vector<uint8_t> pack(const std::vector<uint8_t>& row) {
  std::vector<uint8_t> out(row.size() + row.size() / 128 + 2);
  Ptr src = reinterpret_cast<Ptr>(const_cast<uint8_t*>(row.data())), dst = reinterpret_cast<Ptr>(out.data());
  PackBits(&src, &dst, short(row.size()));
  EXPECT_EQ(src, reinterpret_cast<Ptr>(const_cast<uint8_t*>(row.data() + row.size())));
  out.resize(size_t(reinterpret_cast<uint8_t*>(dst) - out.data()));
  return out;
}

// Walks the headers, failing on 0x80.
bool hasNoOpHeader(const std::vector<uint8_t>& packed) {
  for (size_t i = 0; i < packed.size();) {
    int8_t n = int8_t(packed[i]);
    if (n == -128) return true;
    i += n >= 0 ? size_t(n) + 2 : 2;
  }
  return false;
}
}  // namespace

TEST(PackBits, RowsRoundTripWithinTheWorstCaseSizeAndNeverUse0x80) {
  std::mt19937 rng(5);
  for (int round = 0; round < 400; ++round) {
    size_t n = 1 + rng() % 300;
    std::vector<uint8_t> row(n);
    int alphabet = 1 + int(rng() % 4);  // few symbols: long and short runs mixed
    for (auto& b : row) b = uint8_t(rng() % alphabet);
    if (round % 7 == 0)
      for (auto& b : row) b = uint8_t(rng());
    std::vector<uint8_t> packed = pack(row);
    EXPECT_LE(packed.size(), n + (n + 127) / 128);
    EXPECT_FALSE(hasNoOpHeader(packed));
    std::vector<uint8_t> back(n, 0xEE);
    EXPECT_EQ(VokUnpackBitsBounded(packed.data(), long(packed.size()), back.data(), long(n)), long(packed.size()));
    EXPECT_EQ(back, row);
    std::vector<uint8_t> again(n);
    Ptr s = reinterpret_cast<Ptr>(packed.data()), d = reinterpret_cast<Ptr>(again.data());
    UnpackBits(&s, &d, short(n));
    EXPECT_EQ(again, row);
    EXPECT_EQ(s, reinterpret_cast<Ptr>(packed.data() + packed.size()));
  }
  // A blank 72-byte row of a 576-pixel bitmap packs into two bytes.
  EXPECT_EQ(pack(std::vector<uint8_t>(72, 0)), (std::vector<uint8_t>{uint8_t(-71), 0}));
}

TEST(PackBits, HostileInputNeverReadsOrWritesOutOfBounds) {
  uint8_t out[8];
  const uint8_t truncatedLiteral[] = {5, 1, 2};
  EXPECT_EQ(VokUnpackBitsBounded(truncatedLiteral, 3, out, 8), -1);
  const uint8_t truncatedRun[] = {0xFD};
  EXPECT_EQ(VokUnpackBitsBounded(truncatedRun, 1, out, 8), -1);
  const uint8_t longRun[] = {0x81, 7};  // 128 bytes into an 8-byte row: cut at the row's end
  std::memset(out, 0, sizeof out);
  EXPECT_EQ(VokUnpackBitsBounded(longRun, 2, out, 8), 2);
  EXPECT_EQ(out[7], 7);
  const uint8_t withNoOp[] = {0x80, 0x80, 0xF9, 3};
  EXPECT_EQ(VokUnpackBitsBounded(withNoOp, 4, out, 8), 4);
  EXPECT_EQ(out[0], 3);
  EXPECT_EQ(VokUnpackBitsBounded(nullptr, 0, out, 8), -1);
}
