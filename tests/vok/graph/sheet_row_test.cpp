// The reader's fast row scanner must give exactly what the field rules give
// through SScanDoubleTabSeparated ("%lf" on the field's first word), and
// mark NaN and infinities not valid.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "vok/graph/sheet_internal.h"

namespace {
struct Row {
  std::vector<double> values;
  std::vector<int> valid;
};

Row scan(const std::string& line, int columns, bool reference) {
  Row r{std::vector<double>(size_t(columns), -99.0), std::vector<int>(size_t(columns), -1)};
  std::vector<double*> d;
  std::vector<int*> v;
  for (int c = 0; c < columns; ++c) d.push_back(&r.values[size_t(c)]), v.push_back(&r.valid[size_t(c)]);
  // Digits after the line may be read by the fast scanner but must never count.
  std::string padded = line + std::string(SGLineSource::kSlack, '9');
  if (reference)
    s_SGScanRowReference(line.data(), line.size(), columns, d.data(), v.data(), 0);
  else
    s_SGScanRow(padded.data(), line.size(), SGLineSource::kSlack, columns, d.data(), v.data(), 0);
  return r;
}

void expectSame(const std::string& line, int columns) {
  Row fast = scan(line, columns, false), ref = scan(line, columns, true);
  for (int c = 0; c < columns; ++c) {
    ASSERT_EQ(fast.valid[size_t(c)], ref.valid[size_t(c)]) << "column " << c << " of [" << line << "]";
    // Bitwise, so that -0 and 0 are told apart.
    ASSERT_EQ(std::memcmp(&fast.values[size_t(c)], &ref.values[size_t(c)], sizeof(double)), 0)
        << "column " << c << " of [" << line << "]: " << fast.values[size_t(c)] << " vs " << ref.values[size_t(c)];
  }
}

const char* const kTricky[] = {
    "3.5", "3.5kg", "+5", "-", ".", "1e", "1e+", "1e5", "1E-05", "0x1p3", "0x", "0X1A", "inf", "-inf", "nan",
    "nan(12)", "INFINITY", "infx", "1e999", "-1e999", "1e-400", "1e-310", "", " 2", "\r", "5\r", "1.5.3",
    "\xd9\xa3", "7\xa0", "1,5", "1_000", "00012", "-0", "-0.0", "1.e5", "5.", ".5", "-.5", "e5", "\v3", "3\v",
    "3\f4", "2 m/s", "12345678901234567890123", "0.1000000000000000055511151231257827", "-.e1", "4e+0x",
    "12345678", "123456789", "1234567.8", "0.12345678", "9007199254740993", "9007199254740992.5",
    "1234567890123456789", "12345678901234567890", "0.0000000000000000000001", "1e22", "1e23", "123e-22",
    "4.35", "2.675", "5e-324", "-12.3456e-7", "123.4567", "12.3456", "1.", "99999999", "9999999.", "-0.",
    "0.0", "1234567", "123456.7", ".1234567", "1.2.3", "12.e3"};
}  // namespace

TEST(SheetRow, FastScannerAgreesOnTrickyFields) {
  for (const char* field : kTricky) {
    expectSame(field, 1);
    expectSame(std::string(field) + "\t1", 2);
    expectSame("1\t" + std::string(field), 3);
  }
  expectSame("1." + std::string(3000, '0') + "1\t2", 2);
  expectSame(std::string(3000, '9') + "\t2", 2);
}

// Random lines of tricky fields and of numerals of every short shape the
// fast paths special-case, with random digits: integer and fraction lengths
// 0 ... 10, signs, exponents, suffixes.
TEST(SheetRow, FastScannerAgreesOnRandomLines) {
  std::mt19937 rng(12345);
  auto digits = [&](int n) {
    std::string d;
    while (n-- > 0) d += char('0' + rng() % 10);
    return d;
  };
  const char* tails[] = {"", "", "", "\t3", " x", "e5", "E-2", "e", "kg", ".", "\r"};
  auto numeral = [&] {
    std::string s = (rng() % 3 == 0) ? "-" : "";
    s += digits(int(rng() % 11));
    if (rng() % 4) s += "." + digits(int(rng() % 11));
    return s + tails[rng() % (sizeof tails / sizeof *tails)];
  };
  const char* seps[] = {"\t", "\t", "\t", " ", "\t ", " \t", "\r", "\t\t"};
  for (int n = 0; n < 100000; ++n) {
    std::string line;
    for (int f = 0, fields = int(rng() % 6); f < fields; ++f) {
      if (f) line += seps[rng() % 8];
      line += rng() % 2 ? numeral() : kTricky[rng() % (sizeof kTricky / sizeof *kTricky)];
    }
    expectSame(line, int(rng() % 7) + 1);
  }
}
