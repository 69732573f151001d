// Settings that size work are held to their range from a parameter file and
// a typed field alike, with a message; CRLF files read as LF ones.
#include "tests/support/paths.h"
#include "tests/support/vok_expect.h"
#include "tests/vok/params/pd_fixture.h"

TEST_F(PDTest, SettingsAreHeldToTheirRangeAndCRLFIsStripped) {
  int32_t digits = 2;
  double pen = 1;
  char title[256] = "";
  in_AddParameterP(&digits, intType, "Digit", list);
  in_AddParameterP(&pen, doubleType, "Pen", list);
  in_AddParameterP(title, stringType, "Title", list);
  in_SetParameterRange(&digits, 0, 17, list);
  in_SetParameterRange(&pen, 0, 100, list);
  s_PD.head = list;
  std::string path = vtest::scratchDir("pd-bounds") + "/params.txt";
  vtest::writeFile(path, "\"Digit\"\tintType\t2147483647\r\n\"Pen\"\tdoubleType\tnan\r\n\"Title\"\tstringType\tT\r\n");
  EXPECT_TRUE(vtest::hasAll(vtest::stdoutOf([&] { LoadFileNamePDParameters(path.c_str()); }),
                            {"\"Digit\" must be from 0 to 17"}));
  EXPECT_TRUE(digits == 17 && pen == 0 && std::string(title) == "T") << digits << " " << pen << " " << title;
  pdSetItemText(list->dialog, 5, reinterpret_cast<const unsigned char*>("\x03-99"));
  GetPDValues(list);
  EXPECT_EQ(digits, 0);
}
