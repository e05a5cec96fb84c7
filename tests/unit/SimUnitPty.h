#pragma once

#include "SimUnitTransport.h"

#include <mutex>
#include <string>

// The simulated unit's serial face: a pseudo-terminal in raw mode. The editor opens the slave
// (`SlavePath`) as its serial port; the unit talks on the master. The unit keeps a slave
// descriptor of its own open so the line stays up while the editor closes and reopens the
// port. Dropping the connection hangs the pty up and opens a new one with a new slave path.
// Opens at construction (throws std::runtime_error when it cannot).
class SimUnitPty : public SimUnitTransport {
 public:
  explicit SimUnitPty(SimUnit& unit);
  ~SimUnitPty() override;

  std::string SlavePath() const;
  int Hangups() const;  // connections dropped so far

 protected:
  int DataFd() const override { return master_; }
  void DropConnection() override;

 private:
  // Both with mutex_ held.
  void OpenPty();
  void ClosePty();

  mutable std::mutex mutex_;  // guards the descriptors' replacement, the path and the count
  std::string slavePath_;
  int hangups_ = 0;
  int master_ = -1;
  int slave_ = -1;
};
