#include "SimHidUnitLink.h"

#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

#include "SimHidDevice.h"

SimHidUnitLink::SimHidUnitLink(SimUnit& unit) : SimUnitTransport(unit) {
  // Datagrams keep each written frame whole on its way to the unit.
  if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, fds_) != 0)
    throw std::runtime_error("socketpair failed");
  const int in = fds_[1];
  SimHid::SetWriteSink([in](const uint8_t* frame, size_t size) {
    (void)!::send(in, frame, size, MSG_DONTWAIT | MSG_NOSIGNAL);
  });
  Start();
}

SimHidUnitLink::~SimHidUnitLink() {
  SimHid::SetWriteSink(nullptr);
  Stop();
  ::close(fds_[0]);
  ::close(fds_[1]);
}

void SimHidUnitLink::DropConnection() { SimHid::Unplug(); }

long SimHidUnitLink::WriteData(const uint8_t* data, size_t size) {
  SimHid::PushInput(data, size);
  return static_cast<long>(size);
}
