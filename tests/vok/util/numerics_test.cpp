// Numerical helpers at their edges: zero, negative, NaN, infinities, huge.
#include "vok/util/numerics.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <vector>

#include "tests/vok/console/console_fixture.h"
#include "vok/util/arrays.h"

// Small, degenerate (k > n and negative arguments give 1.0 by definition of
// the loop), large, and arguments where n - k overflows a 32-bit int.
TEST(Numerics, Binomial) {
  const struct {
    int n, k;
    double value;
  } cases[] = {{5, 2, 10}, {5, 3, 10}, {7, 0, 1}, {7, 7, 1}, {3, 5, 1}, {-4, 2, 1}, {10, -1, 1},
               {50, 25, 126410606437752.0}, {60, 30, 118264581564861424.0}, {INT_MAX, -1, 1}, {INT_MIN, 1, 1},
               {INT_MAX, 1, double(INT_MAX)}, {2000000000, 1000000000, double(INFINITY)}};
  for (const auto& c : cases)
    EXPECT_TRUE(Binomial(c.n, c.k) == c.value || std::abs(Binomial(c.n, c.k) - c.value) < c.value * 1e-13)
        << c.n << " " << c.k << ": " << Binomial(c.n, c.k);
}

TEST(Numerics, MultiplyMatrixAllowsTheResultToAliasAnOperand) {
  double** a = MakeArrayDouble2(2, 2);
  double** b = MakeArrayDouble2(2, 2);
  a[0][0] = a[1][1] = 1;
  b[0][0] = 1, b[0][1] = 2, b[1][0] = 3, b[1][1] = 4;
  auto cells = [](double** m) { return std::vector<double>{m[0][0], m[0][1], m[1][0], m[1][1]}; };
  MultiplyMatrix(2, a, b, a);
  EXPECT_EQ(cells(a), (std::vector<double>{1, 2, 3, 4}));
  MultiplyMatrix(2, a, b, b);  // b = b * b
  EXPECT_EQ(cells(b), (std::vector<double>{7, 10, 15, 22}));
  MultiplyMatrix(0, nullptr, nullptr, nullptr);
  FreeArrayDouble2(a, 2, 2);
  FreeArrayDouble2(b, 2, 2);
}

TEST(Numerics, MaxEigenValue2) {
  EXPECT_EQ(MaxEigenValue2(2, 0, 0, 3), 3.0);
  EXPECT_DOUBLE_EQ(MaxEigenValue2(1, 2, 3, 4), 0.5 * (5 + std::sqrt(33.0)));
  EXPECT_TRUE(std::isnan(MaxEigenValue2(0, -1, 1, 0)) &&
              std::isnan(MaxEigenValue2(NAN, 0, 0, 1)));  // rotation: complex pair
}

TEST(Numerics, NotADoubleIsExactlyNaN) {
  volatile double zero = 0.0;
  EXPECT_TRUE(NotADouble(NAN) == 1 && NotADouble(zero / zero) == 1);
  for (double x : {0.0, -0.0, 1.0, -1.0, DBL_MAX, -DBL_MAX, DBL_MIN / 4, double(INFINITY), -double(INFINITY)})
    EXPECT_EQ(NotADouble(x), 0) << x;
}

// Non-positive values print the message on the console and give 0.
using SafeLogConsole = vtest::ConsoleTest;
TEST_F(SafeLogConsole, NonPositiveValuesPrintTheMessageAndGiveZero) {
  for (double x : {0.0, -1.0, -0.0, -double(INFINITY)}) {
    double r = SafeLog(x);
    EXPECT_TRUE(r == 0.0 && !std::signbit(r)) << x << " gave " << r;
  }
  EXPECT_EQ(takeStdout(),
            "Error in SafeLog: 0.000000 is not positive\n"
            "Error in SafeLog: -1.000000 is not positive\n"
            "Error in SafeLog: -0.000000 is not positive\n"
            "Error in SafeLog: -inf is not positive\n");
}
