#include "SimUnitTransport.h"

#include <cerrno>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

SimUnitTransport::WakeFd::WakeFd() : fd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
  if (fd < 0) throw std::runtime_error("eventfd failed");
}

SimUnitTransport::WakeFd::~WakeFd() { close(fd); }

SimUnitTransport::SimUnitTransport(SimUnit& unit) : port_(unit, [this] { Wake(); }) {}

SimUnitTransport::~SimUnitTransport() { Stop(); }

void SimUnitTransport::Start() { thread_ = std::thread([this] { Run(); }); }

void SimUnitTransport::Stop() {
  stop_ = true;
  Wake();
  if (thread_.joinable()) thread_.join();
}

void SimUnitTransport::Wake() {
  const uint64_t one = 1;
  [[maybe_unused]] ssize_t n = write(wake_.fd, &one, sizeof one);
}

void SimUnitTransport::Run() {
  while (!stop_) {
    pollfd fds[3];
    nfds_t n = 0;
    fds[n++] = {wake_.fd, POLLIN, 0};
    const int extra = ExtraFd();
    if (extra >= 0) fds[n++] = {extra, POLLIN, 0};
    const int data = DataFd();
    if (data >= 0) fds[n++] = {data, POLLIN, 0};

    timespec wait{};
    timespec* timeout = nullptr;
    if (const auto due = port_.NextOutputDue()) {
      const auto left = std::max(SimClock::duration::zero(), *due - SimClock::now());
      const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
      wait = {time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
      timeout = &wait;
    }
    if (ppoll(fds, n, timeout, nullptr) < 0 && errno != EINTR) break;

    for (nfds_t i = 0; i < n; ++i) {
      if (fds[i].revents == 0) continue;
      if (fds[i].fd == wake_.fd) {
        uint64_t count;
        [[maybe_unused]] ssize_t r = read(wake_.fd, &count, sizeof count);
      } else if (fds[i].fd == extra) {
        OnExtraReadable();
      } else if (fds[i].fd == data && DataFd() == data) {
        ReadData();
      }
    }
    WriteDue();
  }
}

void SimUnitTransport::ReadData() {
  uint8_t buffer[4096];
  const ssize_t n = read(DataFd(), buffer, sizeof buffer);
  if (n > 0) {
    port_.Receive(buffer, size_t(n));
  } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
    DropConnection();
    port_.Reset();
  }
}

long SimUnitTransport::WriteData(const uint8_t* data, size_t size) { return write(DataFd(), data, size); }

void SimUnitTransport::WriteDue() {
  for (SimUnitChunk& chunk : port_.TakeOutput(SimClock::now())) {
    const int fd = DataFd();
    if (fd < 0) continue;  // nobody connected: the output is lost, as on a dead line
    size_t done = 0;
    while (done < chunk.bytes.size()) {
      const long w = WriteData(chunk.bytes.data() + done, chunk.bytes.size() - done);
      if (w > 0) {
        done += size_t(w);
      } else if (w < 0 && errno == EINTR) {
        continue;
      } else if (w < 0 && errno == EAGAIN) {
        // The reader is slow: wait until it takes bytes, or until we are told to stop.
        pollfd fds[2] = {{fd, POLLOUT, 0}, {wake_.fd, POLLIN, 0}};
        poll(fds, 2, -1);
        if (fds[1].revents) {
          uint64_t count;
          [[maybe_unused]] ssize_t r = read(wake_.fd, &count, sizeof count);
        }
        if (stop_) return;
      } else {
        chunk.disconnect = true;  // the connection is gone
        break;
      }
    }
    if (chunk.disconnect) {
      DropConnection();
      port_.Reset();
      return;
    }
  }
}
