// The private print daemon of the tests (see cups.h).
#include "tests/support/cups.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "tests/support/paths.h"

namespace vtest {
namespace {
// A port nobody listens on right now (the kernel picks it).
int freePort() {
  int s = ::socket(AF_INET, SOCK_STREAM, 0);
  if (s < 0) return 0;
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof a;
  int port = 0;
  if (::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
      ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &len) == 0)
    port = ntohs(a.sin_port);
  ::close(s);
  return port;
}
}  // namespace

bool haveCupsTools() {
  return (haveTool("cupsd") || ::access("/usr/sbin/cupsd", X_OK) == 0) &&
         (haveTool("lpadmin") || ::access("/usr/sbin/lpadmin", X_OK) == 0) && haveTool("lpstat");
}

bool CupsDaemon::start(std::string* why) {
  dir_ = scratchDir("cupsd");
  for (int attempt = 0; attempt < 3 && !running_; ++attempt) {
    int port = freePort();
    if (!port) continue;
    server_ = "127.0.0.1:" + std::to_string(port);
    RunResult r = run("PATH=$PATH:/usr/sbin sh " + sourceDir() + "/scripts/start-cupsd " + dir_ + " " +
                      std::to_string(port));
    running_ = r.status == 0;
    if (!running_) *why = r.err + readFile(dir_ + "/log/error_log").substr(0, 2000);
  }
  return running_;
}

// Waits for the daemon to be gone: it writes its state files while it stops,
// and the next test's daemon starts in a fresh folder of the same name.
void CupsDaemon::stop() {
  if (!running_) return;
  run("pid=$(cat " + dir_ + "/run/pid) && kill $pid && for i in $(seq 200); do kill -0 $pid 2>/dev/null || break; "
      "sleep 0.05; done");
  running_ = false;
}

bool CupsDaemon::addQueue(const std::string& name, std::string* file, std::string* why, bool makeDefault) {
  *file = dir_ + "/out/" + name + ".ps";
  RunResult r = run(env() + " PATH=$PATH:/usr/sbin lpadmin -p " + name + " -E -v file://" + *file +
                    " -m drv:///sample.drv/generic.ppd" + (makeDefault ? " && " + env() + " PATH=$PATH:/usr/sbin lpadmin -d " + name : ""));
  if (r.status != 0) *why = r.err;
  return r.status == 0;
}

std::string CupsDaemon::pageLog() const { return readFile(dir_ + "/log/page_log"); }

bool CupsDaemon::waitIdle(const std::string& name, double seconds) {
  auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < until) {
    RunResult r = run(env() + " lpstat -W not-completed -o " + name);
    if (r.status == 0 && r.out.empty()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}
}  // namespace vtest
