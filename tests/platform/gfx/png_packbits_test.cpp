// PNG files decoded by netpbm's pngtopnm (an independent decoder), failures
// leaving nothing behind, and PackBits rows: round trips, the never-written
// 0x80 header, the worst-case size, and hostile input.
#include <cstring>
#include <filesystem>
#include <random>

#include "platform/gfx/png.h"
#include "tests/platform/gfx/canvas.h"
#include "tests/support/ghostscript.h"

using namespace gfxtest;

TEST(Png, NetpbmDecodesTheSamePixels) {
  VTEST_REQUIRE(vtest::haveTool("pngtopnm"), "pngtopnm (netpbm)");
  Canvas c(32, 20);
  Rect r = rect(2, 2, 30, 18);
  ForeColor(redColor);
  PaintOval(&r);
  RGBColor teal{0x1111, 0x8888, 0x9999};
  RGBForeColor(&teal);
  MoveTo(0, 19);
  LineTo(31, 0);
  std::string dir = vtest::scratchDir("gfx-png-netpbm"), path = dir + "/card.png";
  std::string error;
  ASSERT_TRUE(VokWritePortPNG(c.port(), path.c_str(), &error)) << error;
  // Only the PNG is left in the folder: the temporary file was renamed.
  EXPECT_EQ(vtest::regularFiles(dir), 1);
  vtest::Image img;
  ASSERT_TRUE(vtest::readPPMVia("pngtopnm '" + path + "'", &img));
  ASSERT_EQ(img.width, 32);
  ASSERT_EQ(img.height, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 32; ++x) ASSERT_EQ(0xFF000000u | img.at(x, y), c.at(x, y)) << x << "," << y;
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
