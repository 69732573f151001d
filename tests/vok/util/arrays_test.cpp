// Zero-filled row-pointer arrays: every element starts at zero and is its own
// cell (writing one never shows through another), extents below 1 become 1,
// and sizes that cannot exist are an out-of-memory error at once.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <climits>

#include "vok/util/arrays.h"

namespace {
bool failedExit(int status) { return WIFEXITED(status) && WEXITSTATUS(status) != 0; }

// Checks that all n1 x n2 cells read zero, then writes a distinct value into
// each and reads them all back.
template <class T>
void fillAndCheck2(T** a, int n1, int n2, long base) {
  for (int i = 0; i < n1; ++i)
    for (int j = 0; j < n2; ++j) ASSERT_EQ(a[i][j], T(0)) << i << "," << j;
  for (int i = 0; i < n1; ++i)
    for (int j = 0; j < n2; ++j) a[i][j] = T(base + i * 1000 + j);
  for (int i = 0; i < n1; ++i)
    for (int j = 0; j < n2; ++j) ASSERT_EQ(a[i][j], T(base + i * 1000 + j));
}
}  // namespace

TEST(Arrays, OneDimensionalAreZeroAndRaisedToOneElement) {
  for (int n : {-5, 0, 1, 7}) {
    double* d = MakeArrayDouble1(n);
    int* i = MakeArrayInt1(n);
    long* l = MakeArrayLong1(n);
    for (int k = 0; k < (n < 1 ? 1 : n); ++k) {
      EXPECT_TRUE(d[k] == 0.0 && i[k] == 0 && l[k] == 0) << n << " " << k;
      d[k] = k, i[k] = k, l[k] = k;
    }
    FreeArrayDouble1(d);
    FreeArrayInt1(i);
    FreeArrayLong1(l);
  }
}

TEST(Arrays, TwoDimensionalRowsAreSeparateAndZero) {
  int** a = MakeArrayInt2(3, 4);
  fillAndCheck2(a, 3, 4, 1);
  FreeArrayInt2(a, 3, 4);

  long** l = MakeArrayLong2(2, 5);
  fillAndCheck2(l, 2, 5, 7);
  FreeArrayLong2(l, 2, 5);

  // Zero extents: one row of three, and three rows of one.
  int** oneRow = MakeArrayInt2(0, 3);
  fillAndCheck2(oneRow, 1, 3, 0);
  FreeArrayInt2(oneRow, 0, 3);
  double** oneColumn = MakeArrayDouble2(3, 0);
  fillAndCheck2(oneColumn, 3, 1, 0);
  FreeArrayDouble2(oneColumn, 3, 0);
}

TEST(Arrays, HigherDimensionsAreZeroAndWritableEverywhere) {
  // Every cell is read (zero), then written with its own number; a second
  // walk finds every number, so no two cells share memory.
  double****** d = MakeArrayDouble6(2, 3, 1, 2, 3, 2);
  int**** i4 = MakeArrayInt4(2, 3, -1, 2);  // the -1 extent is made 1
  long**** l4 = MakeArrayLong4(2, 3, 1, 2);
  for (int pass = 0; pass < 2; ++pass) {
    long v = 0;
    for (int a = 0; a < 2; ++a)
      for (int b = 0; b < 3; ++b)
        for (int f = 0; f < 2; ++f) {
          int& i = i4[a][b][0][f];
          long& l = l4[a][b][0][f];
          ASSERT_EQ(i, pass ? int(v + 1) : 0);
          ASSERT_EQ(l, pass ? v + 1 : 0);
          i = int(++v), l = v;
          for (int g = 0; g < 3; ++g)
            for (int h = 0; h < 2; ++h) {
              double& x = d[a][b][0][f][g][h];
              ASSERT_EQ(x, pass ? double(v + 1) : 0.0);
              x = double(++v);
            }
        }
  }
  FreeArrayDouble6(d, 2, 3, 1, 2, 3, 2);
  FreeArrayInt4(i4, 2, 3, -1, 2);
  FreeArrayLong4(l4, 2, 3, 1, 2);
}

// Extents whose product overflows, or exceeds any machine, must never give a
// short block; they report "Out of Memory!" and end the program.
TEST(ArraysDeathTest, ImpossibleSizesAreOutOfMemory) {
  EXPECT_EXIT(MakeArrayDouble2(INT_MAX, INT_MAX), failedExit, "Out of Memory!");
  EXPECT_EXIT(MakeArrayInt4(INT_MAX, INT_MAX, INT_MAX, INT_MAX), failedExit, "Out of Memory!");
  EXPECT_EXIT(MakeArrayLong3(65536, 65536, 65536), failedExit, "Out of Memory!");
  EXPECT_EXIT(MakeArrayDouble6(64, 64, 64, 64, 64, 1 << 20), failedExit, "Out of Memory!");
}
