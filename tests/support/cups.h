// A private print daemon for tests (scripts/start-cupsd): its own folder,
// a free port, queues that print into files, and a wait for their jobs.
// Children reach it through CUPS_SERVER (env()).
#pragma once
#include <string>

namespace vtest {
// True when cupsd, lpadmin and lpstat are there.
bool haveCupsTools();

class CupsDaemon {
 public:
  CupsDaemon() = default;
  CupsDaemon(const CupsDaemon&) = delete;
  CupsDaemon& operator=(const CupsDaemon&) = delete;
  ~CupsDaemon() { stop(); }
  bool start(std::string* why);
  void stop();
  // A queue printing into a file of its own; *file is that file's path.
  bool addQueue(const std::string& name, std::string* file, std::string* why, bool makeDefault = false);
  // Waits until the queue has no job left (false after `seconds`).
  bool waitIdle(const std::string& name, double seconds = 20);
  // The daemon's page log: one line per finished job, "queue user id [date]
  // total COPIES billing host title media sides".
  std::string pageLog() const;
  // "CUPS_SERVER=host:port" for a command line.
  std::string env() const { return "CUPS_SERVER=" + server_; }

 private:
  std::string dir_, server_;
  bool running_ = false;
};
}  // namespace vtest
