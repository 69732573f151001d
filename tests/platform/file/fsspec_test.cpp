// File specifications and the File Manager calls over real files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstring>

#include "platform/file/file.h"
#include "platform/file/fsspec_bridge.h"
#include "tests/support/paths.h"

namespace {
std::string specPath(const FSSpec& s) {
  std::string p;
  EXPECT_TRUE(VokSpecToPath(&s, &p));
  return p;
}

bool haveXattrs(const std::string& dir) {
  std::string f = dir + "/probe";
  vtest::writeFile(f, "");
  bool ok = ::setxattr(f.c_str(), "user.vok.probe", "x", 1, 0) == 0;
  ::unlink(f.c_str());
  return ok;
}
}  // namespace

TEST(FSSpec, PathsRoundTripIncludingRelativeAndLongNames) {
  std::string dir = vtest::scratchDir("fsspec-roundtrip");
  FSSpec a, b, c;
  ASSERT_TRUE(VokPathToSpec(dir + "/sub/../data.tsv", &a));
  EXPECT_EQ(specPath(a), dir + "/data.tsv");
  EXPECT_EQ(a.name[0], 8);
  EXPECT_NE(int32_t(a.parID), 0);

  // Relative paths are taken against the working directory.
  char cwd[4096];
  ASSERT_TRUE(::getcwd(cwd, sizeof cwd));
  ASSERT_EQ(::chdir(dir.c_str()), 0);
  ASSERT_TRUE(VokPathToSpec("rel.txt", &b));
  ASSERT_EQ(::chdir(cwd), 0);
  EXPECT_EQ(specPath(b), dir + "/rel.txt");

  // Two long names sharing their first 63 bytes stay distinct.
  std::string long1 = std::string(70, 'x') + "-one", long2 = std::string(70, 'x') + "-two";
  ASSERT_TRUE(VokPathToSpec(dir + "/" + long1, &a));
  ASSERT_TRUE(VokPathToSpec(dir + "/" + long2, &c));
  EXPECT_LE(a.name[0], 63);
  EXPECT_EQ(specPath(a), dir + "/" + long1);
  EXPECT_EQ(specPath(c), dir + "/" + long2);
  EXPECT_EQ(VokSpecName(&c), long2);
}

TEST(FSSpec, UnusableSpecsAndNamesAreRefused) {
  FSSpec zero;
  std::memset(&zero, 0, sizeof zero);
  std::string p;
  EXPECT_FALSE(VokSpecToPath(&zero, &p));
  FSSpec s;
  ASSERT_TRUE(VokPathToSpec("/tmp/x", &s));
  FSSpec t;
  EXPECT_FALSE(VokSpecWithName(&s, "a/b", &t));
  EXPECT_FALSE(VokSpecWithName(&s, std::string("a\0b", 3), &t));
  EXPECT_FALSE(VokSpecWithName(&s, "..", &t));
  EXPECT_TRUE(VokSpecWithName(&s, "0", &t));
  EXPECT_EQ(specPath(t), "/tmp/0");
  // A name written straight into the FSSpec (as the toolkit does) is checked too.
  s.name[0] = 3;
  std::memcpy(s.name + 1, "a/b", 3);
  EXPECT_FALSE(VokSpecToPath(&s, &p));
  EXPECT_FALSE(VokPathToSpec("", &s));
}

TEST(FSSpec, BridgeAndRefsGiveThePath) {
  std::string dir = vtest::scratchDir("fsspec-bridge");
  std::string path = dir + "/doc.tsv";
  vtest::writeFile(path, "a\tb\n");
  unsigned char raw[70];
  ASSERT_TRUE(VokPathToFSSpec(path.c_str(), raw));
  char back[1024];
  ASSERT_TRUE(VokFSSpecToPath(raw, back, sizeof back));
  EXPECT_EQ(std::string(back), path);
  EXPECT_FALSE(VokFSSpecToPath(raw, back, 5));

  FSSpec spec;
  std::memcpy(&spec, raw, 70);
  FSRef ref;
  ASSERT_EQ(FSpMakeFSRef(&spec, &ref), noErr);
  uint8_t out[1024];
  ASSERT_EQ(FSRefMakePath(&ref, out, sizeof out), noErr);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(out)), path);
  EXPECT_EQ(FSRefMakePath(&ref, out, 4), paramErr);
  FSSpec missing;
  ASSERT_TRUE(VokPathToSpec(dir + "/none", &missing));
  EXPECT_EQ(FSpMakeFSRef(&missing, &ref), fnfErr);
}

TEST(FileManager, CreateTypedAndDelete) {
  std::string dir = vtest::scratchDir("fsspec-io");
  FSSpec spec;
  ASSERT_TRUE(VokPathToSpec(dir + "/picture", &spec));
  ASSERT_EQ(FSpCreate(&spec, FourCC('B', 'O', 'B', 'O'), FourCC('P', 'I', 'C', 'T'), smSystemScript), noErr);
  EXPECT_EQ(FSpCreate(&spec, 0, 0, smSystemScript), dupFNErr);
  if (haveXattrs(dir)) {
    OSType type = 0, creator = 0;
    VokGetFileTypes(dir + "/picture", &type, &creator);
    EXPECT_EQ(type, FourCC('P', 'I', 'C', 'T'));
    EXPECT_EQ(creator, FourCC('B', 'O', 'B', 'O'));
  }
  EXPECT_EQ(vtest::readFile(dir + "/picture"), "");
  EXPECT_EQ(FSpDelete(&spec), noErr);
  EXPECT_EQ(FSpDelete(&spec), fnfErr);
  EXPECT_NE(std::string(VokFileErrorText()).find("No such file"), std::string::npos);
}
