// The main of every test binary. A test whose code ends the process (a
// dialog answered by quit, a fatal error path) would otherwise let the
// binary exit 0 half way through its tests: while a test runs, exit fails.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
std::string g_running;  // "Suite.Test" while a test body runs
pid_t g_testPid = 0;    // the process running it (a death test's child is another)

void failEarlyExit() {
  if (g_running.empty() || getpid() != g_testPid) return;
  std::fprintf(stderr, "\n%s: the process exited before the test ended\n", g_running.c_str());
  std::fflush(nullptr);
  _exit(1);
}

class RunningTest : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo& t) override {
    g_running = std::string(t.test_suite_name()) + "." + t.name();
    g_testPid = getpid();
  }
  void OnTestEnd(const ::testing::TestInfo&) override { g_running.clear(); }
};
}  // namespace

int main(int argc, char** argv) {
  // A re-executed death-test child is meant to end inside its test.
  bool deathChild = false;
  for (int i = 1; i < argc; ++i) deathChild |= std::string(argv[i]).rfind("--gtest_internal_run_death_test", 0) == 0;
  ::testing::InitGoogleTest(&argc, argv);
  if (!deathChild) std::atexit(failEarlyExit);
  ::testing::UnitTest::GetInstance()->listeners().Append(new RunningTest);
  return RUN_ALL_TESTS();
}
