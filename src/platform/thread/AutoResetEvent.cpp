#include "AutoResetEvent.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <vector>

AutoResetEvent::AutoResetEvent() : fd_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

AutoResetEvent::~AutoResetEvent() {
  if (fd_ >= 0) ::close(fd_);
}

void AutoResetEvent::Set() {
  if (fd_ < 0) return;
  const std::uint64_t one = 1;
  // A full counter (never reached in practice) still leaves the event signalled.
  while (::write(fd_, &one, sizeof one) < 0 && errno == EINTR) {
  }
}

void AutoResetEvent::Reset() { TryAcquire(POLLIN); }

bool AutoResetEvent::TryAcquire(short) {
  std::uint64_t value = 0;
  ssize_t n;
  while ((n = ::read(fd_, &value, sizeof value)) < 0 && errno == EINTR) {
  }
  return n == static_cast<ssize_t>(sizeof value);
}

bool AutoResetEvent::Wait(int timeoutMs) { return WaitForAny({this}, timeoutMs) == WAIT_OBJECT_0; }

std::uint32_t WaitForAny(std::initializer_list<Waitable*> objects, int timeoutMs) {
  using Clock = std::chrono::steady_clock;
  std::vector<pollfd> fds;
  fds.reserve(objects.size());
  for (Waitable* w : objects) {
    if (!w || w->WaitFd() < 0) return WAIT_FAILED;
    fds.push_back(pollfd{w->WaitFd(), POLLIN, 0});
  }
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
  for (;;) {
    int waitMs = -1;
    if (timeoutMs >= 0) {
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
      waitMs = left.count() > 0 ? static_cast<int>(left.count()) : 0;
    }
    for (pollfd& p : fds) p.revents = 0;
    const int n = ::poll(fds.data(), fds.size(), waitMs);
    if (n < 0) {
      if (errno == EINTR) continue;
      return WAIT_FAILED;
    }
    if (n == 0) return WAIT_TIMEOUT;
    std::uint32_t index = 0;
    for (Waitable* w : objects) {
      const short revents = fds[index].revents;
      if (revents & POLLNVAL) return WAIT_FAILED;
      if (revents != 0 && w->TryAcquire(revents)) return WAIT_OBJECT_0 + index;
      ++index;
    }
    // Another waiter took the signal; wait for what is left of the time.
    if (timeoutMs >= 0 && waitMs == 0) return WAIT_TIMEOUT;
  }
}
