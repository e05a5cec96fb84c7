#include "SerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "diagnostics/OpenFailureNotice.h"

namespace {

struct BaudEntry {
  int rate;
  speed_t code;
};

constexpr BaudEntry kBauds[] = {
    {50, B50},         {75, B75},         {110, B110},       {134, B134},       {150, B150},
    {200, B200},       {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
    {2400, B2400},     {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
    {57600, B57600},   {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
};

// How long a write waits for room in a full output queue.
constexpr int kWriteRoomWaitMs = 1000;

// Raw mode: every byte as it comes, reads that never block, no flow control.
bool SetRaw(int fd) {
  termios tio{};
  if (::tcgetattr(fd, &tio) != 0) return false;
  ::cfmakeraw(&tio);
  tio.c_cflag |= CLOCAL | CREAD;
  tio.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
  tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  return ::tcsetattr(fd, TCSANOW, &tio) == 0;
}

}  // namespace

SerialPort::~SerialPort() { Close(); }

bool SerialPort::Open(const std::string& device) {
  if (fd_ >= 0 || device.empty()) return false;
  const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    NoticeOpenFailure(device, errno);
    return false;
  }
  // The advisory lock refuses a second open by a privileged program too (another link or
  // editor); TIOCEXCL keeps other users out. The lock comes first: the exclusive flag
  // belongs to the terminal, not to this descriptor, so it is set only once the port is
  // ours and cleared again on every failure after that, or the program holding the port
  // could no longer open it.
  if (!::isatty(fd) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  const bool exclusive = ::ioctl(fd, TIOCEXCL) == 0;
  if (!exclusive || !SetRaw(fd)) {
    if (exclusive) ::ioctl(fd, TIOCNXCL);
    ::close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

void SerialPort::Close() {
  if (fd_ < 0) return;
  ::ioctl(fd_, TIOCNXCL);
  ::close(fd_);
  fd_ = -1;
}

bool SerialPort::SetState(int baudRate, int byteSize, int parity, int stopBits) {
  if (fd_ < 0) return false;
  speed_t speed = 0;
  bool known = false;
  for (const BaudEntry& e : kBauds) {
    if (e.rate == baudRate) {
      speed = e.code;
      known = true;
    }
  }
  if (!known) return false;
  termios tio{};
  if (::tcgetattr(fd_, &tio) != 0) return false;
  if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0) return false;
  tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB);
  switch (byteSize) {
    case 5: tio.c_cflag |= CS5; break;
    case 6: tio.c_cflag |= CS6; break;
    case 7: tio.c_cflag |= CS7; break;
    case 8: tio.c_cflag |= CS8; break;
    default: return false;
  }
  switch (parity) {
    case NOPARITY: break;
    case ODDPARITY: tio.c_cflag |= PARENB | PARODD; break;
    case EVENPARITY: tio.c_cflag |= PARENB; break;
    case MARKPARITY: tio.c_cflag |= PARENB | CMSPAR | PARODD; break;
    case SPACEPARITY: tio.c_cflag |= PARENB | CMSPAR; break;
    default: return false;
  }
  switch (stopBits) {
    case ONESTOPBIT: break;
    case TWOSTOPBITS: tio.c_cflag |= CSTOPB; break;
    default: return false;  // 1.5 stop bits: not offered by the system
  }
  return ::tcsetattr(fd_, TCSANOW, &tio) == 0;
}

int SerialPort::GetBaudRate() const {
  termios tio{};
  if (fd_ < 0 || ::tcgetattr(fd_, &tio) != 0) return 0;
  const speed_t speed = ::cfgetospeed(&tio);
  for (const BaudEntry& e : kBauds) {
    if (e.code == speed) return e.rate;
  }
  return 0;
}

bool SerialPort::Purge() { return fd_ >= 0 && ::tcflush(fd_, TCIOFLUSH) == 0; }

int SerialPort::Queued() const {
  int count = 0;
  if (fd_ < 0 || ::ioctl(fd_, FIONREAD, &count) != 0) return -1;
  return count;
}

int SerialPort::Read(std::uint8_t* buffer, int max) {
  if (fd_ < 0) return -1;
  for (;;) {
    const ssize_t n = ::read(fd_, buffer, static_cast<size_t>(max));
    if (n >= 0) return static_cast<int>(n);
    if (errno == EINTR) continue;
    return errno == EAGAIN ? 0 : -1;
  }
}

bool SerialPort::Write(const std::uint8_t* bytes, int count) {
  if (fd_ < 0) return false;
  int done = 0;
  while (done < count) {
    const ssize_t n = ::write(fd_, bytes + done, static_cast<size_t>(count - done));
    if (n > 0) {
      done += static_cast<int>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN) return false;
    pollfd p{fd_, POLLOUT, 0};
    if (::poll(&p, 1, kWriteRoomWaitMs) <= 0 || (p.revents & (POLLERR | POLLHUP | POLLNVAL))) {
      return false;
    }
  }
  return true;
}

bool SerialPort::Failed() const {
  if (fd_ < 0) return true;
  pollfd p{fd_, 0, 0};
  if (::poll(&p, 1, 0) < 0) return errno != EINTR;
  return (p.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0;
}
