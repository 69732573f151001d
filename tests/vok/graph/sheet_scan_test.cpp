// The string scanners: word and field rules, number results (1 / 0 / -1),
// words longer than any fixed buffer, and the length-prefixed conversions.
#include <gtest/gtest.h>

#include <string>

#include "vok/graph/sheet_scan.h"

namespace {
// Scans every word of text with SScanStringTabSepareted; returns them joined by '|'.
std::string words(std::string text, int tab) {
  std::string out;
  char* pos = &text[0];
  std::string w(text.size() + 1, '\0');
  while (SScanStringTabSepareted(&pos, &w[0], tab)) out += std::string(w.c_str()) + "|";
  return out;
}

int scanDouble(std::string text, double* v, int tab = 1, std::string* rest = nullptr) {
  char* pos = &text[0];
  int r = SScanDoubleTabSeparated(&pos, v, tab);
  if (rest) *rest = pos;
  return r;
}
}  // namespace

TEST(SheetScan, WordsAndTabFields) {
  EXPECT_EQ(words("  alpha beta\r\n gamma", 0), "alpha|beta|gamma|");
  // Tab mode: a word starts right at the field; the rest of the field is skipped.
  EXPECT_EQ(words("4.5 m/s\t7\n", 1), "4.5|7|");
  EXPECT_EQ(words("1\t\t3\n", 1), "1||3|");
  EXPECT_EQ(words(" 2\t5\n", 1), "|5|");
  EXPECT_EQ(words("", 1), "");
  std::string text = "a\tb";
  char* pos = &text[0];
  char out[8] = "keep";
  ASSERT_EQ(SScanStringTabSepareted(&pos, out, 1), 1);
  ASSERT_EQ(SScanStringTabSepareted(&pos, out, 1), 1);
  EXPECT_STREQ(out, "b");
  EXPECT_EQ(SScanStringTabSepareted(&pos, out, 1), 0);  // never steps over the end
  EXPECT_STREQ(out, "b");
  EXPECT_EQ(*pos, '\0');
}

TEST(SheetScan, DoubleResults) {
  double v = -1;
  EXPECT_EQ(scanDouble("3.5kg\t", &v), 1);
  EXPECT_EQ(v, 3.5);
  v = -1;
  EXPECT_EQ(scanDouble("kg\t", &v), 0);
  EXPECT_EQ(scanDouble("\t4", &v), -1);  // empty field
  EXPECT_EQ(scanDouble(" 4", &v), -1);   // a field starting with a blank
  EXPECT_EQ(v, -1);                      // written only on success
  EXPECT_EQ(scanDouble("", &v), 0);      // no word at all
  std::string rest;
  EXPECT_EQ(scanDouble("1.5 extra words\t2", &v, 1, &rest), 1);
  EXPECT_EQ(rest, "2");
  char text[] = "  -2e3   x";
  char* pos = text;
  EXPECT_EQ(SScanDouble(&pos, &v), 1);
  EXPECT_EQ(v, -2000);
  EXPECT_STREQ(pos, "x");
}

// Words far longer than the 256-byte local buffer are read whole.
TEST(SheetScan, LongWordsAreReadWhole) {
  double v = 0;
  std::string longOne = "1." + std::string(5000, '0') + "\t9";
  std::string rest;
  EXPECT_EQ(scanDouble(longOne, &v, 1, &rest), 1);
  EXPECT_EQ(v, 1.0);
  EXPECT_EQ(rest, "9");
  std::string tiny = "0." + std::string(400, '0') + "1";  // below the smallest double
  EXPECT_EQ(scanDouble(tiny, &v), 1);
  EXPECT_EQ(v, 0.0);
  std::string text = std::string(1000, 'x') + " next";
  char* pos = &text[0];
  char out[16];
  EXPECT_EQ(s_SScanStringBounded(&pos, out, sizeof out, 0), 1);
  EXPECT_EQ(std::string(out), std::string(15, 'x'));
  EXPECT_STREQ(pos, "next");
}

TEST(SheetScan, IntResultsIncludingOverflow) {
  auto scanInt = [](std::string text, int* v) {
    char* pos = &text[0];
    return SScanInt(&pos, v);
  };
  int v = 7;
  EXPECT_EQ(scanInt(" 42 ", &v), 1);
  EXPECT_EQ(v, 42);
  EXPECT_EQ(scanInt("-2147483648", &v), 1);
  EXPECT_EQ(v, -2147483648);
  v = 7;
  EXPECT_EQ(scanInt("2147483648", &v), 0);  // does not fit: not a number
  EXPECT_EQ(scanInt("99999999999999999999999", &v), 0);
  EXPECT_EQ(scanInt("abc", &v), 0);
  EXPECT_EQ(scanInt("-", &v), 0);
  EXPECT_EQ(scanInt("   ", &v), 0);
  EXPECT_EQ(v, 7);
  EXPECT_EQ(scanInt("12kg", &v), 1);
  EXPECT_EQ(v, 12);
}

TEST(SheetScan, PascalConversionsAndPrefix) {
  unsigned char p[256];
  C2PString("abc", p);
  EXPECT_EQ(p[0], 3);
  char c[256];
  P2CString(p, c);
  EXPECT_STREQ(c, "abc");
  std::string longText(300, 'y');
  C2PString(longText.c_str(), p);  // cut, never past the 256 bytes
  EXPECT_EQ(p[0], 255);
  P2CString(p, c);
  EXPECT_EQ(std::string(c), std::string(255, 'y'));

  EXPECT_EQ(HeadStrCL("ab", "ABC"), 1);
  EXPECT_EQ(HeadStrCL("abc", "ab"), 0);
  EXPECT_EQ(HeadStrCL("", "x"), 1);
  EXPECT_EQ(HeadStrCL("x", ""), 0);
  EXPECT_EQ(HeadStrCL("Data", "dat"), 0);
}
