// Script lines: words, strings with escapes and [N], item numbers, comments,
// and the syntax errors a hand-written script makes.
#include <gtest/gtest.h>

#include "platform/script/script.h"

namespace {
VokScriptLine parse(const std::string& text) {
  VokScriptLine line;
  std::string error;
  EXPECT_TRUE(VokParseScriptLine(text, &line, &error)) << text << ": " << error;
  return line;
}

// The command, then each argument as word, "string"[index] or #item.
std::string describe(const std::string& text) {
  VokScriptLine l = parse(text);
  std::string s = l.command;
  for (const VokScriptArg& a : l.args) {
    if (a.kind == VokScriptArg::kWord) s += " " + a.text;
    if (a.kind == VokScriptArg::kItem) s += " #" + a.text;
    if (a.kind == VokScriptArg::kString) s += " \"" + a.text + "\"[" + std::to_string(a.index) + "]";
  }
  return s;
}

std::string errorOf(const std::string& text) {
  VokScriptLine line;
  std::string error;
  EXPECT_FALSE(VokParseScriptLine(text, &line, &error)) << text;
  return error;
}
}  // namespace

TEST(ScriptSyntax, WordsStringsIndexesAndItems) {
  EXPECT_EQ(describe("  field \"Interval\"[2] 0.5   # the second one"), "field \"Interval\"[2] 0.5");
  EXPECT_EQ(describe("press #12"), "press #12");
  EXPECT_EQ(describe("saveas \"out/a \\\"b\\\" \\\\c.eps\""), "saveas \"out/a \"b\" \\c.eps\"[0]");
  EXPECT_EQ(describe("key \"#1\" shift"), "key \"#1\"[0] shift");  // a # inside a string is a character
}

TEST(ScriptSyntax, MistakesAreSaidPlainly) {
  EXPECT_NE(errorOf("key \"abc").find("closing quote"), std::string::npos);
  EXPECT_NE(errorOf("key \"a\\nb\"").find("backslash"), std::string::npos);
  EXPECT_NE(errorOf("field \"x\"[0] 1").find("from 1"), std::string::npos);
  EXPECT_NE(errorOf("field \"x\"[a] 1").find("[N]"), std::string::npos);
  EXPECT_NE(errorOf("press \"OK\"x").find("blank"), std::string::npos);
  EXPECT_NE(errorOf("press O\"K\"").find("quote"), std::string::npos);
  EXPECT_NE(errorOf("\"OK\"").find("command"), std::string::npos);
  EXPECT_NE(errorOf("press #1x").find("#N"), std::string::npos);
}

// Each argument read as an integer and as a number: the value, or "-" when refused.
TEST(ScriptSyntax, NumbersAreCheckedByTheirReaders) {
  VokScriptLine l = parse("wait 12 -3 4.5 1e400 nan \"7\" 0.5");
  std::string got;
  for (const VokScriptArg& a : l.args) {
    long n = 0;
    double d = 0;
    got += (VokScriptArgInt(a, &n) ? std::to_string(n) : "-") + "/";
    got += (VokScriptArgNumber(a, &d) ? std::to_string(d) : "-") + " ";
  }
  EXPECT_EQ(got, "12/12.000000 -3/-3.000000 -/4.500000 -/- -/- -/- -/0.500000 ");
}
