// The string scanners: word and field rules, number results (1 / 0 / -1),
// words longer than their room, and the case-blind prefix test. (Number
// words longer than the local buffer: SheetRead.RowAndFieldRules, read by
// the fast row scanner that SheetRow holds to these rules.)
#include "vok/graph/sheet_scan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {
// Scans every word of text with SScanStringTabSepareted, which must stop at
// the end; returns them joined by '|'.
std::string words(std::string text, int tab) {
  std::string out;
  char* pos = &text[0];
  std::string w(text.size() + 1, '\0');
  while (SScanStringTabSepareted(&pos, &w[0], tab)) out += std::string(w.c_str()) + "|";
  EXPECT_EQ(pos, text.data() + text.size()) << "the scan stepped over the end of [" << text << "]";
  return out;
}
}  // namespace

TEST(SheetScan, WordsAndTabFields) {
  EXPECT_EQ(words("  alpha beta\r\n gamma", 0), "alpha|beta|gamma|");
  // Tab mode: a word starts right at the field; the rest of the field is skipped.
  EXPECT_EQ(words("4.5 m/s\t 2\t\t3\n", 1), "4.5|||3|");
  EXPECT_EQ(words("", 1), "");
  EXPECT_EQ(words("a\tb", 1), "a|b|");  // the text's end ends the last word
  // A word longer than the room is cut to it, and skipped whole.
  std::string text = std::string(1000, 'x') + " next";
  char* pos = &text[0];
  char cut[16];
  EXPECT_EQ(s_SScanStringBounded(&pos, cut, sizeof cut, 0), 1);
  EXPECT_TRUE(std::string(cut) == std::string(15, 'x') && std::string(pos) == "next");
}

// Result, value (written only on success: -1 stays) and what is left after the scan.
// (SScanDouble is the same scan in word mode, whose rules WordsAndTabFields holds.)
TEST(SheetScan, DoubleResults) {
  const struct {
    const char* text;
    int result;
    double value;
    const char* rest;
  } cases[] = {{"3.5kg\t", 1, 3.5, ""},
               {"kg\t", 0, -1, ""},
               {"\t4", -1, -1, "4"},  // an empty field
               {" 4", -1, -1, "4"},   // a field starting with a blank
               {"", 0, -1, ""},       // no word at all
               {"1.5 extra words\t2", 1, 1.5, "2"}};
  for (const auto& c : cases) {
    double v = -1;
    std::string text = c.text;
    char* pos = &text[0];
    EXPECT_EQ(SScanDoubleTabSeparated(&pos, &v, 1), c.result) << c.text;
    EXPECT_TRUE(v == c.value && (c.result != 1 || std::string(pos) == c.rest)) << c.text << ": " << v << " " << pos;
  }
}

// Numbers that do not fit are no numbers; the value is written only on success.
TEST(SheetScan, IntResultsIncludingOverflow) {
  const struct {
    const char* text;
    int result, value;
  } cases[] = {{" 42 ", 1, 42},      {"-2147483648", 1, INT32_MIN},
               {"2147483648", 0, 7}, {"99999999999999999999999", 0, 7},
               {"abc", 0, 7},        {"-", 0, 7},
               {"   ", 0, 7},        {"12kg", 1, 12}};
  for (const auto& c : cases) {
    std::string text = c.text;
    char* pos = &text[0];
    int v = 7;
    EXPECT_EQ(SScanInt(&pos, &v), c.result) << c.text;
    EXPECT_EQ(v, c.value) << c.text;
  }
}

TEST(SheetScan, CaseBlindPrefix) {
  EXPECT_EQ((std::vector<int>{HeadStrCL("ab", "ABC"), HeadStrCL("abc", "ab"), HeadStrCL("", "x"), HeadStrCL("x", ""),
                              HeadStrCL("Data", "dat")}),
            (std::vector<int>{1, 0, 1, 0, 0}));
}
