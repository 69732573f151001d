// A fresh page list for each test: the one-list-per-process rule is lifted
// by clearing s_PD between tests; old pages stay reachable, as in a program.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vok/params/dialog_run.h"
#include "vok/params/param_files.h"
#include "vok/params/param_table.h"

class PDTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s_PD.setUpDone = 0;
    s_PD.head = nullptr;
    list = nullptr;
    in_SetUpParametersDialogP(&list);
    keep().push_back(list);
  }
  static std::vector<PDPage*>& keep() {
    static auto* pages = new std::vector<PDPage*>;  // never destroyed: the pages stay reachable
    return *pages;
  }
  static std::string itemText(PDPage* page, short item) {
    std::string t;
    VokDialogItemText(page->dialog, item, &t);
    return t;
  }
  static short itemKind(PDPage* page, short item) {
    short kind;
    Handle h;
    Rect box;
    GetDialogItem(page->dialog, item, &kind, &h, &box);
    return kind;
  }
  PDPage* list = nullptr;
};
