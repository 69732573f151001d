// Settings that size work or memory are held to their range whichever way
// they arrive (a typed field or a parameter file), with a message naming
// them; parameter files saved with CRLF line ends read as LF ones.
#include <cstring>

#include "tests/support/paths.h"
#include "tests/vok/params/pd_fixture.h"

namespace {
struct Bounded {
  int32_t digits = 2;
  int16_t size = 12;
  double pen = 1;
};

struct Case {
  const char *digits, *size, *pen;
  int32_t wantDigits;
  int16_t wantSize;
  double wantPen;
  bool held;
};
const Case kCases[] = {
    {"5", "24", "2.5", 5, 24, 2.5, false},
    {"2147483647", "32767", "1e300", 17, 512, 100, true},
    {"-2147483648", "-7", "-1", 0, 1, 0, true},
    {"99999999999999999999", "70000", "nan", 17, 512, 0, true},
};
}  // namespace

class PDBounds : public PDTest {
 protected:
  void SetUp() override {
    PDTest::SetUp();
    s_PD.head = list;
    in_AddParameterP(&v.digits, intType, "Digit", list);
    in_AddParameterP(&v.size, shortType, "Label Size", list);
    in_AddParameterP(&v.pen, doubleType, "Pen Width", list);
    in_SetParameterRange(&v.digits, 0, 17, list);
    in_SetParameterRange(&v.size, 1, 512, list);
    in_SetParameterRange(&v.pen, 0, 100, list);
    SetPDValues(list);
  }
  void expect(const Case& c, const std::string& printed) {
    EXPECT_EQ(v.digits, c.wantDigits) << c.digits;
    EXPECT_EQ(v.size, c.wantSize) << c.size;
    EXPECT_EQ(v.pen, c.wantPen) << c.pen;
    EXPECT_EQ(printed.find("\"Digit\" must be from 0 to 17") != std::string::npos, c.held) << printed;
  }
  Bounded v;
};

TEST_F(PDBounds, TypedValuesAreHeldToTheRange) {
  for (const Case& c : kCases) {
    const char* texts[] = {c.digits, c.size, c.pen};
    for (int slot = 0; slot < 3; ++slot) {
      Str255 p;
      CopyCToPascal(texts[slot], p);
      pdSetItemText(list->dialog, short(5 + 2 * slot), p);
    }
    testing::internal::CaptureStdout();
    GetPDValues(list);
    expect(c, testing::internal::GetCapturedStdout());
    SetPDValues(list);
  }
}

TEST_F(PDBounds, FileValuesAreHeldToTheRange) {
  std::string path = vtest::scratchDir("PDBounds-file") + "/params.txt";
  for (const Case& c : kCases) {
    vtest::writeFile(path, std::string("\"Digit\"\tintType\t") + c.digits + "\n\"Label Size\"\tshortType\t" + c.size +
                               "\n\"Pen Width\"\tdoubleType\t" + c.pen + "\n");
    testing::internal::CaptureStdout();
    LoadFileNamePDParameters(path.c_str());
    expect(c, testing::internal::GetCapturedStdout());
  }
}

TEST_F(PDTest, CRLFParameterFileReadsAsLF) {
  char text[256] = "old";
  int32_t n = 0;
  in_AddParameterP(text, stringType, "Title", list);
  in_AddParameterP(&n, intType, "N", list);
  s_PD.head = list;
  std::string path = vtest::scratchDir("PDBounds-crlf") + "/params.txt";
  vtest::writeFile(path, "\"Title\"\tstringType\tA title\r\n\"N\"\tintType\t42\r\n");
  LoadFileNamePDParameters(path.c_str());
  EXPECT_STREQ(text, "A title");
  EXPECT_EQ(n, 42);
}
