// Parameter files: the exact line format, round trips of every type, files
// of another registration, and the cases where a plain line reader or
// writer would lose or corrupt data (long lines, line breaks in strings,
// blanks).
#include <cstring>
#include <tuple>

#include "tests/support/paths.h"
#include "tests/support/vok_expect.h"
#include "tests/vok/params/pd_fixture.h"

namespace {
void noop() {}

struct AllTypes {
  int i = -42, si = 7, flag = 1;
  long l = -1234567890123L;
  int16_t s = -32768;
  double d = 0.0000001, e = 6.02214076e23;
  char str[256] = "a\ttabbed 50% string";
  char ro[16] = "read only";
  char empty[256] = "";
};

// Registers one of each type (and an empty string) in file order.
void registerAll(AllTypes& v, PDPage* list) {
  in_AddParameterP(&v.i, intType, "Int", list);
  in_AddParameterP(&v.si, staticIntType, "Static Int", list);
  in_AddParameterP(&v.l, longType, "Long", list);
  in_AddParameterP(&v.s, shortType, "Short", list);
  in_AddParameterP(&v.d, doubleType, "Double", list);
  in_AddParameterP(&v.e, expType, "Exp", list);
  in_AddParameterP(v.str, stringType, "String\twith tab", list);
  in_AddParameterP(v.ro, staticStringType, "Static String", list);
  in_AddParameterP(&v.flag, flagType, "Flag", list);
  in_AddParameterP(reinterpret_cast<void*>(noop), doType, "Do", list);
  in_AddParameterP(v.empty, stringType, "Empty", list);
}

// Saves to `path`; returns what the console received.
std::string save(const std::string& path) {
  return vtest::stdoutOf([&] { EXPECT_TRUE(PDSaveParametersToPath(path.c_str())); });
}

std::string load(const std::string& path) {
  return vtest::stdoutOf([&] { LoadFileNamePDParameters(path.c_str()); });
}
}  // namespace

class PDFiles : public PDTest {
 protected:
  void SetUp() override {
    PDTest::SetUp();
    dir = vtest::scratchDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    path = dir + "/params.txt";
    s_PD.head = list;
  }
  std::string dir, path;
};

TEST_F(PDFiles, EveryTypeIsWrittenByteForByteAndReadsBack) {
  AllTypes v;
  registerAll(v, list);
  ASSERT_TRUE(PDSaveParametersToPath(path.c_str()));
  std::string text = vtest::readFile(path);
  char doLine[64];
  std::snprintf(doLine, sizeof doLine, "\"Do\"\tdoType\t%p\n", reinterpret_cast<void*>(noop));
  EXPECT_EQ(text,
            "\"Int\"\tintType\t-42\n"
            "\"Static Int\"\tstaticIntType\t7\n"
            "\"Long\"\tlongType\t-1234567890123\n"
            "\"Short\"\tshortType\t-32768\n"
            "\"Double\"\tdoubleType\t0.000000\n"
            "\"Exp\"\texpType\t6.022141e+23\n"
            "\"String\twith tab\"\tstringType\ta\ttabbed 50% string\n"
            "\"Static String\"\tstaticStringType\tread only\n"
            "\"Flag\"\tflagType\t1\n" +
                std::string(doLine) + "\"Empty\"\tstringType\t\n");

  v.i = 0, v.l = 0, v.s = 0, v.d = 5, v.e = 0, v.flag = 0, v.si = 99;
  std::strcpy(v.str, "old");
  std::strcpy(v.empty, "not empty");
  EXPECT_EQ(load(path), "");
  // Static Int is read-only: the line is taken, nothing stored. Six decimals: 0.0000001 comes back as 0.
  EXPECT_EQ(std::make_tuple(v.i, v.si, v.l, v.s, v.d, v.flag, std::string(v.str), std::string(v.empty)),
            std::make_tuple(-42, 99, -1234567890123L, int16_t(-32768), 0.0, 1, std::string("a\ttabbed 50% string"),
                            std::string()));
  EXPECT_DOUBLE_EQ(v.e, 6.022141e23);
}

// A file of another registration loads its matching leading lines only;
// hand-written values parse as numbers do.
TEST_F(PDFiles, OtherRegistrationsStopAtTheFirstMismatch) {
  int a;
  int16_t b;
  double c;
  in_AddParameterP(&a, intType, "A", list);
  in_AddParameterP(&b, shortType, "B", list);
  in_AddParameterP(&c, doubleType, "C", list);
  const std::string wrong = "Error in FscanfPDParamList:\n", other = wrong + "Data type incompatible\nFile: ";
  const std::string lineB = "\"B\"\tshortType\t20\n";
  const struct {
    std::string file, out;
    std::vector<double> values;  // from 1, 2, 3
  } cases[] = {
      // a line missing
      {"\"A\"\tintType\t10\n" + lineB, wrong + "the line\n\nis wrong format\n", {10, 20, 3}},
      {"\"New\"\tintType\t5\n\"A\"\tintType\t10\n" + lineB + "\"C\"\tdoubleType\t30\n",
       other + "\"New\"\tintType\t5\n\nDialog: \"A\"\tintType\t1\n\n", {1, 2, 3}},
      {"\"A\"\tintType\t10\n\"B\"\tdoubleType\t20.000000\n\"C\"\tdoubleType\t30\n",
       other + "\"B\"\tdoubleType\t20.000000\n\nDialog: \"B\"\tshortType\t2\n\n", {10, 2, 3}},
      // labels compare case-sensitively
      {"\"a\"\tintType\t10\n", other + "\"a\"\tintType\t10\n\nDialog: \"A\"\tintType\t1\n\n", {1, 2, 3}},
      // an extra line at the end is never read
      {"\"A\"\tintType\t11\n" + lineB + "\"C\"\tdoubleType\t31\n\"D\"\tintType\t41\n", "", {11, 20, 31}},
      {"A\tintType\t12\n", wrong + "the line\nA\tintType\t12\n\nis wrong format\n", {1, 2, 3}},
      // what a number begins with; narrowed to 16 bits; an empty value is no number
      {"\"A\" intType   12abc\n\"B\"\tshortType\t70000\n\"C\"\tdoubleType\n", "", {12, int16_t(70000), 0}},
      // held at the limit instead of overflowing
      {"\"A\"\tintType\t99999999999999\n", wrong + "the line\n\nis wrong format\n", {INT32_MAX, 2, 3}},
  };
  for (const auto& k : cases) {
    a = 1, b = 2, c = 3;
    vtest::writeFile(path, k.file);
    EXPECT_EQ(load(path), k.out) << k.file;
    EXPECT_EQ((std::vector<double>{double(a), double(b), c}), k.values) << k.file;
  }
  EXPECT_EQ(load(dir + "/missing.txt"), "Error while opening parameters file\n");
}

// Lines a 511-character reader would split: a long label with a long
// string, and a large double written with "%f".
TEST_F(PDFiles, LongLinesReadBackWhole) {
  std::string label(254, 'L');
  static char text[256];
  std::memset(text, 'x', 254);
  text[0] = ' ';  // leading blanks of a string are kept
  double big = 1e300;
  int after = 5;
  in_AddParameterP(text, stringType, label.c_str(), list);
  in_AddParameterP(&big, doubleType, "Big", list);
  in_AddParameterP(&after, intType, "After", list);
  in_AddParameterP(text, staticStringType, label.c_str(), list);  // a 529-character line
  ASSERT_TRUE(PDSaveParametersToPath(path.c_str()));
  std::string saved(text);
  std::memset(text, 0, sizeof text);
  big = 0;
  after = 0;
  EXPECT_EQ(load(path), "");
  EXPECT_EQ(std::make_tuple(std::string(text), big, after), std::make_tuple(saved, 1e300, 5));

  // PDParamListString fills its 528-byte buffer and no more.
  std::vector<char> line(kPDLineSize + 64, '#');
  PDParamListString(line.data(), list->params[3]);
  EXPECT_TRUE(std::strlen(line.data()) == size_t(kPDLineSize - 1) && line[kPDLineSize] == '#');

  // A line far beyond any we write is refused whole.
  std::memset(text, 0, sizeof text);
  vtest::writeFile(path, "\"" + label + "\"\tstringType\t" + std::string(10000, 'y') + "\n");
  EXPECT_EQ(load(path).rfind("Error in FscanfPDParamList:\nthe line\n", 0), 0u);
  EXPECT_EQ(text[0], 0);
}

// A string is saved up to a line break; a slot of an undefined type has no
// line and is skipped on load; the slots after them are kept.
TEST_F(PDFiles, LineBreaksAndUndefinedTypesDoNotDerailTheFile) {
  char text[256] = "first\nsecond";
  int odd = 0, after = 8;
  in_AddParameterP(text, stringType, "Text", list);
  in_AddParameterP(&odd, 99, "Odd", list);
  in_AddParameterP(&after, intType, "After", list);
  EXPECT_TRUE(vtest::hasAll(save(path), {"holds a line break", "Error in PDParamListString: Type 99 is not defined\n"}));
  EXPECT_EQ(vtest::readFile(path), "\"Text\"\tstringType\tfirst\n\"After\"\tintType\t8\n");
  after = 0;
  EXPECT_EQ(load(path), "Error in FscanfPDParamList: Type 99 is not defined\n");
  EXPECT_TRUE(std::string(text) == "first" && after == 8);
}

// A failed write keeping the old file is checked for every step in tests/faults.
TEST_F(PDFiles, SaveIntoAMissingFolderFails) {
  EXPECT_FALSE(PDSaveParametersToPath((dir + "/no/such/folder/p.txt").c_str()));
}
