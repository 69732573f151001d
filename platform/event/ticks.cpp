// Ticks: 1/60 s from the monotonic clock, counted from the first use.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/event/event_internal.h"

namespace {
using Clock = std::chrono::steady_clock;
Clock::time_point epoch() {
  static const Clock::time_point start = Clock::now();
  return start;
}
}  // namespace

uint32_t TickCount() {
  // The epoch first: read after now() on the very first call, it would make
  // the count negative, and a wait on it would last months.
  Clock::time_point start = epoch();
  auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count();
  // Whole ticks: exact for 60 per second without drifting (1e9/60 is not an integer).
  return uint32_t(1 + uint64_t(ns) * 60 / 1000000000ULL);
}

void VokSleepUntilTick(uint32_t tick) {
  uint32_t now = TickCount();
  if (int32_t(tick - now) <= 0) return;
  // Tick t begins ceil((t - 1) * 1e9 / 60) ns after the epoch.
  long long ns = ((long long)(tick - 1) * 1000000000LL + 59) / 60;
  std::this_thread::sleep_until(epoch() + std::chrono::nanoseconds(ns));
}

namespace {
// Never destroyed: the helper thread may still wait on it while the program exits.
struct TickFlag {
  std::atomic<bool> raised{true};
  std::atomic<bool> parked{false};
  std::mutex mutex;
  std::condition_variable taken;
};
TickFlag& tickFlag() {
  static TickFlag* flag = new TickFlag;
  return *flag;
}

[[noreturn]] void raiseEachTick() {
  TickFlag& f = tickFlag();
  for (;;) {
    VokSleepUntilTick(TickCount() + 1);
    if (!f.raised.exchange(true)) continue;
    // Not taken during the whole last tick: wait until it is, instead of
    // waking sixty times a second for nobody.
    std::unique_lock<std::mutex> lock(f.mutex);
    f.parked = true;
    f.taken.wait(lock, [&] { return !f.raised.load(); });
    f.parked = false;
  }
}
}  // namespace

bool VokNewTick() {
  TickFlag& f = tickFlag();
  static const bool started = [] {
    std::thread(raiseEachTick).detach();
    return true;
  }();
  (void)started;
  if (!f.raised.load(std::memory_order_relaxed)) return false;
  f.raised = false;
  if (f.parked) {  // both sides write, then read the other's flag: one of them sees the other
    std::lock_guard<std::mutex> lock(f.mutex);
    f.taken.notify_one();
  }
  return true;
}
