// Registration: slots and pages, the items each type becomes, the focus
// slot, type names, and the checks on labels and texts.
#include <cstring>

#include "tests/vok/params/pd_fixture.h"

namespace {
int ints[40];
void noop() {}
}  // namespace

TEST_F(PDTest, TwentySeventhParameterStartsASecondLinkedPage) {
  for (int i = 0; i < 27; ++i) in_AddParameterP(&ints[i], intType, ("P" + std::to_string(i)).c_str(), list);
  ASSERT_NE(list->next, nullptr);
  PDPage* second = list->next;
  EXPECT_EQ(list->count, 26);
  EXPECT_EQ(second->count, 1);
  EXPECT_EQ(second->prev, list);
  EXPECT_EQ(second->next, nullptr);
  EXPECT_EQ(itemText(list, kPDNextItem), ">>");
  EXPECT_EQ(itemKind(list, kPDNextItem), kButtonDialogItem);
  EXPECT_EQ(itemText(second, kPDPrevItem), "<<");
  EXPECT_EQ(itemText(second, 4), "P26");
  // The label of slot 25 and its value sit at items 54 and 55.
  EXPECT_EQ(itemText(list, 54), "P25");
}

TEST_F(PDTest, ItemsShowEachTypeAsRegistered) {
  int i = -12, flag = 1;
  long l = 1234567890123L;
  int16_t s = -5;
  double d = 0.1, e = 12345.678;
  char str[256] = "50%";
  char ro[] = "fixed";
  in_AddParameterP(&i, intType, "Int", list);
  in_AddParameterP(&i, staticIntType, "Static Int", list);
  in_AddParameterP(&l, longType, "Long", list);
  in_AddParameterP(&s, shortType, "Short", list);
  in_AddParameterP(&d, doubleType, "Double", list);
  in_AddParameterP(&e, expType, "Exp", list);
  in_AddParameterP(str, stringType, "String", list);
  in_AddParameterP(ro, staticStringType, "Static String", list);
  in_AddParameterP(&flag, flagType, "Flag", list);
  in_AddParameterP(reinterpret_cast<void*>(noop), doType, "Command", list);
  const char* want[] = {"-12", "-12", "1234567890123", "-5", "0.100000", "1.234568e+04", "50%", "fixed", "", "Do"};
  for (int slot = 0; slot < 10; ++slot) EXPECT_EQ(itemText(list, short(5 + 2 * slot)), want[slot]) << slot;
  EXPECT_EQ(itemText(list, 4 + 2 * 9), "Command");
  EXPECT_EQ(itemKind(list, 5), editText | itemDisable);
  EXPECT_EQ(itemKind(list, 7), statText | itemDisable);
  EXPECT_EQ(itemKind(list, 5 + 2 * 8), kCheckBoxDialogItem);
  EXPECT_EQ(itemKind(list, 5 + 2 * 9), kButtonDialogItem);
  short kind;
  Handle h;
  Rect box;
  GetDialogItem(list->dialog, 5 + 2 * 8, &kind, &h, &box);
  EXPECT_EQ(GetControlValue(reinterpret_cast<ControlRef>(h)), 1);
}

TEST_F(PDTest, FirstEditableSkipsOnlyLeadingReadOnlySlots) {
  int f[3] = {0, 1, 0}, x = 0;
  for (int k = 0; k < 3; ++k) in_AddParameterP(&f[k], flagType, "F", list);
  in_AddParameterP(reinterpret_cast<void*>(noop), doType, "Do it", list);
  EXPECT_EQ(list->firstEditable, 4);  // only flags and buttons so far: past them all
  in_AddParameterP(&x, intType, "X", list);
  in_AddParameterP(&f[0], flagType, "Late flag", list);
  EXPECT_EQ(list->firstEditable, 4);
}

TEST(PDTypes, NamesAreExactAndCaseSensitive) {
  EXPECT_EQ(PDStringToType("doubleType"), 11);
  EXPECT_EQ(PDStringToType("DoubleType"), -1);
  EXPECT_EQ(PDStringToType(""), -1);
}

// A quote or line break in a label would make the saved line unreadable;
// an over-long label or text would overrun the slot's buffers.
TEST_F(PDTest, LabelsAndTextsAreKeptInsideTheirSlots) {
  int x = 1;
  std::string longLabel(300, 'L');
  static char longText[600];
  std::memset(longText, 's', 599);
  in_AddParameterP(&x, intType, "Say \"hi\"\nnow", list);
  in_AddParameterP(&x, intType, longLabel.c_str(), list);
  in_AddParameterP(longText, stringType, "Long text", list);
  EXPECT_STREQ(list->params[0].name, "Say 'hi' now");
  EXPECT_EQ(std::strlen(list->params[1].name), 254u);
  EXPECT_EQ(list->params[1].nameP[0], 254);
  EXPECT_EQ(std::strlen(list->params[2].valueText), 254u);
  EXPECT_EQ(list->params[2].valueP[0], 254);
  EXPECT_EQ(std::strlen(longText), 599u);  // the variable itself is left alone

  in_AddParameterP(nullptr, intType, "Nothing", list);  // refused: nothing to edit
  EXPECT_EQ(list->count, 3);
}

TEST_F(PDTest, AddParameterP0SetsUpAMissingList) {
  s_PD.setUpDone = 0;
  PDPage* mine = nullptr;
  int x = 3;
  in_AddParameterP0(&x, intType, "X", &mine);
  ASSERT_NE(mine, nullptr);
  keep().push_back(mine);
  EXPECT_EQ(mine->count, 1);
  in_AddParameterP0(&x, intType, "Y", &mine);  // an existing list is used as it is
  EXPECT_EQ(mine->count, 2);
}
