// The numerical helpers. SafeLog reports through the console (s_printf), not
// as a fatal error: a bad value on a logarithmic axis is plotted at 0.
#include "vok/util/numerics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "vok/util/arrays.h"
#include "vok/util/report.h"

double Binomial(int n, int k) {
  // 64-bit so that n - k cannot overflow for extreme arguments.
  long long nn = n, m = std::min<long long>(k, nn - k);
  if (m <= 0) return 1.0;
  double r = 1.0;
  for (; m > 0; --nn, --m) {
    r = r * double(nn);
    r = r / double(m);
    if (std::isinf(r)) break;  // stays infinite: nn >= m > 0 from here on
  }
  return r;
}

void MultiplyMatrix(int n, double** a, double** b, double** c) {
  if (n <= 0) return;
  double** t = MakeArrayDouble2(n, n);  // c may alias a or b
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j)
      for (int k = 0; k < n; ++k) t[i][j] = t[i][j] + a[i][k] * b[k][j];
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) c[i][j] = t[i][j];
  FreeArrayDouble2(t, n, n);
}

double MaxEigenValue2(double a, double b, double c, double d) {
  double s = a + d, p = a * d - b * c;
  return 0.5 * (s + std::sqrt(s * s - 4 * p));
}

double SafeLog(double x) {
  if (x <= 0) {  // NaN fails this test and goes on to log(NaN)
    char text[512];
    std::snprintf(text, sizeof text, "Error in SafeLog: %f is not positive\n", x);
    s_UtilMessageP(text);
    return 0.0;
  }
  return std::log(x);
}

int NotADouble(double x) { return (x > 0 || x <= 0) ? 0 : 1; }
