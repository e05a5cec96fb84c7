#pragma once

#include "LCmd.h"
#include "SimUnit.h"

#include <cerrno>
#include <chrono>
#include <poll.h>
#include <unistd.h>

// Any request with any payload, framed by the editor's own codec.
struct AnyCmd : LCmd {
  AnyCmd(uint8_t unitId, uint8_t code, const SimBytes& payload) {
    SetDeviceId(unitId);
    SetCode(code);
    AppendBytes(payload.data(), payload.size());
  }
};

inline SimBytes EditorFrame(uint8_t unitId, uint8_t code, const SimBytes& payload = {}) {
  return AnyCmd(unitId, code, payload).Serialise();
}

// Reads from `fd` until `want` bytes arrived; stops early at end of stream or after the
// guard time. Returns what was read.
inline SimBytes ReadBytes(int fd, size_t want, std::chrono::milliseconds guard = std::chrono::seconds(5)) {
  SimBytes out;
  const auto end = SimClock::now() + guard;
  while (out.size() < want) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - SimClock::now()).count();
    if (left <= 0) break;
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, int(left)) <= 0) continue;
    uint8_t buffer[512];
    const ssize_t n = read(fd, buffer, std::min(sizeof buffer, want - out.size()));
    if (n > 0) out.insert(out.end(), buffer, buffer + n);
    else if (n == 0 || errno != EINTR) break;
  }
  return out;
}

// Reads one whole frame (cut by its length byte) from `fd`.
inline SimBytes ReadFrame(int fd) {
  SimBytes head = ReadBytes(fd, 5);
  if (head.size() < 5) return head;
  SimBytes rest = ReadBytes(fd, size_t(head[4]) + 3);
  head.insert(head.end(), rest.begin(), rest.end());
  return head;
}

// True when `fd` reports end of stream or an error (the peer dropped the connection).
inline bool PeerClosed(int fd, std::chrono::milliseconds guard = std::chrono::seconds(5)) {
  pollfd p{fd, POLLIN, 0};
  if (poll(&p, 1, int(guard.count())) <= 0) return false;
  uint8_t byte;
  const ssize_t n = read(fd, &byte, 1);
  return n == 0 || (n < 0 && errno != EAGAIN);
}
