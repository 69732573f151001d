// Values between variables and the page items: what is read back from an
// edited field, at the limits of each type.
#include <cstring>

#include "tests/vok/params/pd_fixture.h"

namespace {
void typeInto(PDPage* page, int slot, const char* text) {
  Str255 p;
  CopyCToPascal(text, p);
  pdSetItemText(page->dialog, short(5 + 2 * slot), p);
}
}  // namespace

TEST_F(PDTest, EditedFieldsAreConvertedFromTheirLeadingNumber) {
  int i = 1, j = 2, k = 3;
  long l = 4;
  int16_t s = 5;
  double d = 6, e = 7;
  char str[256] = "old";
  in_AddParameterP(&i, intType, "I", list);
  in_AddParameterP(&j, intType, "J", list);
  in_AddParameterP(&k, intType, "K", list);
  in_AddParameterP(&l, longType, "L", list);
  in_AddParameterP(&s, shortType, "S", list);
  in_AddParameterP(&d, doubleType, "D", list);
  in_AddParameterP(&e, expType, "E", list);
  in_AddParameterP(str, stringType, "Str", list);
  typeInto(list, 0, "3.5");
  typeInto(list, 1, "  12abc");
  typeInto(list, 2, "abc");
  typeInto(list, 3, "-9876543210");
  typeInto(list, 4, "40000");
  typeInto(list, 5, "2.5e-3x");
  typeInto(list, 6, "");
  typeInto(list, 7, "new text");
  GetPDValues(list);
  EXPECT_EQ(i, 3);
  EXPECT_EQ(j, 12);
  EXPECT_EQ(k, 3);  // no number: the value last shown stays
  EXPECT_EQ(l, -9876543210L);
  EXPECT_EQ(s, 32767);  // held at the type's limit
  EXPECT_EQ(d, 0.0025);
  EXPECT_EQ(e, 7.0);
  EXPECT_STREQ(str, "new text");

  // Until the fields are written anew, a changed text converts again.
  k = 100;
  GetPDValues(list);
  EXPECT_EQ(k, 3);
  SetPDValues(list);
  EXPECT_EQ(itemText(list, 5 + 2 * 2), "3");
  EXPECT_EQ(itemText(list, 5 + 2 * 6), "7.000000e+00");
}

// A ticked flag reaches its variable only when values are read back;
// read-only items keep the text of registration time.
TEST_F(PDTest, FlagsAndReadOnlyItems) {
  int flag = 0, n = 5;
  char s[16] = "before";
  in_AddParameterP(&flag, flagType, "Flag", list);
  in_AddParameterP(&n, staticIntType, "N", list);
  in_AddParameterP(s, staticStringType, "S", list);
  pdSetItemValue(list->dialog, 5, 1);
  EXPECT_EQ(flag, 0);
  n = 6;
  std::strcpy(s, "after");
  GetPDValues(list);
  EXPECT_EQ(flag, 1);
  flag = 0;
  SetPDValues(list);
  EXPECT_EQ(pdGetItemValue(list->dialog, 5), 0);
  EXPECT_EQ(itemText(list, 7), "5");
  EXPECT_EQ(itemText(list, 9), "before");
  EXPECT_EQ(n, 6);
}
