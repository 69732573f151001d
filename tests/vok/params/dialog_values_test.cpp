// Values between variables and the page items: what is read back from an
// edited field, at the limits of each type.
#include <cstring>
#include <string>
#include <tuple>

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
  const struct {
    void* variable;
    int type;
    const char *label, *typed;
  } fields[] = {{&i, intType, "I", "3.5"},     {&j, intType, "J", "  12abc"},
                {&k, intType, "K", "abc"},     {&l, longType, "L", "-9876543210"},
                {&s, shortType, "S", "40000"}, {&d, doubleType, "D", "2.5e-3x"},
                {&e, expType, "E", ""},        {str, stringType, "Str", "new text"}};
  for (const auto& f : fields) in_AddParameterP(f.variable, f.type, f.label, list);
  for (int slot = 0; slot < 8; ++slot) typeInto(list, slot, fields[slot].typed);
  GetPDValues(list);
  // No number: the value last shown stays (k); held at the type's limit (s).
  EXPECT_EQ(std::make_tuple(i, j, k, l, s, d, e, std::string(str)),
            std::make_tuple(3, 12, 3, -9876543210L, int16_t(32767), 0.0025, 7.0, std::string("new text")));

  // Until the fields are written anew, a changed text converts again.
  k = 100;
  GetPDValues(list);
  EXPECT_EQ(k, 3);
  SetPDValues(list);
  EXPECT_EQ(itemText(list, 5 + 2 * 2) + " " + itemText(list, 5 + 2 * 6), "3 7.000000e+00");
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
  EXPECT_EQ(itemText(list, 7) + " " + itemText(list, 9), "5 before");
  EXPECT_EQ(n, 6);
}
