#include "SimUnitPty.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

SimUnitPty::SimUnitPty(SimUnit& unit) : SimUnitTransport(unit) {
  {
    std::lock_guard lock(mutex_);
    OpenPty();
  }
  Start();
}

SimUnitPty::~SimUnitPty() {
  Stop();
  ClosePty();
}

void SimUnitPty::OpenPty() {
  const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master < 0 || grantpt(master) < 0 || unlockpt(master) < 0) {
    const std::string why = strerror(errno);
    if (master >= 0) close(master);
    throw std::runtime_error("cannot open a pty: " + why);
  }
  char name[128];
  if (ptsname_r(master, name, sizeof name) != 0) {
    close(master);
    throw std::runtime_error("ptsname failed");
  }
  const int slave = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  termios tio{};
  if (slave < 0 || tcgetattr(slave, &tio) < 0) {
    const std::string why = strerror(errno);
    if (slave >= 0) close(slave);
    close(master);
    throw std::runtime_error("cannot open pty slave " + std::string(name) + ": " + why);
  }
  cfmakeraw(&tio);
  cfsetispeed(&tio, B115200);
  cfsetospeed(&tio, B115200);
  tcsetattr(slave, TCSANOW, &tio);
  fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
  master_ = master;
  slave_ = slave;
  slavePath_ = name;
}

void SimUnitPty::ClosePty() {
  if (master_ >= 0) close(master_);
  if (slave_ >= 0) close(slave_);
  master_ = slave_ = -1;
}

void SimUnitPty::DropConnection() {
  // One step for other threads: once the editor sees the hang-up, the new path is there.
  std::lock_guard lock(mutex_);
  ClosePty();
  ++hangups_;
  OpenPty();
}

std::string SimUnitPty::SlavePath() const {
  std::lock_guard lock(mutex_);
  return slavePath_;
}

int SimUnitPty::Hangups() const {
  std::lock_guard lock(mutex_);
  return hangups_;
}
