// Relocatable blocks: sizes, zero fill, growth keeping content.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/base/types.h"

TEST(Memory, HandlesAreZeroFilledAndKeepContentWhenGrown) {
  Handle h = NewHandle(16);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(GetHandleSize(h), 16);
  for (int i = 0; i < 16; ++i) EXPECT_EQ((*h)[i], 0);
  std::memcpy(*h, "0123456789abcdef", 16);
  SetHandleSize(h, 4096);
  EXPECT_EQ(MemError(), noErr);
  EXPECT_EQ(GetHandleSize(h), 4096);
  EXPECT_EQ(std::memcmp(*h, "0123456789abcdef", 16), 0);
  EXPECT_EQ((*h)[4095], 0);
  DisposeHandle(h);
}

TEST(Memory, PascalStringsAreBoundedTo255) {
  std::string longText(400, 'x');
  Str255 p;
  CopyCToPascal(longText.c_str(), p);
  EXPECT_EQ(p[0], 255);
  char back[256];
  CopyPascalToC(p, back);
  EXPECT_EQ(std::strlen(back), 255u);
}
