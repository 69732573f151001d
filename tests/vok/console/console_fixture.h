// A started program with its console windows, once per process; each test
// starts with an empty text window and keeps the headless echo of its output
// off the test log (shown on stderr when the test fails).
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "vok/console/text.h"
#include "vok/draw/start.h"

namespace vtest {
class ConsoleTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (s_textWindow) return;
    MinimumStart();
    InitText();
  }
  void SetUp() override {
    TESetText("", 0, s_textH);
    s_textCharNum = 10000;
    testing::internal::CaptureStdout();
  }
  void TearDown() override {
    std::string out = stdoutTaken_ ? "" : testing::internal::GetCapturedStdout();
    if (HasFailure()) std::fputs(out.c_str(), stderr);  // the failure messages went there too
  }
  std::string takeStdout() {
    stdoutTaken_ = true;
    return testing::internal::GetCapturedStdout();
  }
  static std::string text() { return std::string(*TEGetText(s_textH), size_t((**s_textH).teLength)); }

 private:
  bool stdoutTaken_ = false;
};
}  // namespace vtest
