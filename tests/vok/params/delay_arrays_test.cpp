// Delayed element settings: recording, replay against arrays of a given
// length, separate halves, capacity changes.
#include "vok/params/delay_arrays.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
template <typename T>
void resetHalf(DSPHalf<T>& h) {
  std::free(h.arrayVars);
  std::free(h.indices);
  std::free(h.values);
  std::free(h.keys);
  h = {0, 100, 0, nullptr, nullptr, nullptr, nullptr};
}

class DelayArrays : public ::testing::Test {
 protected:
  void SetUp() override {
    resetHalf(s_dsp.ints);
    resetHalf(s_dsp.doubles);
  }
  void TearDown() override { SetUp(); }
};
}  // namespace

TEST_F(DelayArrays, AppliesInRangeEntriesOfTheKeyLastOneWinning) {
  DelaySetParamsIntArray(1000, 0);  // nothing recorded: nothing happens
  int* ycol = nullptr;
  SetParamsIntArray(&ycol, 2, 5, 0);  // series 3 of a file that may have fewer
  SetParamsIntArray(&ycol, 0, 7, 0);
  SetParamsIntArray(&ycol, 0, 9, 0);   // a later call for the same element wins
  SetParamsIntArray(&ycol, 1, 4, 1);   // another key
  SetParamsIntArray(&ycol, -1, 1, 0);  // never in range

  DelaySetParamsIntArray(2, 0);  // arrays not allocated yet: nothing to write into
  int two[2] = {0, 0};
  ycol = two;
  DelaySetParamsIntArray(2, 0);
  EXPECT_TRUE(two[0] == 9 && two[1] == 0);  // index 2 skipped, key 1 not applied

  // A later, larger file: the same entries are applied again to the new array.
  int three[3] = {0, 0, 0};
  ycol = three;
  DelaySetParamsIntArray(3, 0);
  EXPECT_TRUE(three[0] == 9 && three[1] == 0 && three[2] == 5);
  DelaySetParamsIntArray(3, 1);
  EXPECT_EQ(three[1], 4);
}

TEST_F(DelayArrays, HalvesAreSeparateAndDoublesKeepTheirValue) {
  double pen[2] = {1.0, 1.0};
  double* penVar = pen;
  int mark[2] = {0, 0};
  int* markVar = mark;
  for (int i = 0; i < 100; ++i) SetParamsIntArray(&markVar, i % 2, i, 0);
  for (int i = 0; i < 100; ++i) SetParamsDoubleArray(&penVar, i % 2, 0.25 * i, 0);
  DelaySetParamsIntArray(2, 0);
  DelaySetParamsDoubleArray(2, 0);
  EXPECT_TRUE(mark[0] == 98 && mark[1] == 99 && pen[0] == 24.5 && pen[1] == 24.75);
}

TEST_F(DelayArrays, CapacityIsSetBeforeAndGrowsAfterFirstEntry) {
  SetDelayParamsNum(200);
  int a[1] = {0};
  int* av = a;
  for (int i = 0; i < 200; ++i) SetParamsIntArray(&av, 0, i, 0);
  EXPECT_TRUE(s_dsp.ints.count == 200 && s_dsp.doubles.capacity == 200);

  // Growing after the tables exist keeps the entries; shrinking is refused.
  SetDelayParamsNum(300);
  SetDelayParamsNum(10);
  EXPECT_EQ(s_dsp.ints.capacity, 300);
  for (int i = 200; i < 300; ++i) SetParamsIntArray(&av, 0, i, 0);
  DelaySetParamsIntArray(1, 0);
  EXPECT_EQ(a[0], 299);
}
