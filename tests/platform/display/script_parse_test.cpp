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

std::string errorOf(const std::string& text) {
  VokScriptLine line;
  std::string error;
  EXPECT_FALSE(VokParseScriptLine(text, &line, &error)) << text;
  return error;
}
}  // namespace

TEST(ScriptSyntax, WordsStringsIndexesAndItems) {
  VokScriptLine l = parse("  field \"Interval\"[2] 0.5   # the second one");
  EXPECT_EQ(l.command, "field");
  ASSERT_EQ(l.args.size(), 2u);
  EXPECT_EQ(l.args[0].kind, VokScriptArg::kString);
  EXPECT_EQ(l.args[0].text, "Interval");
  EXPECT_EQ(l.args[0].index, 2);
  EXPECT_EQ(l.args[1].kind, VokScriptArg::kWord);
  double d = 0;
  EXPECT_TRUE(VokScriptArgNumber(l.args[1], &d));
  EXPECT_EQ(d, 0.5);

  l = parse("press #12");
  ASSERT_EQ(l.args.size(), 1u);
  EXPECT_EQ(l.args[0].kind, VokScriptArg::kItem);
  EXPECT_EQ(l.args[0].text, "12");

  l = parse("saveas \"out/a \\\"b\\\" \\\\c.eps\"");
  EXPECT_EQ(l.args[0].text, "out/a \"b\" \\c.eps");
  EXPECT_EQ(l.args[0].index, 0);

  l = parse("key \"#1\" shift");  // a # inside a string is a character
  EXPECT_EQ(l.args[0].text, "#1");
  EXPECT_EQ(l.args[1].text, "shift");
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

TEST(ScriptSyntax, NumbersAreCheckedByTheirReaders) {
  VokScriptLine l = parse("wait 12 -3 4.5 1e400 nan \"7\"");
  long n = 0;
  EXPECT_TRUE(VokScriptArgInt(l.args[0], &n));
  EXPECT_EQ(n, 12);
  EXPECT_TRUE(VokScriptArgInt(l.args[1], &n));
  EXPECT_EQ(n, -3);
  EXPECT_FALSE(VokScriptArgInt(l.args[2], &n));
  double d;
  EXPECT_TRUE(VokScriptArgNumber(l.args[2], &d));
  EXPECT_FALSE(VokScriptArgNumber(l.args[3], &d));  // out of range
  EXPECT_FALSE(VokScriptArgNumber(l.args[4], &d));
  EXPECT_FALSE(VokScriptArgInt(l.args[5], &n));  // a string is no number
}
