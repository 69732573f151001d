// The in-process tests register into real dialogs and print through the
// text window, so the program is started once, headless, before them.
#include <gtest/gtest.h>

#include "vok/draw/start.h"

namespace {
class StartedProgram : public ::testing::Environment {
 public:
  void SetUp() override { Start(); }
};
const auto* const kEnv = ::testing::AddGlobalTestEnvironment(new StartedProgram);
}  // namespace
