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
  const char* cases[][2] = {
      {"%8.3lf %le %ld", "%8.3f %e %ld"}, {"%lg %lE %lG %-+ #12.4lf", "%g %E %G %-+ #12.4f"}, {"%*.*lf", "%*.*f"},
      {"%lu %lld %lx", "%lu %lld %lx"},   {"100%% of lf", "100%% of lf"},                   {"", ""},
      {"x %", "x %"},  // a format ending inside a conversion must not read past its NUL
      {"x %8.", "x %8."},                 {"x %l", "x %l"}};
  for (auto& c : cases) EXPECT_EQ(lfToF(c[0]), c[1]) << c[0];
}
