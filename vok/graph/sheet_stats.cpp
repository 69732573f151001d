// Column statistics and the default frame range. Only valid cells count, so
// missing fields, NaN and infinities never move a column's range or step.
#include <cfloat>
#include <algorithm>
#include <cmath>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "vok/graph/graph_settings.h"
#include "vok/graph/sheet_data.h"
#include "vok/graph/sheet_internal.h"

namespace {
bool allValid(const int* ok, int rows) {
  int all = 1;
  for (int r = 0; r < rows; ++r) all &= ok[r];
  return all != 0;
}

// The common case, a column without gaps: min, max and the smallest positive
// difference, two rows at a time. Valid cells are finite, so min and max
// need no care for NaN.
void fullColumnStatistics(const double* v, int rows, double* lo, double* hi, double* minDiff) {
  int r = 1;
  double l = v[0], h = v[0], m = INFINITY;
#if defined(__SSE2__)
  __m128d vl = _mm_set1_pd(v[0]), vh = vl, vm = _mm_set1_pd(INFINITY), inf = vm;
  const __m128d signless = _mm_castsi128_pd(_mm_set1_epi64x(0x7FFFFFFFFFFFFFFFll)), zero = _mm_setzero_pd();
  for (; r + 2 <= rows; r += 2) {
    __m128d x = _mm_loadu_pd(v + r), prev = _mm_loadu_pd(v + r - 1);
    vl = _mm_min_pd(vl, x);
    vh = _mm_max_pd(vh, x);
    __m128d d = _mm_and_pd(_mm_sub_pd(x, prev), signless);
    __m128d positive = _mm_cmpgt_pd(d, zero);  // zero differences do not count
    vm = _mm_min_pd(vm, _mm_or_pd(_mm_and_pd(positive, d), _mm_andnot_pd(positive, inf)));
  }
  double a[2];
  _mm_storeu_pd(a, vl), l = std::min(a[0], a[1]);
  _mm_storeu_pd(a, vh), h = std::max(a[0], a[1]);
  _mm_storeu_pd(a, vm), m = std::min(a[0], a[1]);
#endif
  for (; r < rows; ++r) {
    l = std::min(l, v[r]), h = std::max(h, v[r]);
    double d = std::fabs(v[r] - v[r - 1]);
    if (d > 0 && d < m) m = d;
  }
  *lo = l, *hi = h, *minDiff = m;
}

// min, max and the smallest positive difference between consecutive valid
// values (the range when there is none); all 0 for a column without values.
void columnStatistics(const double* v, const int* ok, int rows, double* lo, double* hi, double* step) {
  if (rows > 0 && allValid(ok, rows)) {
    double minDiff;
    fullColumnStatistics(v, rows, lo, hi, &minDiff);
    double range = *hi - *lo;
    if (!std::isfinite(range)) range = DBL_MAX;
    *step = std::isfinite(minDiff) ? minDiff : range;
    return;
  }
  bool any = false;
  double prev = 0, minDiff = INFINITY;
  *lo = *hi = 0;
  for (int r = 0; r < rows; ++r) {
    if (!ok[r]) continue;
    if (!any) {
      *lo = *hi = v[r];
      any = true;
    } else {
      if (v[r] < *lo) *lo = v[r];
      if (v[r] > *hi) *hi = v[r];
      double d = std::fabs(v[r] - prev);
      if (d > 0 && d < minDiff) minDiff = d;  // an overflowing difference is infinite and never wins
    }
    prev = v[r];
  }
  double range = *hi - *lo;
  if (!std::isfinite(range)) range = DBL_MAX;
  *step = std::isfinite(minDiff) ? minDiff : range;
}

// The range of a column numbered from 1; false (0 ... 0) for no such column.
bool columnRange(int column, double* lo, double* hi) {
  *lo = *hi = 0;
  if (column < 1 || column > s_sg.columnCount || column > s_sgTables.statColumns) return false;
  *lo = s_sg.columnMin[column - 1];
  *hi = s_sg.columnMax[column - 1];
  return true;
}

}  // namespace

void SGSeriesRange() {
  if (!s_sg.data || !s_sg.columnMin) return;
  int rows = s_sg.dataCount < 0 ? 0 : int(s_sg.dataCount);
  if (rows > s_sgTables.rows) rows = s_sgTables.rows;  // "Data Number" may be edited past the tables
  int columns = s_sg.columnCount;
  if (columns > s_sgTables.columns) columns = s_sgTables.columns;
  if (columns > s_sgTables.statColumns) columns = s_sgTables.statColumns;
  for (int c = 0; c < columns; ++c)
    columnStatistics(s_sg.data[c], s_sg.valid[c], rows, &s_sg.columnMin[c], &s_sg.columnMax[c], &s_sg.columnStep[c]);
}

void s_SGSetDefaultFrameRange() {
  if (s_g.graphDimension != 1 || !s_sg.seriesX) return;
  double x0, x1, y0, y1;
  columnRange(s_sg.seriesX[0], &x0, &x1);
  columnRange(s_sg.seriesY[0], &y0, &y1);
  y0 = std::floor(y0), y1 = std::ceil(y1);
  s_GraphWidenRange(&x0, &x1);
  s_GraphWidenRange(&y0, &y1);
  s_g.minFrameX = x0, s_g.maxFrameX = x1;
  s_g.minFrameY = y0, s_g.maxFrameY = y1;
  for (int i = 0; i < s_sg.seriesCount; ++i) s_sg.seriesMin[i] = x0, s_sg.seriesMax[i] = x1;
}
