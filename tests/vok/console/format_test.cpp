// Format helpers: the l of double conversions is dropped and nothing else.
#include <gtest/gtest.h>

#include <string>

#include "vok/console/text.h"

namespace {
std::string lfToF(const char* in) {
  char out[256];
  LFToF(in, out);
  return out;
}
}  // namespace

TEST(LFToF, DropsOnlyTheLengthLetterOfDoubleConversions) {
  EXPECT_EQ(lfToF("%8.3lf %le %ld"), "%8.3f %e %ld");
  EXPECT_EQ(lfToF("%lg %lE %lG %-+ #12.4lf"), "%g %E %G %-+ #12.4f");
  EXPECT_EQ(lfToF("%*.*lf"), "%*.*f");
  EXPECT_EQ(lfToF("%lu %lld %lx"), "%lu %lld %lx");
}

TEST(LFToF, LeavesPlainTextPercentSignsAndTheEndAlone) {
  EXPECT_EQ(lfToF("100%% of lf"), "100%% of lf");
  EXPECT_EQ(lfToF("no conversions"), "no conversions");
  EXPECT_EQ(lfToF(""), "");
  // A format ending inside a conversion must not read past its NUL.
  EXPECT_EQ(lfToF("x %"), "x %");
  EXPECT_EQ(lfToF("x %8."), "x %8.");
  EXPECT_EQ(lfToF("x %l"), "x %l");
}
