// Whole-file writes replace the file whole, keep its permissions and leave
// no temporary; an abort leaves the old file. (Failing writes are driven in
// tests/faults.)
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/file/file.h"
#include "tests/support/paths.h"

TEST(AtomicWrite, ReplacesContentAndKeepsPermissions) {
  std::string dir = vtest::scratchDir("atomic-ok");
  std::string path = dir + "/params.txt";
  vtest::writeFile(path, "old");
  ::chmod(path.c_str(), 0640);
  std::string err;
  ASSERT_TRUE(VokWriteFileAtomic(path, "new content", 11, FourCC('T', 'E', 'X', 'T'), 0, &err)) << err;
  EXPECT_EQ(vtest::readFile(path), "new content");
  struct stat st;
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(vtest::regularFiles(dir), 1);  // no temporary file left behind

  // The stream form, and an abort that leaves everything as it was.
  VokAtomicFile* f = VokAtomicOpen(path, &err);
  ASSERT_NE(f, nullptr);
  std::fputs("streamed", VokAtomicStream(f));
  VokAtomicAbort(f);
  EXPECT_EQ(vtest::readFile(path), "new content");
  f = VokAtomicOpen(path, &err);
  std::fputs("streamed", VokAtomicStream(f));
  ASSERT_TRUE(VokAtomicCommit(f, 0, 0, &err));
  EXPECT_EQ(vtest::readFile(path), "streamed");
  EXPECT_EQ(vtest::regularFiles(dir), 1);
}

TEST(AtomicWrite, UnusableTargetsFailWithAReason) {
  std::string dir = vtest::scratchDir("atomic-bad");
  std::string err;
  EXPECT_FALSE(VokWriteFileAtomic(dir + "/missing/x.txt", "a", 1, 0, 0, &err));
  EXPECT_NE(err.find("No such file or directory"), std::string::npos) << err;
  EXPECT_FALSE(VokWriteFileAtomic(dir, "a", 1, 0, 0, &err));  // a folder
  EXPECT_NE(err.find("Is a directory"), std::string::npos) << err;
  FSSpec spec;
  ASSERT_TRUE(VokPathToSpec(dir + "/missing/y", &spec));
  EXPECT_EQ(FSpWriteFileAtomic(&spec, "a", 1, 0, 0), fnfErr);
  EXPECT_NE(std::string(VokFileErrorText()).find("missing/y"), std::string::npos);
}
