// Registration: the focus slot and the checks on labels and texts (pages
// and the items each type becomes are seen end to end in dialog_script_test).
#include <cstring>
#include <vector>

#include "tests/vok/params/pd_fixture.h"

namespace {
void noop() {}
}  // namespace

TEST_F(PDTest, FirstEditableSkipsOnlyLeadingReadOnlySlots) {
  int f[3] = {0, 1, 0}, x = 0;
  for (int k = 0; k < 3; ++k) in_AddParameterP(&f[k], flagType, "F", list);
  in_AddParameterP(reinterpret_cast<void*>(noop), doType, "Do it", list);
  EXPECT_EQ(list->firstEditable, 4);  // only flags and buttons so far: past them all
  in_AddParameterP(&x, intType, "X", list);
  in_AddParameterP(&f[0], flagType, "Late flag", list);
  EXPECT_EQ(list->firstEditable, 4);
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
  EXPECT_EQ((std::vector<size_t>{std::strlen(list->params[1].name), list->params[1].nameP[0],
                                 std::strlen(list->params[2].valueText), list->params[2].valueP[0]}),
            (std::vector<size_t>{254, 254, 254, 254}));
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
  PDPage* first = mine;
  in_AddParameterP0(&x, intType, "Y", &mine);  // an existing list is used as it is
  EXPECT_TRUE(mine == first && mine->count == 2);
}
